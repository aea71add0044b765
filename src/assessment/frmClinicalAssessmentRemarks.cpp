#include "assessment/frmClinicalAssessmentRemarks.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ExamOrderChecks.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kMaxRemarks = 100;
}

frmClinicalAssessmentRemarks::frmClinicalAssessmentRemarks(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmClinicalAssessmentRemarks"));
    setWindowTitle(QStringLiteral("Entry for Clinical Assessment Remarks and Lab Specimen"));
    auto* g = new QGridLayout(this);

    fraSpecimen = new QFrame(this);
    fraSpecimen->setObjectName(QStringLiteral("fraSpecimen"));
    auto* fs = new QHBoxLayout(fraSpecimen);
    fs->setContentsMargins(0, 0, 0, 0);
    lblSpecimen[0] = new QLabel(QStringLiteral("Specimen"), fraSpecimen);
    lblSpecimen[1] = new QLabel(fraSpecimen);
    lblSpecimen[1]->setObjectName(QStringLiteral("lblSpecimen1"));
    lblSpecimen[1]->setFrameShape(QFrame::Box);
    lblSpecimen[1]->setAutoFillBackground(true);
    lblSpecimen[1]->setStyleSheet(QStringLiteral("background: white"));
    lblSpecimen[1]->setMinimumWidth(220);
    cmdSpecimen = new QToolButton(fraSpecimen);
    cmdSpecimen->setObjectName(QStringLiteral("cmdSpecimen"));
    cmdSpecimen->setText(QStringLiteral("..."));
    fs->addWidget(lblSpecimen[0]);
    fs->addWidget(lblSpecimen[1], 1);
    fs->addWidget(cmdSpecimen);
    g->addWidget(fraSpecimen, 0, 0, 1, 2);

    lblSpecimen[2] = new QLabel(QStringLiteral("Remarks"), this);
    txtRemarks = new QPlainTextEdit(this);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtRemarks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtRemarks->setFixedHeight(80);
    g->addWidget(lblSpecimen[2], 1, 0, 1, 2);
    g->addWidget(txtRemarks, 2, 0, 1, 2);

    cmdOption = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOption->setObjectName(QStringLiteral("cmdOption"));
    cmdOption->setAutoDefault(false);
    g->addWidget(cmdOption, 3, 1, Qt::AlignRight);

    // The specimen panel floats over the dialog's lower part.
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setAutoFillBackground(true);
    auto* pl = new QVBoxLayout(Picture1);
    lblHeading = new QLabel(QStringLiteral("Click on the list to Select a Specimen"), Picture1);
    mshflexSpecimen = new FlexGrid(Picture1);
    mshflexSpecimen->setObjectName(QStringLiteral("mshflexSpecimen"));
    pl->addWidget(lblHeading);
    pl->addWidget(mshflexSpecimen);
    setMinimumSize(440, 260);
    Picture1->setGeometry(120, 40, 260, 170);
    Picture1->hide();

    connect(cmdSpecimen, &QToolButton::clicked, this, &frmClinicalAssessmentRemarks::cmdSpecimen_Click);
    connect(mshflexSpecimen, &QTableWidget::cellClicked, this, &frmClinicalAssessmentRemarks::mshflexSpecimen_Click);
    connect(cmdOption, &QPushButton::clicked, this, &frmClinicalAssessmentRemarks::cmdOption_Click);
    connect(txtRemarks, &QPlainTextEdit::textChanged, this, &frmClinicalAssessmentRemarks::limitRemarks);
    layOutSpecimenList();
}

bool frmClinicalAssessmentRemarks::isLaboratory() const { return DeptID == QLatin1String("LB"); }

// At most 100 characters: what goes beyond is cut as it is typed or pasted.
void frmClinicalAssessmentRemarks::limitRemarks()
{
    const QString text = txtRemarks->toPlainText();
    if (text.size() <= kMaxRemarks) return;
    const QSignalBlocker block(txtRemarks);
    txtRemarks->setPlainText(text.left(kMaxRemarks));
    txtRemarks->moveCursor(QTextCursor::End);
}

bool frmClinicalAssessmentRemarks::ShowModal()
{
    m_accepted = false;
    Form_Load();
    runModal(this);
    if (!m_accepted) DialogAnswers.resetAssessmentRemarks(); // closed by its frame: cancelled
    return m_accepted;
}

void frmClinicalAssessmentRemarks::layOutSpecimenList() { LayOutSpecimenList(*mshflexSpecimen); }

void frmClinicalAssessmentRemarks::Form_Load()
{
    m_specimenCode.clear();
    m_severalSpecimens = false;
    DialogAnswers.resetAssessmentRemarks();
    lblSpecimen[1]->setEnabled(true);
    cmdSpecimen->setEnabled(true);
    lblSpecimen[1]->clear();
    txtRemarks->clear();
    layOutSpecimenList();
    Picture1->hide();
    if (!isLaboratory()) {
        fraSpecimen->setEnabled(false);
        return;
    }
    fraSpecimen->setEnabled(true);
    try {
        const QString description = GetSingleSpecimen(SharedConnection(), ExamID.trimmed(), m_specimenCode);
        m_severalSpecimens = DialogAnswers.HasSeveralSpecimens;
        lblSpecimen[1]->setText(description);
        DialogAnswers.AssessmentSpecimen = m_specimenCode;
        cmdSpecimen_Click();
    } catch (const std::exception& e) {
        // Nothing chosen: "&Ok" asks for a specimen until one is clicked.
        ShowErrorNotice(e);
    }
}

void frmClinicalAssessmentRemarks::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtRemarks->setFocus();
}

void frmClinicalAssessmentRemarks::Form_Activate()
{
    if (isLaboratory()) cmdSpecimen_Click();
}

void frmClinicalAssessmentRemarks::cmdSpecimen_Click()
{
    layOutSpecimenList();
    if (!m_severalSpecimens) {
        Picture1->hide();
        return;
    }
    try {
        FillSpecimenList(SharedConnection(), ExamID, *mshflexSpecimen);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    Picture1->show();
    Picture1->raise();
}

void frmClinicalAssessmentRemarks::mshflexSpecimen_Click()
{
    const int row = mshflexSpecimen->currentRow();
    if (row < 1) return;
    DialogAnswers.AssessmentSpecimen = mshflexSpecimen->TextMatrix(row, 1);
    lblSpecimen[1]->setText(mshflexSpecimen->TextMatrix(row, 2));
    Picture1->hide();
}

void frmClinicalAssessmentRemarks::Form_Click()
{
    if (Picture1->isVisible()) Picture1->hide();
}

void frmClinicalAssessmentRemarks::mousePressEvent(QMouseEvent* event)
{
    Form_Click();
    QDialog::mousePressEvent(event);
}

void frmClinicalAssessmentRemarks::cmdOption_Click()
{
    if (isLaboratory() && (DialogAnswers.AssessmentSpecimen.isEmpty() || lblSpecimen[1]->text().isEmpty())) {
        MsgBox(QStringLiteral("Please Select Specimen!"), vbExclamation, QStringLiteral("Notification"));
        cmdSpecimen_Click();
        return;
    }
    const QString remarks = txtRemarks->toPlainText().trimmed();
    if (!remarks.isEmpty()) {
        QString one = remarks;
        one.replace(QLatin1Char('\''), QLatin1Char('`'));
        one.replace(QLatin1Char('\r'), QLatin1Char(' '));
        one.replace(QLatin1Char('\n'), QLatin1Char(' '));
        DialogAnswers.AssessmentRemarks = one;
    }
    ExamID.clear();
    DeptID.clear();
    m_accepted = true;
    accept();
}
