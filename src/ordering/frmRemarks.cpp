#include "ordering/frmRemarks.h"

#include "shared/modGlobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

frmRemarks::frmRemarks()
{
    setObjectName(QStringLiteral("frmRemarks"));
    setWindowTitle(QStringLiteral("Remarks Entry"));
    auto* layout = new QHBoxLayout(this);
    Option1[0] = new QRadioButton(QStringLiteral("Routine"), this);
    Option1[1] = new QRadioButton(QStringLiteral("Stat"), this);
    for (QRadioButton* b : Option1) layout->addWidget(b);
    Option1[0]->setChecked(true);
    lblSpecimen[0] = new QLabel(this);
    lblSpecimen[1] = new QLabel(QStringLiteral("Specimen"), this);
    cmdSpecimen = new QPushButton(QStringLiteral("..."), this);
    Command1 = new QPushButton(QStringLiteral("&Enter"), this);
    for (QWidget* w : {static_cast<QWidget*>(lblSpecimen[1]), static_cast<QWidget*>(cmdSpecimen),
                       static_cast<QWidget*>(Command1)})
        layout->addWidget(w);
    connect(Command1, &QPushButton::clicked, this, &frmRemarks::Command1_Click);
    DialogAnswers.ExamOrderRemarks.clear();
    DialogAnswers.ExamOrderAMPickUp = false;
}

void frmRemarks::Command1_Click()
{
    DialogAnswers.ExamOrderStat = Option1[1]->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    ExamID.clear();
    DeptID.clear();
    accept();
}
