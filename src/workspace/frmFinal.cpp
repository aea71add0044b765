#include "workspace/frmFinal.h"

#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"
#include "shared/orders/ProfileGrid.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

frmFinal::frmFinal()
{
    setObjectName(QStringLiteral("frmFinal"));
    setWindowTitle(QStringLiteral("Clinical Procedure"));
    // The halves of the pending-request notice of the exam checks.
    PendingExamMessageHead = QStringLiteral("The same exam had been requested at...");
    PendingExamMessageTail = QStringLiteral("   and it is Pending...");

    auto* layout = new QVBoxLayout(this);
    auto* header = new QFormLayout;
    txtPno = new QLineEdit(this);
    txtID = new QLineEdit(this);
    for (QLineEdit* box : {txtPno, txtID}) box->setReadOnly(true);
    header->addRow(QStringLiteral("Hospital#"), txtPno);
    header->addRow(QStringLiteral("Adm. No."), txtID);
    layout->addLayout(header);
    m_patient = new QLabel(this);
    layout->addWidget(m_patient);
    connect(txtPno, &QLineEdit::textChanged, this, &frmFinal::showNumbers);
    connect(txtID, &QLineEdit::textChanged, this, &frmFinal::showNumbers);

    tabSSTab1 = new QTabWidget(this);
    const char* captions[] = {"&Send Requests", "Nurses Activity Request", "&View  Results", "Vita&L Signs",
                              "&Nurses Notes", "Patient Pro&File", "&Clinical Summary", "Schedule Operation"};
    for (const char* caption : captions) tabSSTab1->addTab(new QWidget(tabSSTab1), QString::fromLatin1(caption));
    layout->addWidget(tabSSTab1, 1);

    auto* ordering = new QVBoxLayout(tabSSTab1->widget(0));
    mshflexOrders = new FlexGrid(this);
    mshflexOrders->setObjectName(QStringLiteral("mshflexOrders"));
    mshflexOrders->setCols(18);
    mshflexOrders->setRows(2);
    ordering->addWidget(mshflexOrders);

    mshflexProfileList = new FlexGrid(this);
    mshflexProfileList->setObjectName(QStringLiteral("mshflexProfileList"));
    SetUpProfileGrid(*mshflexProfileList);
    mshflexProfileList->hide();
    ordering->addWidget(mshflexProfileList);

    lstListLaboratory = new QListWidget(this);
    lstListLaboratory->setObjectName(QStringLiteral("lstListLaboratory"));
    ordering->addWidget(lstListLaboratory);
}

void frmFinal::showNumbers()
{
    m_patient->setText(QStringLiteral("Patient %1, admission %2").arg(txtPno->text(), txtID->text()));
}
