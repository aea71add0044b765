#include "workspace/frmFinal.h"

#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"
#include "shared/orders/ProfileGrid.h"

#include <QVBoxLayout>

frmFinal::frmFinal()
{
    setObjectName(QStringLiteral("frmFinal"));
    // The halves of the pending-request notice of the exam checks.
    PendingExamMessageHead = QStringLiteral("The same exam had been requested at...");
    PendingExamMessageTail = QStringLiteral("   and it is Pending...");

    auto* layout = new QVBoxLayout(this);
    mshflexOrders = new FlexGrid(this);
    mshflexOrders->setObjectName(QStringLiteral("mshflexOrders"));
    mshflexOrders->setCols(18);
    mshflexOrders->setRows(2);
    layout->addWidget(mshflexOrders);

    mshflexProfileList = new FlexGrid(this);
    mshflexProfileList->setObjectName(QStringLiteral("mshflexProfileList"));
    SetUpProfileGrid(*mshflexProfileList);
    mshflexProfileList->hide();
    layout->addWidget(mshflexProfileList);

    lstListLaboratory = new QListWidget(this);
    lstListLaboratory->setObjectName(QStringLiteral("lstListLaboratory"));
    layout->addWidget(lstListLaboratory);
}
