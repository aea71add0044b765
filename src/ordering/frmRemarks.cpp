#include "ordering/frmRemarks.h"

#include <QHBoxLayout>

frmRemarks::frmRemarks()
{
    setObjectName(QStringLiteral("frmRemarks"));
    auto* layout = new QHBoxLayout(this);
    Option1[0] = new QRadioButton(QStringLiteral("Routine"), this);
    Option1[1] = new QRadioButton(QStringLiteral("Stat"), this);
    for (QRadioButton* b : Option1) layout->addWidget(b);
    Option1[0]->setChecked(true);
}
