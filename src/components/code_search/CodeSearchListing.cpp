// The code search's pick lists (the kinds the program uses).
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"

QList<QStringList> clsCodeSearch::listingRows(const QString& sql, const QVariantList& params, const QString& text,
                                              int nameColumn)
{
    const Recordset rs = m_conn->query(sql, params);
    const QString wanted = text.trimmed();
    const auto startsWith = [&wanted](const QString& value) { return value.startsWith(wanted, Qt::CaseInsensitive); };
    QList<QStringList> rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QStringList row;
        for (int c = 0; c < rs.fieldCount(); ++c) row << DbValue::text(rs.valueAt(r, c)).trimmed();
        if (wanted.isEmpty() || startsWith(row[0]) || startsWith(row[nameColumn])) rows << row;
    }
    return rows;
}

int clsCodeSearch::chooseRow(const QString& title, const QStringList& headers, const QList<QStringList>& rows)
{
    frmCodeSearchList list(title, headers, rows);
    runModal(&list);
    if (list.ChosenRow < 0) Cancelled = true;
    return list.ChosenRow;
}

bool clsCodeSearch::SearchListing(const QString& text, int kind)
{
    Cancelled = false;
    if (kind == 6) return SearchDiets(text);
    if (kind == 10) return SearchStations(text);
    if (kind == 16) return SearchDosages(text);
    if (kind == 0 || kind == 2 || kind == 3 || kind == 7) return SearchRegistrationCodes(text, kind);
    if (kind == 21) return SearchOtherRevenue(text);
    if (kind == 18 || kind == 27 || kind == 29) return SearchExams(text, kind);
    if (kind == 14 || kind == 17 || kind == 20 || kind == 23 || kind == 25) return SearchSectionExams(text, kind);
    if (kind != 1 || !m_conn) return false;
    const QString wanted = text.trimmed();
    QList<QStringList> rows = listingRows(QStringLiteral("SELECT DoctorID, LastName, FirstName, MiddleName, Specialization "
                                                         "FROM BUILD_FILE..tbCoDoctor WHERE COALESCE(Status, 'A') = 'A' "
                                                         "ORDER BY LastName, FirstName, DoctorID"),
                                          {}, QString());
    // A doctor is found by the start of the code, of the last name or of "last, first"; the exact
    // code alone is taken without a list.
    QList<QStringList> found;
    for (const QStringList& row : rows) {
        if (!wanted.isEmpty() && row[0].compare(wanted, Qt::CaseInsensitive) == 0) {
            found = {row};
            break;
        }
        const QString fullName = row[1] + QStringLiteral(", ") + row[2];
        if (wanted.isEmpty() || row[0].startsWith(wanted, Qt::CaseInsensitive) || row[1].startsWith(wanted, Qt::CaseInsensitive) ||
            fullName.startsWith(wanted, Qt::CaseInsensitive))
            found << row;
    }
    if (found.isEmpty()) return false;
    const bool exact = !wanted.isEmpty() && found.size() == 1 && found[0][0].compare(wanted, Qt::CaseInsensitive) == 0;
    const int chosen = exact ? 0
                             : chooseRow(QStringLiteral("Doctors"),
                                         {QStringLiteral("Code"), QStringLiteral("Last Name"), QStringLiteral("First Name"),
                                          QStringLiteral("Middle Name"), QStringLiteral("Specialization")},
                                         found);
    if (chosen < 0) return false;
    const QStringList& row = found[chosen];
    DoctorRecord = {row[0], row[1], row[2], row[3]};
    return true;
}

bool clsCodeSearch::SearchDosages(const QString& text)
{
    Cancelled = false;
    if (!m_conn) return false;
    const QList<QStringList> rows = listingRows(QStringLiteral("SELECT DosageID, Dosage, COALESCE(Frequency, 0) AS Frequency "
                                                               "FROM BUILD_FILE..tbCoDosage WHERE COALESCE(Status, 'A') = 'A' "
                                                               "ORDER BY DosageID"),
                                                {}, text);
    if (rows.isEmpty()) return false;
    const int chosen = exactOrChosenRow(text, QStringLiteral("Dosages"),
                                        {QStringLiteral("Code"), QStringLiteral("Dosage"), QStringLiteral("Frequency")}, rows);
    if (chosen < 0) return false;
    DosageRecord = {rows[chosen][0], rows[chosen][1], rows[chosen][2]};
    return true;
}
