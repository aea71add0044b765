#include "registration/frmMasterSearch.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmMasterSearch::frmMasterSearch()
{
    setWindowTitle(QStringLiteral("Master Patient Search"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The master patient search is not yet available."), this));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close, 0, Qt::AlignRight);
}
