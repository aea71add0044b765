#include "access/AccessCheck.h"

#include "access/modEncryption.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

std::optional<QString> CheckUserDepartmentAccess(Connection& c, const QString& userId, const QString& accessCode,
                                                 const QString& stationId)
{
    const QString code =
        EncryptDecrypt(QStringLiteral("E"), QString::fromLatin1(kAccessCodeKey), accessCode.trimmed()).trimmed();
    Recordset rs = c.call(QStringLiteral("STATION..sp_Check_User_Department_Access"),
                                           {userId.trimmed(), code, stationId.trimmed()});
    if (rs.isEmpty()) return std::nullopt;
    return UserFullName(rs.text(QStringLiteral("LastName")), rs.text(QStringLiteral("FirstName")), rs.text(QStringLiteral("MiddleName")));
}

QString UserFullName(const QString& lastName, const QString& firstName, const QString& middleName)
{
    return lastName + QStringLiteral(", ") + firstName + QLatin1Char(' ') + middleName;
}

QString UnauthorizedUserText()
{
    return QStringLiteral("Unauthorized user for this department(") + Session.CurrentStationID.toString().trimmed() +
           QLatin1Char('-') + Session.CurrentStationName.toString().trimmed() + QLatin1Char(')');
}

namespace {
// The box on the workstation holds a typed line break as a carriage return and a line feed.
QString withWindowsLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
}

QString ReasonFromBox(const QString& boxText)
{
    QString text = withWindowsLineBreaks(boxText);
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

bool ReasonIsBlank(const QString& boxText)
{
    QString text = boxText;
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text.trimmed().isEmpty();
}

QString AppendRemark(const QString& reason, const QString& remark)
{
    if (reason.contains(remark.trimmed())) return reason;
    return reason.trimmed().isEmpty() ? reason + remark : reason + QStringLiteral(", ") + remark;
}
