#include "patients/frmCathPatients.h"

#include "components/login/clsCurrentuser.h"
#include "patients/CaseActionsData.h"
#include "patients/CaseChecks.h"
#include "shared/MainWindowLinks.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListCommon.h"
#include "patients/PatientListData.h"
#include "patients/PatientSelection.h"
#include "patients/WorkspaceHandOff.h"
#include "patients/frmSearch.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/MessageBox.h"
#include "shared/WindowOpener.h"
#include "shared/patient/PatientContext.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

using namespace PatientListCommon;

namespace {
constexpr int kAdmissionColumnWidth = 1200;
constexpr qint64 kShapeNormal = 0xBC7200;
constexpr qint64 kShapeLit = 0xFF0000;

void notify(const QString& text, const QString& title = QStringLiteral("Notification"))
{
    MsgBox(text, vbOKOnly | vbInformation, title);
}

bool confirmed(const QString& question)
{
    return MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbYes;
}
}

frmCathPatients::frmCathPatients()
    : PatientListWindow({kAdmissionColumnWidth, 0xEEDCBF, 0xEE, /*stretchBillingColumn*/ true, /*trapPackageErrors*/ true})
{
    setWindowTitle(QStringLiteral("Cathlab Patients"));
    struct Action {
        QLabel** label;
        QFrame** shape;
        const char* caption;
    };
    const Action actions[] = {
        {&lblRegister, &Shape6, "Cathlab Registration"}, {&lblEdit, &Shape4, "Edit Registration"},
        {&lblRevoke, &Shape3, "Revoke Registration"},    {&lblAdmit, &Shape5, "For Admission"},
        {&lblDischarge, &Shape7, "Discharge (Cathlab)"},
    };
    actionArea()->addSpacing(12);
    for (const Action& a : actions) {
        QFrame* shape = new QFrame(Picture1);
        shape->setAutoFillBackground(true);
        shape->setMouseTracking(true);
        auto* layout = new QVBoxLayout(shape);
        layout->setContentsMargins(8, 4, 8, 4);
        QLabel* label = new QLabel(QString::fromLatin1(a.caption), shape);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        layout->addWidget(label);
        actionArea()->addWidget(shape);
        *a.label = label;
        *a.shape = shape;
        m_actions.append({label, shape});
    }
    Picture1->installEventFilter(this);
    ResetShapes();
    finishBuilding();
    Form_Load();
}

void frmCathPatients::Form_Load()
{
    Selection.SelectedListRow = 0;
    lblLegend[1]->hide();
    SetupPatientGrid();
    Command1_Click();
}

void frmCathPatients::SetupPatientGrid()
{
    // Not drawn while it is rebuilt (hiding it would move the focus into a search box, which
    // empties the other boxes).
    MSHFlexList->setRedraw(false);
    SetupListGrid(MSHFlexList, kAdmissionColumnWidth);
    MSHFlexList->setEnabled(false);
    MSHFlexList->setRedraw(true);
    Form_Resize();
}

