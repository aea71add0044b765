// Stand-ins of the STATION procedures behind the mark-up settings.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

namespace {

// One argument, a MarkupID; answers that row (MarkupID, Markup, Description, Status, Operation).
Recordset searchCLMarkup(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT MarkupID, MarkUp AS Markup, Description, Status, Operation "
                                  "FROM STATION..tbCLMarkUp WHERE MarkupID = ?"),
                   {a.text(0).trimmed()});
}

// Code ("NEW" for a new row, else the row's MarkupID), value, description, status, operation.
// A new row takes the next three-digit code; an existing code is updated. Answers nothing.
Recordset saveCLMarkupValues(Connection& c, const ProcedureArgs& a)
{
    const QString code = a.text(0).trimmed();
    bool numeric = false;
    const double value = a.text(1).trimmed().toDouble(&numeric);
    if (!numeric) throw DbError(QStringLiteral("The mark up value \"%1\" is not a number.").arg(a.text(1)));
    const QVariantList values{value, a.text(2), a.text(3), a.text(4)};
    TransactionGuard tx(c);
    if (code.compare(QLatin1String("NEW"), Qt::CaseInsensitive) == 0) {
        qint64 last = 0; // codes are numbers of three digits; other codes are left alone
        Recordset ids = c.query(QStringLiteral("SELECT MarkupID FROM STATION..tbCLMarkUp"));
        for (; !ids.eof(); ids.moveNext()) {
            bool ok = false;
            const qint64 n = ids.text(QStringLiteral("MarkupID")).trimmed().toLongLong(&ok);
            if (ok) last = qMax(last, n);
        }
        c.execute(QStringLiteral("INSERT INTO STATION..tbCLMarkUp (MarkupID, MarkUp, Description, Status, Operation) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  QVariantList{QStringLiteral("%1").arg(last + 1, 3, 10, QLatin1Char('0'))} + values);
    } else if (c.execute(QStringLiteral("UPDATE STATION..tbCLMarkUp SET MarkUp = ?, Description = ?, Status = ?, "
                                        "Operation = ? WHERE MarkupID = ?"),
                         values + QVariantList{code}) == 0) {
        throw DbError(QStringLiteral("There is no mark up with the code \"%1\".").arg(code));
    }
    tx.commit();
    return {};
}

} // namespace

CATHLAB_PROCEDURE("Station..SearchCLMarkup", searchCLMarkup);
CATHLAB_PROCEDURE("Station..SaveCLMarkupValues", saveCLMarkupValues);
