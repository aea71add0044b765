#include "registration/frmRegistration.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmRegistration::frmRegistration()
{
    setWindowTitle(QStringLiteral("Cathlab Registration Entry"));
    auto* layout = new QVBoxLayout(this);
    m_notice = new QLabel(this);
    m_notice->setWordWrap(true);
    layout->addWidget(m_notice);
    const char* captions[] = {"Personal Information", "Hospital Plan", "Admitting Diagnosis", "Gender", "Birth Date",
                              "Attending Physician"};
    QGroupBox** frames[] = {&Frame3, &Frame4, &Frame5, &Frame7, &Frame8, &Frame9};
    for (int i = 0; i < 6; ++i) {
        *frames[i] = new QGroupBox(QString::fromLatin1(captions[i]), this);
        (*frames[i])->setEnabled(false);
        (*frames[i])->hide();
    }
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void frmRegistration::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmRegistration::Form_Load()
{
    m_loaded = true;
    m_notice->setText(QStringLiteral("The registration of department cases is not yet available.\n"
                                     "Hospital number: %1\nAdmission number: %2")
                          .arg(Pno, IDNo));
}
