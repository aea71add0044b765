#pragma once
#include "platform/db/Recordset.h"

class Connection;

#include <QString>
#include <QStringList>

// PHIC RVS codes: the MEDICARE procedure list (read only) and the codes listed for each of the
// department's procedures in CLINICAL_AREA..tbCLRVS. Errors reach the caller as DbError unless said.

// The description of one RVS code in upper case; "" when the code is not in the procedure list.
// The procedure row's description, else the scale's. A failure shows the common error notice
// and answers "".
QString GetRVSDescription(Connection& c, const QString& rvsCode);

// The PHIC search: RVSCODE, DESCRIPTION, PACKAGEID, UNIT. With no procedure code the whole list
// (all of it for an empty key, else the code itself or descriptions containing the key); with one,
// only the codes listed for that procedure.
Recordset SearchPHICProcedures(Connection& c, const QString& key, const QString& procedureCode);

// The department's own active procedures: Code, Procedure.
Recordset LoadDepartmentProcedures(Connection& c, const QString& mainRevenueID);
// The RVS codes listed for one procedure, in the order stored.
QStringList LoadProcedureRVSCodes(Connection& c, const QString& itemID);

// Replaces the codes of one procedure in one transaction, with the station-log line
// "Changed RVS" by the validated user. Refuses (DbError, nothing written) a code given twice or
// an empty procedure code.
void SaveProcedureRVSCodes(Connection& c, const QString& itemID, const QStringList& codes, const QString& userID);

// The first code that appears twice in the list ("" when none), compared without blanks or case.
QString FirstDuplicateCode(const QStringList& codes);

// A unit as the picker shows it ("30.00"; "" for null).
QString RvsUnitText(const QVariant& unit);
