#include "shell/settings/MarkupData.h"

#include "platform/db/Connection.h"
#include "platform/db/LikePattern.h"
#include "shared/modGlobals.h"

Recordset LoadMarkups()
{
    return SharedConnection().query(QStringLiteral(
        "SELECT MarkupID, MarkUp, Description, Status, Operation FROM STATION..tbCLMarkUp ORDER BY MarkupID"));
}

Recordset SearchMarkups(const QString& text)
{
    return SharedConnection().query(QStringLiteral("SELECT MarkupID, MarkUp, Description, Status, Operation "
                                                   "FROM STATION..tbCLMarkUp WHERE UPPER(Description) LIKE UPPER(?) ESCAPE '!' ORDER BY MarkupID"),
                                    {Like::startsWith(text)});
}

Recordset FindMarkup(const QString& code)
{
    return SharedConnection().call(QStringLiteral("Station..SearchCLMarkup"), {code});
}

void SaveMarkup(const MarkupEntry& e)
{
    Connection& c = SharedConnection();
    TransactionGuard tx(c);
    c.call(QStringLiteral("Station..SaveCLMarkupValues"), {e.code, e.value, e.description, e.status, e.operation});
    tx.commit();
}

Recordset LoadActiveMarkups()
{
    return SharedConnection().query(QStringLiteral(
        "SELECT Description AS MarkUpType, MarkUp, Operation FROM STATION..tbCLMarkUp WHERE Status = 'A' ORDER BY Description"));
}

QString MarkupValueText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return QString();
    return QString::number(DbValue::toDouble(value), 'g', 12);
}

bool IsMarkupValue(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && v >= 0;
}
