// Stand-in of the CLINICAL_AREA procedure that totals the cath lab's charges of an admission.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/text/AdmissionNumber.h"

namespace {

// Arguments: hospital number, admission number, item ('' for all). One row (Amount: charges less
// credits under the cath lab's revenue code) when the admission has cath lab lines.
Recordset cathLabCharges(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(1);
    const bool outPatient = IsOutPatientNumber(idNum);
    const QString sql = outPatient
        ? QStringLiteral("SELECT SUM(CASE WHEN DrCr = 'C' THEN -Amount ELSE Amount END) AS Amount FROM BILLING..tbBillOPDailyOut "
                         "WHERE IDNum = ? AND HospNum = ? AND RevenueID = 'CL' AND (ItemID = ? OR ? = '') HAVING COUNT(*) > 0")
        : QStringLiteral("SELECT SUM(CASE WHEN DrCr = 'C' THEN -Amount ELSE Amount END) AS Amount FROM BILLING..tbBillDailyBill B "
                         "JOIN PATIENT_DATA..tbPatient P ON P.IDNum = B.IDNum "
                         "WHERE B.IDNum = ? AND P.HospNum = ? AND B.RevenueID = 'CL' AND (B.ItemID = ? OR ? = '') HAVING COUNT(*) > 0");
    const QString item = a.text(2).isNull() ? QStringLiteral("") : a.text(2);
    return c.query(sql, {idNum, a.text(0), item, item});
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..CheckForCathLabCharges", cathLabCharges);
