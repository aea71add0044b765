// Stand-ins of the cash credit memo: the paid items of a receipt with their credit memo state,
// and the record of one credited item.
#include "hospital/procedures/RowsAffected.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission, station, receipt. One row per paid cash assessment line of the receipt, in the columns the credit memo
// window lays out: state picture (empty), item, department, description, quantity, amount, state
// ("0" none, "1" processed by the cashier, "2" pending), selection mark (empty), advice number.
Recordset patientCashCM(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
                       "SELECT '' AS Pic, D.ItemID, D.RevenueID, D.Description, D.Quantity, D.Amount, "
                       "CASE WHEN M.CMAdviseNum IS NULL THEN '0' WHEN COALESCE(M.Processed, 0) <> 0 THEN '1' ELSE '2' END AS CMStatus, "
                       "'' AS Selected, COALESCE(M.CMAdviseNum, '') AS CMAdviseNum "
                       "FROM STATION..tbCLAssessment D "
                       "LEFT JOIN BILLING..tbCashCMAdvise M ON M.ORNumber = D.ORNumber AND M.RevenueID = D.RevenueID AND M.ItemID = D.ItemID "
                       "WHERE D.IDNum = ? AND D.AssessType = 'CASH' AND D.Status = 'PAID' AND D.ORNumber = ? ORDER BY D.LineID"),
                   {a.text(0).trimmed(), a.text(2).trimmed()});
}

// Arguments: item, advice number, receipt, patient name, department, unit price, quantity, amount,
// user. An item of the receipt is credited once: a second advice (another workstation's, made
// since the list was read) is refused, and the caller's whole save with it.
Recordset saveCMAdvise(Connection& c, const ProcedureArgs& a)
{
    const QString item = a.text(0).trimmed(), receipt = a.text(2).trimmed(), department = a.text(4).trimmed();
    const QVariant paid = c.scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE ORNumber = ? AND RevenueID = ? AND ItemID = ? AND Status = 'PAID'"),
                                   {receipt, department, item});
    if (DbValue::toDouble(paid) <= 0)
        throw DbError(QStringLiteral("Item %1 of department %2 is not on receipt %3.").arg(item, department, receipt));
    const QVariant credited = c.scalar(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbCashCMAdvise WHERE ORNumber = ? AND RevenueID = ? AND ItemID = ?"),
                                       {receipt, department, item});
    if (DbValue::toDouble(credited) > 0)
        throw DbError(QStringLiteral("Item %1 of receipt %2 already has a credit memo advice.").arg(item, receipt));
    return RowsAffected(c.execute(QStringLiteral("INSERT INTO BILLING..tbCashCMAdvise (CMAdviseNum, ORNumber, ItemID, RevenueID, PatientName, "
                                                 "UnitPrice, Quantity, Amount, UserID, TransDate, Processed) "
                                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, GETDATE(), 0)"),
                                  {a.text(1).trimmed(), receipt, item, department, a.text(3), a.at(5), a.at(6), a.at(7), a.text(8).trimmed()}));
}

} // namespace

CATHLAB_PROCEDURE("PATIENT_DATA..sp_Get_Patient_CashCM", patientCashCM);
CATHLAB_PROCEDURE("BILLING..spCash_SaveCMAdvise", saveCMAdvise);
