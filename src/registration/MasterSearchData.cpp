#include "registration/MasterSearchData.h"

#include "platform/db/Connection.h"

namespace MasterSearchData {

Recordset Search(Connection& c, const Criteria& k)
{
    return c.call(QStringLiteral("Patient_Data..sp_Adm_MasterPatientSearch"),
                  {k.lastName.trimmed(), k.firstName.trimmed(), k.middleName.trimmed(), k.sex.trimmed(), k.hospNum.trimmed(),
                   k.birthDate.trimmed(), k.lowerAge, k.upperAge});
}

bool CheckCardNumber(Connection& c, const QString& hospNum)
{
    const Recordset rs = c.query(QStringLiteral("SELECT COALESCE(CardNumber, '') AS CardNumber FROM Patient_Data..tbMaster WHERE HospNum = ?"),
                                 {hospNum.trimmed()});
    return !rs.isEmpty() && !rs.text(QStringLiteral("CardNumber")).trimmed().isEmpty();
}

bool HasOpenAdmission(Connection& c, const QString& hospNum)
{
    return !c.query(QStringLiteral("SELECT 1 AS Found FROM patient_Data..tbpatient WHERE HospNum = ? AND DcrDate IS NULL LIMIT 1"),
                    {hospNum.trimmed()})
                .isEmpty();
}

bool HasOpenVisit(Connection& c, const QString& hospNum)
{
    return !c.query(QStringLiteral("SELECT 1 AS Found FROM patient_Data..tboutpatient WHERE HospNum = ? AND DcrDate IS NULL LIMIT 1"),
                    {hospNum.trimmed()})
                .isEmpty();
}

QVariant OldAccountsAmount(Connection& c, const QString& hospNum)
{
    const Recordset rs = c.call(QStringLiteral("PATIENT_DATA..sp_Adm_ComputePatientsOldAccounts"), {hospNum});
    if (rs.isEmpty()) return {};
    const QVariant v = rs.value(QStringLiteral("Amount"));
    return v.isNull() ? QVariant(0) : v;
}

Recordset LoadPatient(Connection& c, const QString& hospNum)
{
    return c.call(QStringLiteral("HemoDialysis..sp_Adm_LoadPatient"), {hospNum});
}

bool IsKnownLastName(Connection& c, const QString& name)
{
    return !c.call(QStringLiteral("Patient_Data..sp_Adm_ValidateLastName"), {name.trimmed()}).isEmpty();
}

bool HasNameLabel(const QString& name)
{
    const QString padded = QLatin1Char(' ') + name + QLatin1Char(' ');
    for (const char* label : {" SR ", " JR ", " II", " IV"})
        if (padded.contains(QLatin1String(label))) return true;
    return false;
}

} // namespace MasterSearchData
