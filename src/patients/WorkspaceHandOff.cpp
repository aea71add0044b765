#include "patients/WorkspaceHandOff.h"

#include "patients/MainWindowLinks.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QLineEdit>
#include <QTabWidget>

namespace WorkspaceHandOff {

namespace {
frmFinal* write(const QString& hospNum, const QString& idNum)
{
    WorkspacePages.markAllStale();
    // Writing the hospital number creates and loads the workspace when it is not open.
    frmFinal* w = frmFinal::instance();
    w->txtPno->setText(hospNum);
    w->txtID->setText(idNum);
    return w;
}
}

void OpenFromList(const QString& hospNum, const QString& idNum)
{
    frmFinal* w = write(hospNum, idNum);
    MainWindowLinks::ShowChild(w);
    w->tabSSTab1->setCurrentIndex(0);
    MainWindowLinks::ShowChild(w);
}

void OpenOnTab(const QString& hospNum, const QString& idNum, int tab)
{
    frmFinal* w = write(hospNum, idNum);
    w->tabSSTab1->setCurrentIndex(tab);
    MainWindowLinks::ShowChild(w);
}

} // namespace WorkspaceHandOff
