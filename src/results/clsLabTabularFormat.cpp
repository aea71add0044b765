#include "results/clsLabTabularFormat.h"

#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"

#include <QPalette>

namespace {
constexpr const char* kDayFormat = "MM/dd/yy";

void layOut(FlexGrid& grid, int days, int rows)
{
    grid.clearContents();
    grid.setFixedCols(0);
    grid.setRows(rows);
    grid.setCols(days + 3);
    grid.setFixedCols(2);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < days + 3; ++c) grid.setTextMatrix(r, c, QString());
    grid.setColWidth(0, 3500);
    grid.setColWidth(1, 2000);
    grid.setColWidth(days + 2, 0);
}
}

void clsLabTabularFormat::Load_Results(FlexGrid* grid)
{
    Load_Results(grid, SharedConnection());
}

void clsLabTabularFormat::Load_Results(FlexGrid* grid, Connection& c)
{
    const QString admission = AdmissionNumber.trimmed();
    m_days.clear();
    const Recordset span = c.call(QStringLiteral("STATION..sp_Nurse_GetPatient_LabResult_MaxCol"), {admission});
    int days = 0;
    QDate start;
    if (!span.isEmpty()) {
        days = qMax(0, span.toInt(QStringLiteral("maxcol")));
        start = span.toDate(QStringLiteral("StartDate"));
    }
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_GetPatient_LabResult_NormalValues"), {admission});
    const int last = days + 2;
    if (rs.isEmpty()) {
        layOut(*grid, days, 3);
    } else {
        layOut(*grid, days, 2);
        // Day headers come from the dates themselves; a start date that is no real day names none.
        const bool dated = start.isValid() && start.toString(QLatin1String(kDayFormat)) != QLatin1String("01/01/00");
        for (int i = 0; i < days; ++i) {
            grid->setColWidth(2 + i, 800);
            m_days.append(dated ? start.addDays(i) : QDate());
            if (dated) grid->setTextMatrix(0, 2 + i, start.addDays(i).toString(QLatin1String(kDayFormat)));
        }
        grid->setTextMatrix(0, 0, QStringLiteral("             EXAMINATION"));
        grid->setTextMatrix(0, 1, QStringLiteral("NORMAL VALUES"));

        QString section;
        bool sectionWritten = false;
        QString previousExam;
        int examRow = -1;
        grid->setRows(1);
        for (int r = 0; r < rs.recordCount(); ++r) {
            const QString rowSection = rs.textAt(r, QStringLiteral("Section")).trimmed();
            if (r == 0 || rowSection != section) {
                section = rowSection;
                sectionWritten = false;
                previousExam.clear(); // an examination of the next section starts a row of its own
            }
            if (!sectionWritten) {
                grid->AddItem();
                grid->setTextMatrix(grid->Rows() - 1, 0, section);
                sectionWritten = true;
            }
            QPalette p = grid->palette();
            p.setColor(QPalette::Base, QColor(255, 192, 192));
            grid->setPalette(p);

            const QString exam = rs.textAt(r, QStringLiteral("Exam"));
            const QString result = rs.textAt(r, QStringLiteral("result")).trimmed();
            const QDate day = DbValue::toDateTime(rs.valueAt(r, QStringLiteral("Resultdate"))).date();
            if (examRow > 0 && exam == previousExam) {
                grid->setTextMatrix(examRow, 0, QLatin1Char(' ') + exam);
                grid->setTextMatrix(examRow, 1, rs.textAt(r, QStringLiteral("NormalValue")).trimmed());
            } else {
                previousExam = exam;
                grid->AddItem();
                examRow = grid->Rows() - 1;
                grid->setTextMatrix(examRow, 0, QLatin1Char(' ') + exam);
                grid->setTextMatrix(examRow, 1, rs.textAt(r, QStringLiteral("NormalValue")));
                grid->setTextMatrix(examRow, last, rs.textAt(r, QStringLiteral("LabExamID")));
            }
            for (int i = 0; i < m_days.size(); ++i) {
                if (!m_days[i].isValid() || m_days[i] != day) continue;
                const QString now = grid->TextMatrix(examRow, 2 + i).trimmed();
                grid->setTextMatrix(examRow, 2 + i, now.isEmpty() ? result : now + QStringLiteral(", ") + result);
            }
        }
    }
    // Days on which no result falls keep their column, hidden.
    for (int col = 2; col <= last; ++col) {
        bool empty = true;
        for (int r = 1; r < grid->Rows() && empty; ++r) empty = grid->TextMatrix(r, col).isEmpty();
        if (empty) grid->setColWidth(col, 0);
    }
}
