#include "workspace/frmFinal.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

frmFinal::frmFinal()
{
    setWindowTitle(QStringLiteral("Clinical Procedure"));
    auto* layout = new QVBoxLayout(this);
    auto* header = new QFormLayout;
    txtPno = new QLineEdit(this);
    txtID = new QLineEdit(this);
    for (QLineEdit* box : {txtPno, txtID}) box->setReadOnly(true);
    header->addRow(QStringLiteral("Hospital#"), txtPno);
    header->addRow(QStringLiteral("Adm. No."), txtID);
    layout->addLayout(header);
    tabSSTab1 = new QTabWidget(this);
    const char* captions[] = {"&Send Requests", "Nurses Activity Request", "&View  Results", "Vita&L Signs",
                              "&Nurses Notes", "Patient Pro&File", "&Clinical Summary", "Schedule Operation"};
    for (const char* caption : captions) tabSSTab1->addTab(new QWidget(tabSSTab1), QString::fromLatin1(caption));
    layout->addWidget(tabSSTab1, 1);
    m_patient = new QLabel(this);
    m_patient->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_patient);
    connect(txtPno, &QLineEdit::textChanged, this, &frmFinal::showNumbers);
    connect(txtID, &QLineEdit::textChanged, this, &frmFinal::showNumbers);
}

void frmFinal::showNumbers()
{
    m_patient->setText(QStringLiteral("Patient %1, admission %2").arg(txtPno->text(), txtID->text()));
}
