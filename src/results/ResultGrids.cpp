#include "results/ResultGrids.h"

#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"

namespace ResultGrids {

ResultGridLayout LayoutA(const QString& numberField, bool withMiddleName)
{
    return {9,
            QStringLiteral(" |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       |<DR. Lastname "
                           "|<DR. Firstname |<DR. Middlename |<Interpretation"),
            {1000, 3000, 2000, 2000, 1500, 1500, 1500, 1500},
            {numberField, QStringLiteral("EXAM. NAME"), QStringLiteral("TRANS. DATE"), QStringLiteral("RESULT DATE"),
             QStringLiteral("DR. LASTNAME"), QStringLiteral("DR. FIRSTNAME"),
             withMiddleName ? QStringLiteral("Dr. MiddleName") : QString(), QStringLiteral("Interpretation")}};
}

ResultGridLayout LayoutB()
{
    // The closing separator makes a ninth column with a blank header: the report code of an ECG or
    // pulmonary result, which the double-click reads.
    return {9,
            QStringLiteral(" |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       |<FORM "
                           "|<ATTN. DOCTOR             |<CARDIOLOGIST             |"),
            {1000, 3000, 2000, 2000, 1000, 4000, 4000, 0},
            {QStringLiteral("Request No."), QStringLiteral("EXAMINATION NAME"), QStringLiteral("TRANS. DATE"),
             QStringLiteral("RESULT DATE"), QStringLiteral("Form"), QStringLiteral("ATTN. DOCTOR"), QStringLiteral("CARDIOLOGIST"),
             QStringLiteral("ReportCode")}};
}

ResultGridLayout LayoutC()
{
    return {8,
            QStringLiteral(" |<REF. NO |<REQ. NO |<EXAM. NAME |<RESULT DATE |<RESULT |<INITIALEVALUATION |<ENDORSEMENT "),
            {1000, 1000, 2500, 1200, 2000, 2000, 2000},
            {QStringLiteral("REF. NO"), QStringLiteral("REQ. NO"), QStringLiteral("EXAM. NAME"), QStringLiteral("RESULT DATE"),
             QStringLiteral("result"), QStringLiteral("INITIALEVALUATION"), QStringLiteral("Endorsement")}};
}

ResultGridLayout LayoutD()
{
    return {8,
            QStringLiteral(" |<Exam. No  |<Exam. Name               |<Trans. Date        |<Charge Slip|<Request No.|<Section"
                           "|<File Number"),
            {1000, 3000, 2000, 1000, 1000, 1000, 1000},
            {QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("Request Date/Time"), QStringLiteral("Charge Slip"),
             QStringLiteral("Request No."), QStringLiteral("Section"), QStringLiteral("File Number")}};
}

ResultGridLayout LabList()
{
    return {7,
            QStringLiteral(" |<Request No.|<Result Date/Time  |<Exam. Code  |<Exam. Name               |<Section Name             "
                           "|<Reference"),
            {1000, 2000, 1000, 4000, 2000, 1000},
            {QStringLiteral("RequestNum"), QStringLiteral("Resultdate"), QStringLiteral("LabExamID"), QStringLiteral("LabExam"),
             QStringLiteral("SectionName"), QStringLiteral("Reference")}};
}

void Reset(FlexGrid& grid, const ResultGridLayout& layout)
{
    grid.clearContents();
    grid.setRows(2);
    grid.setCols(layout.cols);
    grid.setFormatString(layout.format);
    grid.setColWidth(0, 1);
    for (int c = 1; c < layout.cols && c - 1 < layout.widthSteps.size(); ++c)
        grid.setColWidth(c, grid.ColWidth(0) + layout.widthSteps[c - 1]);
    for (int c = 0; c < layout.cols; ++c) grid.setTextMatrix(1, c, QString());
}

int Fill(FlexGrid& grid, const ResultGridLayout& layout, const Recordset& rs)
{
    // Row 1 is used once, whatever its first cell holds: a record with an empty number keeps its row.
    bool firstRowUsed = false;
    for (int r = 0; r < rs.recordCount(); ++r) {
        int row = 1;
        if (firstRowUsed) {
            grid.AddItem(QString());
            row = grid.Rows() - 1;
        }
        firstRowUsed = true;
        for (int c = 1; c < layout.cols && c - 1 < layout.fields.size(); ++c) {
            const QString& field = layout.fields[c - 1];
            if (!field.isEmpty()) grid.setTextMatrix(row, c, CellText(rs.valueAt(r, field)));
        }
    }
    return rs.recordCount();
}

QString CellText(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) return QString();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate) {
        const QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0)) return dt.toString(QStringLiteral("MM/dd/yyyy"));
        return dt.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    }
    return DbValue::text(v);
}

QColor LabSectionColour(const QString& sectionName)
{
    struct Entry { const char* name; int r, g, b; };
    static const Entry table[] = {{"BLOOD CHEMISTRY", 255, 192, 192}, {"HEMATOLOGY", 255, 128, 128},
                                  {"SEROLOGY", 255, 128, 0},          {"HISTOPATHOLOGY", 255, 255, 128},
                                  {"MICBIOLOGY", 128, 255, 128},      {"BLOOD BANK", 128, 255, 255},
                                  {"VIROLOGY", 128, 128, 255},        {"CLINICAL MICROSCOPY", 255, 128, 255}};
    const QString name = sectionName.trimmed();
    for (const Entry& e : table)
        if (name == QLatin1String(e.name)) return QColor(e.r, e.g, e.b);
    return QColor();
}

QString DoctorName(const QString& last, const QString& first, const QString& middle)
{
    return last + QStringLiteral(" , ") + first + QLatin1Char(' ') + middle;
}

} // namespace ResultGrids
