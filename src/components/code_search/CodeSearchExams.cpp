// The code search's exam lists: laboratory (kind 18), ultrasound (27) and x-ray (29), with the
// class rates of the chosen exam.
#include "components/StationComponents.h"
#include "platform/db/Connection.h"

QVariant CodeSearchRates::rate(const QString& letter) const
{
    const QVariant* rates[] = {&RateA, &RateB, &RateC, &RateD, &RateE, &RateF, &RateG, &RateH};
    if (letter.size() != 1 || letter[0] < QLatin1Char('A') || letter[0] > QLatin1Char('H')) return QVariant();
    return *rates[letter[0].unicode() - 'A'];
}

bool clsCodeSearch::loadRates(CodeSearchRates& record, const QString& table, const QString& where, const QVariantList& params)
{
    const Recordset rs = m_conn->query(
        QStringLiteral("SELECT RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH FROM %1 WHERE %2").arg(table, where),
        params);
    if (rs.isEmpty()) return false;
    QVariant* rates[] = {&record.RateA, &record.RateB, &record.RateC, &record.RateD,
                         &record.RateE, &record.RateF, &record.RateG, &record.RateH};
    for (int i = 0; i < 8; ++i) *rates[i] = rs.valueAt(0, i);
    return true;
}

int clsCodeSearch::exactOrChosenRow(const QString& text, const QString& title, const QStringList& headers,
                                    const QList<QStringList>& rows)
{
    const QString wanted = text.trimmed();
    for (int r = 0; r < rows.size() && !wanted.isEmpty(); ++r)
        if (rows[r][0].compare(wanted, Qt::CaseInsensitive) == 0) return r;
    return chooseRow(title, headers, rows);
}

bool clsCodeSearch::SearchExams(const QString& text, int kind)
{
    Cancelled = false;
    if (!m_conn) return false;
    struct Catalogue {
        const char *table, *key, *name, *title;
    };
    const Catalogue cat = kind == 18   ? Catalogue{"BUILD_FILE..tbCoLabExam", "LabExamID", "LabExam", "Laboratory Exams"}
                          : kind == 29 ? Catalogue{"BUILD_FILE..tbCoXrayExam", "XrayExamID", "XrayExam", "X-ray Exams"}
                                       : Catalogue{"BUILD_FILE..tbCoUltraExam", "UltraExamID", "UltraExam", "Ultrasound Exams"};
    const QString table = QString::fromLatin1(cat.table), key = QString::fromLatin1(cat.key);
    const QString section = kind == 18 ? QStringLiteral("COALESCE(LabSectionID, '')") : QStringLiteral("''");
    const QList<QStringList> rows = listingRows(
        QStringLiteral("SELECT %1, %2, %3 FROM %4 WHERE COALESCE(Status, 'A') = 'A' ORDER BY %2")
            .arg(key, QString::fromLatin1(cat.name), section, table),
        {}, text);
    if (rows.isEmpty()) return false;
    const int chosen =
        exactOrChosenRow(text, QString::fromLatin1(cat.title), {QStringLiteral("Code"), QStringLiteral("Description")}, rows);
    if (chosen < 0) return false;
    const QStringList& row = rows[chosen];
    CodeSearchRates* rates = nullptr;
    if (kind == 18) {
        LabExamRecord = {};
        LabExamRecord.ResultCode = row[0];
        LabExamRecord.LabExam = row[1];
        LabExamRecord.LabSectionID = row[2];
        rates = &LabExamRecord;
    } else if (kind == 29) {
        XrayExamRecord = {};
        XrayExamRecord.ResultCode = row[0];
        XrayExamRecord.XrayExam = row[1];
        rates = &XrayExamRecord;
    } else {
        UltrasoundRecord = {};
        UltrasoundRecord.ResultCode = row[0];
        UltrasoundRecord.UltraExam = row[1];
        rates = &UltrasoundRecord;
    }
    return loadRates(*rates, table, key + QStringLiteral(" = ?"), {row[0]});
}

bool clsCodeSearch::SearchSectionExams(const QString& text, int kind)
{
    Cancelled = false;
    if (!m_conn) return false;
    struct Section {
        int kind;
        const char *section, *title;
        CodeSearchSectionExam* record;
        QString CodeSearchSectionExam::*name;
    };
    const Section sections[] = {{14, "CT", "CT Scan Exams", &CTExamRecord, &CodeSearchSectionExam::CTExam},
                                {17, "HS", "Heart Station Exams", &HSExamRecord, &CodeSearchSectionExam::HSExam},
                                {20, "NU", "Nuclear Medicine Exams", &NuclearExamRecord, &CodeSearchSectionExam::NuclearExam},
                                {23, "PT", "Physical Therapy Exams", &PTExamRecord, &CodeSearchSectionExam::PTExam},
                                {25, "PA", "Pulmonary Exams", &RTSExamRecord, &CodeSearchSectionExam::RTSExam}};
    const Section* s = nullptr;
    for (const Section& one : sections)
        if (one.kind == kind) s = &one;
    if (!s) return false;
    const QString section = QString::fromLatin1(s->section);
    const QList<QStringList> rows = listingRows(
        QStringLiteral("SELECT OtherRevenueID, OtherRevenue FROM BUILD_FILE..TBCOOTHERREVENUE "
                       "WHERE OtherSectionID = ? AND COALESCE(Status, 'A') = 'A' ORDER BY OtherRevenue"),
        {section}, text);
    if (rows.isEmpty()) return false;
    const int chosen =
        exactOrChosenRow(text, QString::fromLatin1(s->title), {QStringLiteral("Code"), QStringLiteral("Description")}, rows);
    if (chosen < 0) return false;
    *s->record = {};
    s->record->ResultCode = rows[chosen][0];
    s->record->*(s->name) = rows[chosen][1];
    return loadRates(*s->record, QStringLiteral("BUILD_FILE..TBCOOTHERREVENUE"), QStringLiteral("OtherSectionID = ? AND OtherRevenueID = ?"),
                     {section, rows[chosen][0]});
}
