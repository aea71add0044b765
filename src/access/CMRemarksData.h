#pragma once
#include "platform/db/Recordset.h"

class Connection;

// The hospital's standard credit-memo remarks: code first, remark text second. Errors reach the
// caller as DbError.
Recordset GetCMRemarks(Connection& c);
