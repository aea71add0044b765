#include "shell/settings/MarkupData.h"

#include "platform/db/Connection.h"
#include "platform/db/LikePattern.h"
#include "shared/modGlobals.h"
#include "shared/text/TypedNumbers.h"

Recordset LoadMarkups(Connection& c)
{
    return c.query(QStringLiteral(
        "SELECT MarkupID, MarkUp, Description, Status, Operation FROM STATION..tbCLMarkUp ORDER BY MarkupID"));
}

Recordset SearchMarkups(Connection& c, const QString& text)
{
    return c.query(QStringLiteral("SELECT MarkupID, MarkUp, Description, Status, Operation "
                                                   "FROM STATION..tbCLMarkUp WHERE UPPER(Description) LIKE UPPER(?) ESCAPE '!' ORDER BY MarkupID"),
                                    {Like::startsWith(text)});
}

Recordset FindMarkup(Connection& c, const QString& code)
{
    return c.call(QStringLiteral("Station..SearchCLMarkup"), {code});
}

void SaveMarkup(Connection& c, const MarkupEntry& e)
{
    TransactionGuard tx(c);
    c.call(QStringLiteral("Station..SaveCLMarkupValues"), {e.code, e.value, e.description, e.status, e.operation});
    tx.commit();
}

Recordset LoadActiveMarkups(Connection& c)
{
    return c.query(QStringLiteral(
        "SELECT Description AS MarkUpType, MarkUp, Operation FROM STATION..tbCLMarkUp WHERE Status = 'A' ORDER BY Description"));
}

QString MarkupValueText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return QString();
    return QString::number(DbValue::toDouble(value), 'g', 12);
}

bool IsMarkupValue(const QString& text)
{
    // a plain number the mark-up column holds
    return ColumnRange(QStringLiteral("Mark-up"), QStringLiteral("STATION..tbCLMarkUp"), QStringLiteral("MarkUp")).accepts(text);
}
