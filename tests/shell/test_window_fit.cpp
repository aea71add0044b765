// The windows fit a 1440 by 900 screen: what their layouts need at the least is no more than the
// main window's child area (a child window) or the screen less its bars (a window of its own).
#include "shell/ShellTest.h"

#include "assessment/frmAssessmentClinical.h"
#include "assessment/frmCashAssessment.h"
#include "charging/frmCharge.h"
#include "platform/ui/FlexGrid.h"
#include "exam_requests/frmCommunication.h"
#include "procedure_report/frmAngiogram.h"
#include "receivables/frmSearchRecievable.h"
#include "registration/frmCathlabSched.h"
#include "procedure_report/frmHeartDiagram.h"
#include "shared/oxygen/frmPSIReading.h"
#include "workspace/frmFinal.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <functional>
#include <memory>

namespace {

// A 1440 by 900 screen: the child area below the menu and toolbar and above the status bar, and
// the room a window of its own has inside its frame above a task bar.
constexpr QSize kChildArea(1440, 790);
constexpr QSize kOwnWindow(1430, 820);

class WindowFit : public ShellTest {};

TEST_F(WindowFit, EveryWindowFitsTheScreen)
{
    struct Case {
        const char* name;
        std::function<QWidget*()> make;
        QSize room;
    };
    const Case cases[] = {
        {"frmCharge", [] { return static_cast<QWidget*>(frmCharge::instance()); }, kChildArea},
        {"frmFinal", [] { return static_cast<QWidget*>(frmFinal::instance()); }, kChildArea},
        {"frmAssessmentClinical", [] { return static_cast<QWidget*>(frmAssessmentClinical::instance()); }, kChildArea},
        {"frmCashAssessment", [] { return static_cast<QWidget*>(frmCashAssessment::instance()); }, kChildArea},
        {"frmAngiogram", [] { return static_cast<QWidget*>(frmAngiogram::instance()); }, kOwnWindow},
        {"frmHeartDiagram", [] { return static_cast<QWidget*>(frmHeartDiagram::instance()); }, kOwnWindow},
        {"frmPSIReading", [] { return static_cast<QWidget*>(frmPSIReading::instance()); }, kOwnWindow},
    };
    for (const Case& c : cases) {
        QWidget* w = c.make();
        w->ensurePolished();
        if (w->layout()) w->layout()->activate();
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(least.width(), c.room.width()) << c.name;
        EXPECT_LE(least.height(), c.room.height()) << c.name;
        delete w;
    }
}

// Lists show their captions and values whole: admission numbers, dates, amounts.
TEST_F(WindowFit, ListsShowTheirCaptionsAndValuesWhole)
{
    setParameter(QStringLiteral("EnableCLSched"), QStringLiteral("1"));
    struct Case {
        const char* name;
        std::function<std::shared_ptr<QDialog>()> make;
        std::function<FlexGrid*(QDialog*)> grid;
        std::function<void(QDialog*)> fill = [](QDialog*) {};
    };
    const Case cases[] = {
        {"schedule, pending", [] { return std::make_shared<frmCathlabSched>(); }, [](QDialog* d) { return static_cast<frmCathlabSched*>(d)->grdPending; }},
        {"schedule, confirmed", [] { return std::make_shared<frmCathlabSched>(); }, [](QDialog* d) { return static_cast<frmCathlabSched*>(d)->grdConfirmed; }},
        {"communication list", [] { return std::make_shared<frmCommunication>(); }, [](QDialog* d) { return static_cast<frmCommunication*>(d)->mfgrdPatient; }},
        {"receivable search",
         [] { return std::shared_ptr<QDialog>(frmSearchRecievable::instance(), [](QDialog*) { frmSearchRecievable::Unload(); }); },
         [](QDialog* d) { return static_cast<frmSearchRecievable*>(d)->MSHFlexList; },
         [](QDialog* d) {
             auto* s = static_cast<frmSearchRecievable*>(d);
             s->txtSearch[0]->setText(QStringLiteral("M"));
             s->Command1->click();
         }},
    };
    for (const Case& c : cases) {
        const std::shared_ptr<QDialog> d = c.make();
        d->show();
        c.fill(d.get());
        FlexGrid* g = c.grid(d.get());
        const int margin = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
        QFont bold = g->font();
        bold.setBold(true);
        int shown = 0;
        for (int col = 0; col < g->Cols(); ++col) {
            if (g->isColumnHidden(col) || g->columnWidth(col) <= 1) continue;
            for (int row = 0; row < g->Rows(); ++row) {
                const QString text = g->TextMatrix(row, col);
                const int needed = QFontMetrics(row == 0 ? bold : g->font()).horizontalAdvance(text) + margin;
                EXPECT_GE(g->columnWidth(col), needed) << c.name << ": \"" << text.toStdString() << "\"";
                shown += row > 0 && !text.isEmpty();
            }
        }
        EXPECT_GT(shown, 0) << c.name << ": a list with values shows what it cuts";
    }
}

} // namespace
