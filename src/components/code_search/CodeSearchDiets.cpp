// The code search's diet list (kind 6) and other-revenue list (kind 21).
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"

bool clsCodeSearch::SearchDiets(const QString& text)
{
    Cancelled = false;
    if (!m_conn) return false;
    const QString wanted = text.trimmed();
    Recordset rs;
    try {
        rs = m_conn->query(QStringLiteral("SELECT DietID, Diet, Remarks FROM BUILD_FILE..tbCoDiet ORDER BY Diet"));
    } catch (const DbError& e) {
        MsgBox(e.description(), vbCritical, QStringLiteral("Warning"));
        return false;
    }
    QList<QStringList> rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QStringList row;
        for (int c = 0; c < 3; ++c) row << DbValue::text(rs.valueAt(r, c)).trimmed();
        if (wanted.isEmpty() || row[0].startsWith(wanted, Qt::CaseInsensitive) || row[1].startsWith(wanted, Qt::CaseInsensitive))
            rows << row;
    }
    if (rows.isEmpty()) return false;
    frmCodeSearchList list(QStringLiteral("Diets"), {QStringLiteral("Code"), QStringLiteral("Diet"), QStringLiteral("Remarks")}, rows);
    runModal(&list);
    if (list.ChosenRow < 0) {
        Cancelled = true;
        return false;
    }
    const QStringList& row = rows[list.ChosenRow];
    DietRecord = {row[0], row[1], row[2]};
    return true;
}

bool clsCodeSearch::SearchOtherRevenue(const QString& text)
{
    Cancelled = false;
    if (!m_conn) return false;
    const QString wanted = text.trimmed();
    Recordset rs;
    try {
        rs = m_conn->query(QStringLiteral("SELECT OtherRevenueID, OtherRevenue FROM BUILD_FILE..TBCOOTHERREVENUE "
                                          "WHERE OtherSectionID = ? AND COALESCE(Status, 'A') = 'A' ORDER BY OtherRevenue"),
                           {OtherSectionID});
    } catch (const DbError& e) {
        MsgBox(e.description(), vbCritical, QStringLiteral("Warning"));
        return false;
    }
    QList<QStringList> rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QStringList row{DbValue::text(rs.valueAt(r, 0)).trimmed(), DbValue::text(rs.valueAt(r, 1)).trimmed()};
        if (wanted.isEmpty() || row[0].startsWith(wanted, Qt::CaseInsensitive) || row[1].startsWith(wanted, Qt::CaseInsensitive))
            rows << row;
    }
    if (rows.isEmpty()) return false;
    frmCodeSearchList list(QStringLiteral("Procedures"), {QStringLiteral("Code"), QStringLiteral("Description")}, rows);
    runModal(&list);
    if (list.ChosenRow < 0) {
        Cancelled = true;
        return false;
    }
    OtherRevenueRecord = {rows[list.ChosenRow][0], rows[list.ChosenRow][1]};
    return true;
}
