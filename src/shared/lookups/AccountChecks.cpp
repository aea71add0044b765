#include "shared/lookups/AccountChecks.h"

#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

using Lookup::call;
using Lookup::query;

namespace {
// 01/01/1900 is the hospital's "no date", as the workspace reads it too.
bool hasBillingDate(const QVariant& billingDate)
{
    if (!billingDate.isValid() || billingDate.isNull()) return false;
    const QDateTime at = DbValue::toDateTime(billingDate);
    return at.isValid() && at.date() > QDate(1900, 1, 1);
}

// Warns when billing has closed the account; gives whether it has.
bool accountClosedNotice(bool closed)
{
    if (!closed) return false;
    MsgBox(QStringLiteral("The patient's account has already been closed. ") + QStringLiteral("\r\n\r\n")
               + QStringLiteral("If you have transactions to make, please notify the Billing staff")
               + QStringLiteral(" immediately for further instructions."),
           vbExclamation | vbOKOnly, QStringLiteral("Notification"));
    return true;
}
}

bool AccountClosed(Connection& c, const QString& idNum, const QString& patientType)
{
    const StayTables& tables = patientType == QLatin1String("I") ? StayTables::InPatient() : StayTables::OutPatient();
    const Recordset rs = query(c, QStringLiteral("SELECT BillingDate FROM %1 WHERE IDNum = ?").arg(tables.stay), {idNum.trimmed()});
    return !rs.isEmpty() && hasBillingDate(rs.value(QStringLiteral("BillingDate")));
}

bool IsAccountClosed(Connection& c, const QString& idNum, const QString& patientType)
{
    return accountClosedNotice(AccountClosed(c, idNum, patientType));
}

QString GetPatientAccount(Connection& c, const QString& idNum)
{
    QString account;
    auto accountLookup = [&](const char* accountColumn) {
        return query(c, QStringLiteral("SELECT COALESCE(P.HospNum, '') AS HospNum, COALESCE(P.%1, '') AS AccountNum, "
                                    "COALESCE(C.Company, '') AS CompanyName FROM PATIENT_DATA..tbpatient P "
                                    "LEFT OUTER JOIN BUILD_FILE..TBCOCOMPANY C ON C.AccountNum = P.%1 WHERE P.IDNum = ?")
                         .arg(QString::fromLatin1(accountColumn)),
                     {idNum});
    };
    try {
        const Recordset rs = accountLookup("AccountNum");
        if (rs.recordCount() >= 1) {
            account = rs.text(QStringLiteral("AccountNum")) == rs.text(QStringLiteral("HospNum"))
                          ? QStringLiteral("PERSONAL")
                          : rs.text(QStringLiteral("CompanyName"));
        }
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("GetPatientAccount"), e); // the header shows what could be found
    }
    try {
        const Recordset rs = accountLookup("AccountNumII");
        if (!rs.isEmpty()) {
            const QString second = rs.text(QStringLiteral("AccountNum"));
            if (second == rs.text(QStringLiteral("HospNum"))) account += QStringLiteral("/PERSONAL");
            else if (!second.trimmed().isEmpty()) account += QStringLiteral("/") + rs.text(QStringLiteral("CompanyName"));
        }
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("GetPatientAccount"), e);
    }
    return account;
}

bool NeedsReceivableUpdate(Connection& c, const QString& idNum)
{
    const Recordset rs = call(c, "PATIENT_DATA..sp_Check_Patient_For_ReceivableUpdate", {idNum.trimmed()});
    return rs.isEmpty() ? false : Lookup::truthOf(rs.value(QStringLiteral("IsReceivableUpdate")));
}

bool IsDepartmentCleared(Connection& c, const QString& idNum, const QString& departmentID)
{
    const Recordset rs = call(c, "STATION..sp_Nurse_Check_ClearedDepartment", {idNum.trimmed(), departmentID.trimmed()});
    if (rs.isEmpty()) return false;
    const QVariant cleared = rs.value(QStringLiteral("ClearDate"));
    return !cleared.isNull() && !DbValue::text(cleared).isEmpty();
}

bool HasDischargeNotice(Connection& c, const QString& idNum)
{
    return !query(c, QStringLiteral("SELECT 1 AS Found FROM STATION..TBNURSEDISCHARGENOTICE "
                                 "WHERE IDNum = ? AND (RecordStatus = 'F' OR RecordStatus = 'P') LIMIT 1"),
                  {idNum.trimmed()})
                .isEmpty();
}

bool HasCathLabCharges(Connection& c, const QString& hospNum, const QString& idNum)
{
    const Recordset rs = call(c, "CLINICAL_AREA..CheckForCathLabCharges", {hospNum, idNum, QString()});
    return rs.recordCount() > 0 && Lookup::numberOf(rs.value(QStringLiteral("Amount"))) > 0;
}

bool HasOpenCommunication(Connection& c, const QString& idNum)
{
    const QString revenueID = StationParameters().MainRevenueID();
    return !query(c, QStringLiteral("SELECT 1 AS Found FROM STATION..TBNURSECOMMUNICATIONFILE "
                                 "WHERE IDNum = ? AND RevenueID = ? AND COALESCE(RecordStatus, '') = '' LIMIT 1"),
                  {idNum, revenueID})
                .isEmpty();
}

bool IsCF4Required(Connection& c, const QString& idNum)
{
    const QString start = StationParameters().RequireCF4Start();
    if (!start.trimmed().isEmpty()) {
        // Compared as texts: the admission day as yyyy-mm-dd against the parameter as written.
        const Recordset rs = query(c, QStringLiteral("SELECT 1 AS Found FROM %1 WHERE IDNum = ? "
                                                  "AND SUBSTR(CAST(AdmDate AS VARCHAR(30)), 1, 10) >= ?")
                                       .arg(StayTables::Of(idNum).stay),
                                   {idNum, start});
        if (rs.isEmpty()) return false;
    }
    return IsValidPHICPatient(c, idNum);
}

bool IsValidPHICPatient(Connection& c, const QString& idNum)
{
    return !call(c, "STATION..CheckIfValidPHICPatient", {idNum}).isEmpty();
}

bool IsInternationalPatient(Connection& c, const QString& idNum)
{
    const Recordset rs = call(c, "STATION..CheckIfInternational", {idNum});
    return !rs.isEmpty() && rs.text(QStringLiteral("isInternational")) == QLatin1String("Y");
}
