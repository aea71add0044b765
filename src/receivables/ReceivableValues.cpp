#include "receivables/ReceivableValues.h"

ReceivableState Receivable;
