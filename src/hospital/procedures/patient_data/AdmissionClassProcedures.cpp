// Stand-ins of the PATIENT_DATA procedures that classify an admission: the out-patient rate type
// and whether billing has closed the account (late charges then go through the receivable update).
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: out-patient admission number. One row (RateType) when the visit has a classification.
Recordset opdClassification(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT C.RateType, C.Description FROM PATIENT_DATA..TBOUTPATIENT O "
                                  "JOIN BUILD_FILE..tbCoOPDClass C ON C.OPDClassID = O.OPDClass WHERE O.IDNum = ?"),
                   {a.text(0)});
}

// Argument: admission number. One row (IsReceivableUpdate 1 when billed and not yet invoiced by
// the receivable section, else 0) when the admission or visit exists.
Recordset receivableUpdate(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0);
    const QString table = StayTables::Of(idNum).stay;
    return c.query(QStringLiteral("SELECT CASE WHEN BillingDate IS NULL OR InvoiceDate IS NOT NULL THEN 0 ELSE 1 END AS IsReceivableUpdate "
                                  "FROM %1 WHERE IDNum = ?").arg(table),
                   {idNum});
}

} // namespace

CATHLAB_PROCEDURE("PATIENT_DATA..sp_Get_OPD_Classification", opdClassification);
CATHLAB_PROCEDURE("PATIENT_DATA..sp_Check_Patient_For_ReceivableUpdate", receivableUpdate);
