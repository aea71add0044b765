// The windows fit a 1440 by 900 screen: what their layouts need at the least is no more than the
// main window's child area (a child window) or the screen less its bars (a window of its own).
#include "shell/ShellTest.h"

#include "assessment/frmAssessmentClinical.h"
#include "assessment/frmCashAssessment.h"
#include "charging/frmCharge.h"
#include "procedure_report/frmAngiogram.h"
#include "procedure_report/frmHeartDiagram.h"
#include "shared/oxygen/frmPSIReading.h"
#include "workspace/frmFinal.h"

#include <QLayout>
#include <functional>

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

} // namespace
