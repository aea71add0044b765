#pragma once
#include "platform/db/Recordset.h"

class Connection;

// The read results of one imaging section's table (RADIOLOGY..tbXRResult, tbUlResult, tbCTResult,
// tbMRIResult, tbobulresult) for an admission, or for every stay of a hospital number, oldest
// first, in the fields of the results lists: the request number under `numberField`, "EXAM. NAME",
// "TRANS. DATE", "RESULT DATE", "DR. LASTNAME", "DR. FIRSTNAME", "Dr. MiddleName", "Interpretation".
// A result whose radiologist is not on file keeps its row with the names empty.
Recordset ImagingResultList(Connection& c, const QString& table, const QString& idNum, const QString& numberField);
Recordset ImagingResultListOfPatient(Connection& c, const QString& table, const QString& hospNum);