void frmCathPatients::LoadCathLabPatientList()
{
    Selection.SelectedHospNum.clear();
    Selection.SelectedIDNum.clear();
    lblRecNum->clear();
    MSHFlexList->setEnabled(true);
    SetupPatientGrid();
    try {
        const Recordset rs = PatientListData::CathLabCases(SharedConnection(), txtSearch[0]->text(), txtSearch[1]->text(),
                                                           txtSearch[2]->text());
        fillList(rs);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    MainWindowLinks::HideProgressBar();
}

frmCathPatients::CaseRow frmCathPatients::currentCase() const
{
    const int row = MSHFlexList->Row();
    return {MSHFlexList->TextMatrix(row, 1), MSHFlexList->TextMatrix(row, 2), MSHFlexList->TextMatrix(row, 3)};
}

void frmCathPatients::MSHFlexList_Click()
{
    const int row = MSHFlexList->Row();
    const QString idNum = MSHFlexList->TextMatrix(row, 2);
    PatientSelection::SelectRow(MSHFlexList->TextMatrix(row, 1), idNum, row,
                                IsOutPatientNumber(idNum) ? PatientSelection::Kind::OutPatient
                                                          : PatientSelection::Kind::InPatient,
                                /*reportMissingMaster*/ true, /*requireHospitalNumber*/ true);
}

void frmCathPatients::MSHFlexList_DblClick()
{
    WorkspaceHandOff::OpenFromList(MSHFlexList->TextMatrix(Selection.SelectedGridRow, 1), MSHFlexList->TextMatrix(Selection.SelectedGridRow, 2));
}

void frmCathPatients::MSHFlexList_MouseDownRight(const QPoint& globalPos, int rowUnderPointer)
{
    if (rowUnderPointer >= 1 && MSHFlexList->isEnabled()) {
        MSHFlexList->setRow(rowUnderPointer);
        MSHFlexList_RowColChange();
    }
    MainWindowLinks::PopupInquiryMenu(globalPos);
}

void frmCathPatients::lblAdmit_Click()
{
    try {
        const CaseRow row = currentCase();
        if (row.hospNum.trimmed().isEmpty()) {
            notify(QStringLiteral("Please select patient to tag for admission."));
            return;
        }
        if (!IsOutPatientNumber(row.idNum)) {
            notify(QStringLiteral("Sorry, patient ") + row.name + QStringLiteral(" is currently confined."));
            return;
        }
        if (CaseChecks::IsCurrentlyConfined(row.hospNum)) return;
        const QString user = CaseChecks::AskUserValidation();
        if (user.isEmpty()) return;
        if (!confirmed(QStringLiteral("Are you sure you want to tag ") + row.name + QStringLiteral(" as for admission?")))
            return;
        if (CaseActionsData::TagForAdmission(SharedConnection(), row.hospNum, row.idNum, user) > 0)
            notify(QStringLiteral("Patient successfully tagged for admission."));
        else
            notify(QStringLiteral("Patient is already tagged for admission."));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathPatients::lblDischarge_Click()
{
    try {
        const CaseRow row = currentCase();
        if (row.hospNum.trimmed().isEmpty()) {
            notify(QStringLiteral("Please select patient to discharge from Cathlab."));
            return;
        }
        if (!confirmed(QStringLiteral("Are you sure you want to discharge ") + row.name + QStringLiteral(" from Cathlab?")))
            return;
        const QString user = CaseChecks::AskUserValidation();
        if (user.isEmpty()) return;
        const QString idNum = row.idNum.trimmed();
        if (StationParameters().RequireCF4Discharge()) {
            clsCF4* cf4 = Session.CurrentUser->TALVEROClasses()->clsCF4Object();
            cf4->IDNum = idNum;
            cf4->EmployeeCode = user;
            if (!cf4->ValidateRequirements()) return;
        }
        const QString caseNum = CaseChecks::GetCathLabNum(idNum).trimmed();
        if (caseNum.isEmpty() || caseNum == QLatin1String("A U T O")) return;
        if (CaseActionsData::DischargeCase(SharedConnection(), caseNum, user) > 0)
            notify(QStringLiteral("Patient successfully discharged from Cathlab."));
        else
            notify(QStringLiteral("Patient was not discharged: the case is no longer active."));
        Command1_Click();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathPatients::lblEdit_Click()
{
    const CaseRow row = currentCase();
    if (row.hospNum.trimmed().isEmpty()) {
        notify(QStringLiteral("Please select patient to edit."), QStringLiteral("Message"));
    } else {
        PatientContext patient;
        patient.HospNum = row.hospNum;
        patient.IDNum = row.idNum;
        WindowOpener::open(QStringLiteral("frmRegistration"), patient, {QStringLiteral("edit")});
    }
    Command1_Click();
}

void frmCathPatients::lblRegister_Click() { MainWindowLinks::ShowChild(frmSearch::instance()); }

void frmCathPatients::lblRevoke_Click()
{
    try {
        const CaseRow row = currentCase();
        if (row.hospNum.trimmed().isEmpty()) {
            notify(QStringLiteral("Please select patient to revoke."));
            return;
        }
        if (CaseChecks::HasCathLabCharges(row.hospNum, row.idNum)) {
            MsgBox(QStringLiteral("Cant revoke registration with cathlab charges."), vbOKOnly | vbQuestion,
                   QStringLiteral("information"));
            return;
        }
        if (CaseChecks::HasOpenCommunication(row.idNum)) {
            notify(QStringLiteral("There's a pending package request from the stations for this patient, please check the "
                                  "notification."));
            return;
        }
        if (!confirmed(QStringLiteral("Are you sure you want to revoke registration of ") + row.name + QStringLiteral("?")))
            return;
        const QString user = CaseChecks::AskUserValidation();
        if (user.isEmpty()) return;
        if (CaseActionsData::RevokeRegistration(SharedConnection(), row.idNum, user) > 0)
            MsgBox(QStringLiteral("Patient registration was successfully revoked."), vbOKOnly, QStringLiteral("Information"));
        else
            MsgBox(QStringLiteral("Patient registration was already revoked."), vbOKOnly, QStringLiteral("Information"));
        Command1_Click();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathPatients::setShapeColour(QFrame* shape, qint64 colour)
{
    QPalette pal = shape->palette();
    pal.setColor(QPalette::Window, VbColor(colour));
    shape->setPalette(pal);
    shape->setProperty("BackColor", colour);
}

qint64 frmCathPatients::ShapeColour(const QFrame* shape) const { return shape->property("BackColor").toLongLong(); }

void frmCathPatients::ResetShapes()
{
    for (const auto& [label, shape] : m_actions) setShapeColour(shape, kShapeNormal);
}

bool frmCathPatients::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseMove) {
        ResetShapes();
        return false;
    }
    for (int i = 0; i < m_actions.size(); ++i) {
        QLabel* label = m_actions[i].first;
        if (watched != label) continue;
        switch (event->type()) {
        case QEvent::MouseMove:
            // kept from the search panel behind, which would put the shapes back
            setShapeColour(m_actions[i].second, kShapeLit);
            return true;
        case QEvent::Enter: setShapeColour(m_actions[i].second, kShapeLit); break;
        case QEvent::MouseButtonPress: {
            QFont f = label->font();
            f.setPointSize(f.pointSize() + 1);
            f.setUnderline(true);
            label->setFont(f);
            break;
        }
        case QEvent::MouseButtonRelease: {
            QFont f = label->font();
            f.setPointSize(f.pointSize() - 1);
            f.setUnderline(false);
            label->setFont(f);
            if (label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                if (label == lblAdmit) lblAdmit_Click();
                else if (label == lblDischarge) lblDischarge_Click();
                else if (label == lblEdit) lblEdit_Click();
                else if (label == lblRegister) lblRegister_Click();
                else if (label == lblRevoke) lblRevoke_Click();
            }
            break;
        }
        default: break;
        }
    }
    return PatientListWindow::eventFilter(watched, event);
}
