// The code search's pick lists (the kinds the program uses) and the key filter's upper-casing.
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"

int KeyPress::AllUppers(int keyAscii)
{
    if (keyAscii <= 0 || keyAscii > 0xFFFF) return keyAscii;
    const QChar upper = QChar(char16_t(keyAscii)).toUpper();
    return upper.unicode() > 0xFF && keyAscii <= 0xFF ? keyAscii : upper.unicode();
}

namespace {
bool startsWith(const QString& value, const QString& text) { return value.startsWith(text, Qt::CaseInsensitive); }
}

bool clsCodeSearch::SearchListing(const QString& text, int kind)
{
    Cancelled = false;
    if (kind == 6) return SearchDiets(text);
    if (kind == 21) return SearchOtherRevenue(text);
    if (kind != 1 || !m_conn) return false;
    const QString wanted = text.trimmed();
    Recordset rs;
    try {
        rs = m_conn->query(QStringLiteral("SELECT DoctorID, LastName, FirstName, MiddleName, Specialization "
                                          "FROM BUILD_FILE..tbCoDoctor WHERE COALESCE(Status, 'A') = 'A' "
                                          "ORDER BY LastName, FirstName, DoctorID"));
    } catch (const DbError& e) {
        MsgBox(e.description(), vbCritical, QStringLiteral("Warning"));
        return false;
    }
    QList<QStringList> rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QStringList row;
        for (int c = 0; c < 5; ++c) row << DbValue::text(rs.valueAt(r, c)).trimmed();
        if (!wanted.isEmpty() && row[0].compare(wanted, Qt::CaseInsensitive) == 0) { rows = {row}; break; }
        const QString fullName = row[1] + QStringLiteral(", ") + row[2];
        if (wanted.isEmpty() || startsWith(row[0], wanted) || startsWith(row[1], wanted) || startsWith(fullName, wanted))
            rows << row;
    }
    if (rows.isEmpty()) return false;
    int chosen = 0;
    const bool exact = !wanted.isEmpty() && rows.size() == 1 && rows[0][0].compare(wanted, Qt::CaseInsensitive) == 0;
    if (!exact) {
        frmCodeSearchList list(QStringLiteral("Doctors"),
                               {QStringLiteral("Code"), QStringLiteral("Last Name"), QStringLiteral("First Name"),
                                QStringLiteral("Middle Name"), QStringLiteral("Specialization")},
                               rows);
        runModal(&list);
        chosen = list.ChosenRow;
        if (chosen < 0) {
            Cancelled = true;
            return false;
        }
    }
    const QStringList& row = rows[chosen];
    DoctorRecord = {row[0], row[1], row[2], row[3]};
    return true;
}
