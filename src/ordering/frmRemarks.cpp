#include "ordering/frmRemarks.h"

#include "components/StationComponents.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "platform/db/Connection.h"
#include "platform/ui/TextLimit.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ExamOrderChecks.h"
#include "shared/patient/PatientContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {
constexpr int kMaxText = 100;
}

frmRemarks::frmRemarks()
{
    setObjectName(QStringLiteral("frmRemarks"));
    setWindowTitle(QStringLiteral("Remarks Entry"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* g = new QGridLayout(this);
    lblExam = new QLabel(QStringLiteral("Examination Type"), this);
    Option1[0] = new QRadioButton(QStringLiteral("Routine"), this);
    Option1[1] = new QRadioButton(QStringLiteral("Stat"), this);
    Option1[0]->setChecked(true);
    chkAMPickUp = new QCheckBox(QStringLiteral("In AM Pick UP"), this);
    chkAMPickUp->setObjectName(QStringLiteral("chkAMPickUp"));
    g->addWidget(lblExam, 0, 0);
    g->addWidget(Option1[0], 0, 1);
    g->addWidget(Option1[1], 0, 2);
    g->addWidget(chkAMPickUp, 0, 3);

    fraSpecimen = new QFrame(this);
    auto* fs = new QHBoxLayout(fraSpecimen);
    fs->setContentsMargins(0, 0, 0, 0);
    lblSpecimen[0] = new QLabel(QStringLiteral("Specimen"), fraSpecimen);
    lblSpecimen[1] = new QLabel(fraSpecimen);
    lblSpecimen[1]->setObjectName(QStringLiteral("lblSpecimen1"));
    lblSpecimen[1]->setFrameShape(QFrame::Box);
    lblSpecimen[1]->setAutoFillBackground(true);
    lblSpecimen[1]->setStyleSheet(QStringLiteral("background: white"));
    lblSpecimen[1]->setMinimumWidth(200);
    lblSpecimen[1]->setFixedHeight(lblSpecimen[1]->fontMetrics().height() + 8);
    cmdSpecimen = new QToolButton(fraSpecimen);
    cmdSpecimen->setText(QStringLiteral("..."));
    cmdSpecimen->setObjectName(QStringLiteral("cmdSpecimen"));
    fs->addWidget(lblSpecimen[0]);
    fs->addWidget(lblSpecimen[1], 1);
    fs->addWidget(cmdSpecimen);
    g->addWidget(fraSpecimen, 1, 0, 1, 4);

    fraPT = new QFrame(this);
    auto* fp = new QGridLayout(fraPT);
    fp->setContentsMargins(0, 0, 0, 0);
    txtPhysiatrist = new QLineEdit(fraPT);
    txtPhysiatrist->setObjectName(QStringLiteral("txtPhysiatrist"));
    txtPhysiatrist->setReadOnly(true);
    cmdPhysiatrist = new QToolButton(fraPT);
    cmdPhysiatrist->setText(QStringLiteral("..."));
    dtpReffered = new QDateTimeEdit(fraPT);
    dtpOrdered = new QDateTimeEdit(fraPT);
    for (QDateTimeEdit* d : {dtpReffered, dtpOrdered}) d->setDisplayFormat(QStringLiteral("MM/dd/yyyy hh:mm AP"));
    optHanded[0] = new QRadioButton(QStringLiteral("Left"), fraPT);
    optHanded[1] = new QRadioButton(QStringLiteral("Right"), fraPT);
    fp->addWidget(new QLabel(QStringLiteral("Physiatrist"), fraPT), 0, 0);
    fp->addWidget(txtPhysiatrist, 0, 1);
    fp->addWidget(cmdPhysiatrist, 0, 2);
    fp->addWidget(new QLabel(QStringLiteral("Date/Time Reffered"), fraPT), 1, 0);
    fp->addWidget(dtpReffered, 1, 1);
    fp->addWidget(new QLabel(QStringLiteral("Date/Time Ordered"), fraPT), 2, 0);
    fp->addWidget(dtpOrdered, 2, 1);
    fp->addWidget(new QLabel(QStringLiteral("Handedness"), fraPT), 3, 0);
    fp->addWidget(optHanded[0], 3, 1);
    fp->addWidget(optHanded[1], 3, 2);
    fraPT->hide();
    fraPT->setEnabled(false);
    g->addWidget(fraPT, 2, 0, 1, 4);

    chkPortable = new QCheckBox(QStringLiteral("Use Portable Machine"), this);
    chkPortable->setObjectName(QStringLiteral("chkPortable"));
    chkPortable->hide();
    g->addWidget(chkPortable, 3, 0, 1, 4);
    txtRemarks = new QPlainTextEdit(this);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtReason = new QPlainTextEdit(this);
    txtReason->setObjectName(QStringLiteral("txtReason"));
    for (QPlainTextEdit* t : {txtRemarks, txtReason}) {
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        SetMaxLength(t, kMaxText); // a paste too
        t->setFixedHeight(60);
    }
    g->addWidget(new QLabel(QStringLiteral("Remarks ( Excluding Additional Requests )"), this), 4, 0, 1, 4);
    g->addWidget(txtRemarks, 5, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Reason of Procedure ( Excluding Additional Requests )"), this), 6, 0, 1, 4);
    g->addWidget(txtReason, 7, 0, 1, 4);
    Command1 = new QPushButton(QStringLiteral("Enter"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    g->addWidget(Command1, 8, 3);
    g->setRowStretch(9, 1);

    Picture1 = new QFrame(this);
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setAutoFillBackground(true);
    auto* pl = new QVBoxLayout(Picture1);
    lblHeading = new QLabel(QStringLiteral("Click on the list to Select a Specimen"), Picture1);
    mshflexSpecimen = new FlexGrid(Picture1);
    mshflexSpecimen->setObjectName(QStringLiteral("mshflexSpecimen"));
    pl->addWidget(lblHeading);
    pl->addWidget(mshflexSpecimen);
    setMinimumWidth(560);
    Picture1->setGeometry(300, 40, 250, 150);
    Picture1->hide();

    cboTransplant = new QComboBox(this);
    cboTransplant->addItems({QStringLiteral("Non-Transplant"), QStringLiteral("Transplant")});
    cboDialysis = new QComboBox(this);
    cboDialysis->addItems({QStringLiteral("None"), QStringLiteral("Pre-Dialysis"), QStringLiteral("Post-Dialysis")});
    cboTransplant->setEditable(true);
    cboDialysis->setEditable(true);
    lblLBExamID = new QLabel(this);
    for (QWidget* w : std::initializer_list<QWidget*>{cboTransplant, cboDialysis, lblLBExamID}) {
        w->hide();
        w->setEnabled(false);
    }
    setTabOrder(Command1, txtRemarks);

    connect(Command1, &QPushButton::clicked, this, &frmRemarks::Command1_Click);
    connect(chkAMPickUp, &QCheckBox::clicked, this, &frmRemarks::chkAMPickUp_Click);
    connect(cmdSpecimen, &QToolButton::clicked, this, &frmRemarks::cmdSpecimen_Click);
    connect(mshflexSpecimen, &QTableWidget::cellClicked, this, &frmRemarks::mshflexSpecimen_Click);
    connect(cmdPhysiatrist, &QToolButton::clicked, this, &frmRemarks::cmdPhysiatrist_Click);
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    LayOutSpecimenGrid();
}

void frmRemarks::DisableSpecimen()
{
    lblSpecimen[1]->setEnabled(false);
    cmdSpecimen->setEnabled(false);
}

bool frmRemarks::ShowModal()
{
    m_accepted = false;
    Form_Load();
    // Kept alive through the showing (its answers are read after it), then gone.
    setAttribute(Qt::WA_DeleteOnClose, false);
    runModal(this);
    const bool accepted = m_accepted;
    delete this;
    return accepted;
}

void frmRemarks::givePatient(const PatientContext& patient)
{
    TransplantID = patient.TransplantID;
    DialysisID = patient.DialysisID;
    TransplantText = patient.TransplantText;
    DialysisText = patient.DialysisText;
}

void frmRemarks::LayOutSpecimenGrid() { LayOutSpecimenList(*mshflexSpecimen); }

void frmRemarks::Form_Load()
{
    DialogAnswers.ExamOrderRemarks.clear();
    cboDialysis->setEditText(DialysisText);
    cboTransplant->setEditText(TransplantText);
    DialogAnswers.ExamOrderAMPickUp = false;
    if (DeptID == QLatin1String("LB")) {
        lblLBExamID->setText(ExamID);
        QString code;
        lblSpecimen[1]->setText(GetSingleSpecimen(SharedConnection(), ExamID.trimmed(), code));
        SetStatOptions(SharedConnection(), ExamID.trimmed(), Option1);
    }
    const bool pt = DeptID == QLatin1String("PT");
    fraPT->setVisible(pt);
    fraPT->setEnabled(pt);
    fraSpecimen->setVisible(!pt);
    if (pt) {
        if (!Session.ServerDate.isValid()) GetServerDate();
        for (QDateTimeEdit* d : {dtpOrdered, dtpReffered}) {
            d->setDateTimeRange(Session.ServerDate.addDays(-3), QDateTime(Session.ServerDate.date(), QTime(23, 59, 59)));
            d->setDateTime(QDateTime(Session.ServerDate.date(), Session.ServerDate.time()));
        }
    }
    Form_Activate();
    // as tall as what this opening shows: the physiatrist panel only for physical therapy
    adjustSize();
}

void frmRemarks::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Command1->setFocus();
}

void frmRemarks::Form_Activate()
{
    DialogAnswers.UsePortableMachine = false;
    if (DeptID == QLatin1String("LB")) ListSpecimens();
    chkPortable->setVisible(DeptID == QLatin1String("XR"));
}

void frmRemarks::ListSpecimens()
{
    LayOutSpecimenGrid();
    if (!DialogAnswers.HasSeveralSpecimens) {
        Picture1->hide();
        return;
    }
    FillSpecimenList(SharedConnection(), ExamID, *mshflexSpecimen);
    Picture1->show();
    Picture1->raise();
}

void frmRemarks::cmdSpecimen_Click()
{
    ListSpecimens();
}

void frmRemarks::mshflexSpecimen_Click()
{
    const int row = mshflexSpecimen->currentRow();
    if (row < 1) return;
    DialogAnswers.ExamOrderSpecimen = mshflexSpecimen->TextMatrix(row, 1);
    lblSpecimen[1]->setText(mshflexSpecimen->TextMatrix(row, 2));
    Picture1->hide();
}

void frmRemarks::chkAMPickUp_Click()
{
    if (chkAMPickUp->isChecked()) {
        txtRemarks->setPlainText(QStringLiteral("In AM PICK UP"));
        Option1[1]->setEnabled(false);
        Option1[0]->setChecked(true);
        DialogAnswers.ExamOrderAMPickUp = true;
    } else {
        txtRemarks->clear();
        Option1[1]->setEnabled(true);
        SetStatOptions(SharedConnection(), lblLBExamID->text().trimmed(), Option1);
        DialogAnswers.ExamOrderAMPickUp = false;
    }
}

void frmRemarks::cmdPhysiatrist_Click()
{
    if (!Session.CodeSearch || !OrSearchWarning([&] { return Session.CodeSearch->SearchListing(txtPhysiatrist->text().trimmed(), 1); })) return;
    PhysiatristCode = Session.CodeSearch->DoctorRecord.ResultCode;
    txtPhysiatrist->setText(Session.CodeSearch->DoctorRecord.LastName.trimmed() + QStringLiteral(" ,") +
                            Session.CodeSearch->DoctorRecord.FirstName.trimmed());
}

bool frmRemarks::txtPhysiatrist_Validate()
{
    if (Session.CodeSearch && OrSearchWarning([&] { return Session.CodeSearch->SearchListing(PhysiatristCode.trimmed(), 1); })) {
        PhysiatristCode = Session.CodeSearch->DoctorRecord.ResultCode;
        txtPhysiatrist->setText(Session.CodeSearch->DoctorRecord.LastName.trimmed() + QStringLiteral(", ") +
                                Session.CodeSearch->DoctorRecord.FirstName.trimmed());
        return true;
    }
    MsgBox(QStringLiteral("Doctor code does not exist!"), vbInformation, QStringLiteral("Notification"));
    return false;
}

void frmRemarks::Command1_Click()
{
    static const QStringList reasonSections{QStringLiteral("MI"), QStringLiteral("CT"), QStringLiteral("US"), QStringLiteral("XR")};
    if (Session.HospClientName == QLatin1String("ZUB") && reasonSections.contains(DeptID) && txtReason->toPlainText().isEmpty()) {
        MsgBox(QStringLiteral("Please Enter Reason Of Procedure"), vbOKOnly | vbCritical);
        txtReason->setFocus();
        return;
    }
    DialogAnswers.UsePortableMachine = chkPortable->isChecked();
    if (DeptID == QLatin1String("LB") && (DialogAnswers.ExamOrderSpecimen.isEmpty() || lblSpecimen[1]->text().isEmpty())) {
        MsgBox(QStringLiteral("Please Select Specimen!"), vbExclamation, QStringLiteral("Message"));
        ListSpecimens();
        return;
    }
    DialogAnswers.ExamOrderStat = Option1[1]->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    DialogAnswers.ExamOrderRemarks = txtRemarks->toPlainText();
    DialogAnswers.ExamOrderReason = txtReason->toPlainText();
    const QString transplant = cboTransplant->currentText().trimmed();
    // A text of neither list keeps the code given.
    const auto choose = [](const QString& text, std::initializer_list<const char*> texts, QString& mine) {
        int code = 0;
        for (const char* t : texts) {
            if (text == QLatin1String(t)) mine = QString::number(code);
            ++code;
        }
    };
    choose(transplant, {"Non-Transplant", "Transplant"}, TransplantID);
    const QString dialysis = cboDialysis->currentText().trimmed();
    choose(dialysis, {"None", "Pre-Dialysis", "Post-Dialysis"}, DialysisID);
    DialogAnswers.ExamOrderAMPickUp = chkAMPickUp->isChecked();
    ExamID.clear();
    DeptID.clear();
    m_accepted = true;
    accept();
}

bool frmRemarks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == this) Picture1->hide();
    if (event->type() == QEvent::FocusOut && watched == txtPhysiatrist && fraPT->isVisible() &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && !txtPhysiatrist_Validate()) {
        txtPhysiatrist->setFocus();
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QLatin1String("'")) return true;
    if (watched == txtPhysiatrist && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        txtPhysiatrist_Validate();
        return true;
    }
    auto* box = qobject_cast<QPlainTextEdit*>(watched);
    if (box && (box == txtRemarks || box == txtReason) && !key->text().isEmpty() && key->text().at(0).isPrint()) {
        if (box->toPlainText().size() >= kMaxText && !box->textCursor().hasSelection()) return true;
        const int upper = KeyPress::AllUppers(key->text().at(0).unicode());
        box->insertPlainText(QString(QChar(upper)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
