#include "exam_requests/frmRequest.h"

#include "platform/ui/FlexGrid.h"
#include "shared/orders/ProfileGrid.h"

#include <QVBoxLayout>

frmRequest::frmRequest()
{
    setObjectName(QStringLiteral("frmRequest"));
    auto* layout = new QVBoxLayout(this);
    mshflexEntry = new FlexGrid(this);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    mshflexEntry->setFormatString(QStringLiteral(
        " |<CODE|<DESCRIPTION                                      |<QTY|<AMOUNT|<SECTION|STAT|<REMARKS"));
    mshflexEntry->setCols(14);
    mshflexEntry->setRows(2);
    layout->addWidget(mshflexEntry);

    mshflexProfileList = new FlexGrid(this);
    mshflexProfileList->setObjectName(QStringLiteral("mshflexProfileList"));
    SetUpProfileGrid(*mshflexProfileList);
    mshflexProfileList->hide();
    layout->addWidget(mshflexProfileList);
}
