#include "patients/frmSearch.h"

#include "patients/CaseChecks.h"
#include "shared/MainWindowLinks.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListCommon.h"
#include "patients/PatientListData.h"
#include "patients/PatientSelection.h"
#include "patients/WorkspaceHandOff.h"
#include "platform/ui/MessageBox.h"
#include "shared/WindowOpener.h"
#include "shared/patient/PatientContext.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "patients/frmCensusFormat.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace PatientListCommon;

namespace {
constexpr int kSearchAdmissionColumnWidth = 960;
const int kLabelTabs[3] = {0, 2, 6};
}

frmSearch::frmSearch()
    : PatientListWindow({kSearchAdmissionColumnWidth, 0xFEE2C5, 0xFF, /*stretchBillingColumn*/ false, /*trapPackageErrors*/ false})
{
    setWindowTitle(QStringLiteral("Patient List"));
    Frame2 = new QFrame(this);
    Frame2->setFrameShape(QFrame::StyledPanel);
    Frame2->setAutoFillBackground(true);
    auto* row = new QGridLayout(Frame2);
    row->setContentsMargins(8, 2, 8, 2);
    row->setVerticalSpacing(0);
    Label2 = new QLabel(QStringLiteral("Patient Type"), Frame2);
    optPatientType[0] = new QRadioButton(QStringLiteral("In Patient"), Frame2);
    optPatientType[1] = new QRadioButton(QStringLiteral("Out Patient"), Frame2);
    optPatientType[0]->setChecked(true);
    row->addWidget(Label2, 0, 0, 1, 2);
    row->addWidget(optPatientType[0], 1, 0);
    row->addWidget(optPatientType[1], 1, 1);
    for (QRadioButton* opt : optPatientType)
        connect(opt, &QRadioButton::clicked, this, &frmSearch::optPatientType_Click);

    Label6[1] = new QLabel(QStringLiteral("Clinical Procedures"), Picture1);
    QFont bold = Label6[1]->font();
    bold.setBold(true);
    Label6[1]->setFont(bold);
    Image1[0] = nullptr;
    Image1[1] = new QLabel(Picture1);
    Image1[1]->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(24, 24));
    Line3[0] = nullptr;
    Line3[1] = new QFrame(Picture1);
    Line3[1]->setFrameShape(QFrame::HLine);
    auto* heading = new QHBoxLayout;
    heading->addWidget(Image1[1]);
    heading->addWidget(Label6[1], 1);
    actionArea()->addSpacing(8);
    actionArea()->addLayout(heading);
    actionArea()->addWidget(Line3[1]);
    const char* captions[3] = {"Send Requests / Post charges", "View Clinical Results", "Clinical Summary"};
    for (int i = 0; i < 3; ++i) {
        lblProcedures[i] = new QLabel(QString::fromLatin1(captions[i]), Picture1);
        lblProcedures[i]->setCursor(Qt::PointingHandCursor);
        lblProcedures[i]->setMouseTracking(true);
        lblProcedures[i]->installEventFilter(this);
        actionArea()->addWidget(lblProcedures[i]);
    }
    finishBuilding();
    Form_Load();
}

bool frmSearch::registrationMode() { return StationParameters().EnableCathLabRegistration(); }

QWidget* frmSearch::panelFrame() const { return Frame2; }

void frmSearch::Form_Load()
{
    Selection.SelectedListRow = 0;
    lblLegend[1]->hide();
    for (QLabel* label : lblProcedures) label->setEnabled(false);
    SetupListGrid(MSHFlexList, kSearchAdmissionColumnWidth);
    MSHFlexList->setEnabled(false);
    Command1_Click();
    if (registrationMode()) {
        Command2->setText(QStringLiteral("New Registration"));
        Label6[1]->hide();
        Image1[1]->hide();
        Line3[1]->hide();
        for (QLabel* label : lblProcedures) label->hide();
    }
}

void frmSearch::optPatientType_Click()
{
    Selection.SelectedHospNum.clear();
    Selection.SelectedIDNum.clear();
    lblRecNum->clear();
    Form_Load();
    txtSearch[0]->setFocus();
}

void frmSearch::LoadPatientList()
{
    Selection.SelectedHospNum.clear();
    Selection.SelectedIDNum.clear();
    lblRecNum->clear();
    MSHFlexList->setEnabled(true);
    MSHFlexList->setRedraw(false);
    SetupListGrid(MSHFlexList, kSearchAdmissionColumnWidth);
    try {
        const bool inPatients = optPatientType[0]->isChecked();
        Selection.SelectedPatientType = inPatients ? QStringLiteral("I") : QStringLiteral("O");
        const Recordset rs = PatientListData::StationPatients(SharedConnection(), inPatients, txtSearch[0]->text(),
                                                              txtSearch[1]->text(), txtSearch[2]->text());
        MSHFlexList->setRedraw(true);
        fillList(rs);
    } catch (const std::exception& e) {
        MSHFlexList->setRedraw(true);
        ShowErrorNotice(e);
        return;
    }
    MainWindowLinks::HideProgressBar();
}

void frmSearch::Command2_Click()
{
    if (Command2->text().trimmed().toUpper() == QLatin1String("NEW REGISTRATION")) {
        WindowOpener::open(QStringLiteral("frmMasterSearch"), PatientContext());
        return;
    }
    Command1_Click();
}

void frmSearch::MSHFlexList_Click()
{
    if (registrationMode()) return;
    for (QLabel* label : lblProcedures) label->setEnabled(true);
    const int row = MSHFlexList->Row();
    PatientSelection::SelectRow(MSHFlexList->TextMatrix(row, 1), MSHFlexList->TextMatrix(row, 2), row,
                                optPatientType[0]->isChecked() ? PatientSelection::Kind::InPatient
                                                               : PatientSelection::Kind::OutPatient,
                                /*reportMissingMaster*/ false, /*requireHospitalNumber*/ false);
}

void frmSearch::MSHFlexList_DblClick()
{
    if (!registrationMode()) {
        WorkspaceHandOff::OpenFromList(MSHFlexList->TextMatrix(Selection.SelectedGridRow, 1),
                                       MSHFlexList->TextMatrix(Selection.SelectedGridRow, 2));
        return;
    }
    if (CaseChecks::HasOpenCathCase(Selection.SelectedHospNum)) {
        MsgBox(QStringLiteral("This patient is already registered as Cathlab patient."), vbOKOnly | vbInformation,
               QStringLiteral("Message"));
        return;
    }
    const int row = MSHFlexList->Row();
    PatientContext patient;
    patient.HospNum = MSHFlexList->TextMatrix(row, 1);
    patient.IDNum = MSHFlexList->TextMatrix(row, 2);
    WindowOpener::open(QStringLiteral("frmRegistration"), patient, {QStringLiteral("register")});
}

void frmSearch::MSHFlexList_MouseDownRight(const QPoint& globalPos, int rowUnderPointer)
{
    Q_UNUSED(rowUnderPointer);
    if (registrationMode()) return;
    MainWindowLinks::PopupInquiryMenu(globalPos);
}

void frmSearch::lblProcedures_Click(int index)
{
    const int row = MSHFlexList->Row();
    WorkspaceHandOff::OpenOnTab(MSHFlexList->TextMatrix(row, 1), MSHFlexList->TextMatrix(row, 2), kLabelTabs[index]);
}

void frmSearch::lblProcedures_MouseMove(int index)
{
    for (int i = 0; i < 3; ++i) {
        QFont f = lblProcedures[i]->font();
        f.setUnderline(i == index);
        lblProcedures[i]->setFont(f);
    }
}

bool frmSearch::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 3; ++i) {
        if (watched != lblProcedures[i]) continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) lblProcedures_MouseMove(i);
        else if (event->type() == QEvent::MouseButtonRelease && lblProcedures[i]->isEnabled()) lblProcedures_Click(i);
    }
    return PatientListWindow::eventFilter(watched, event);
}

bool frmSearch::printThroughFormatDialog(const QString& refNum)
{
    if (!StationParameters().ShowSelectCensusFormat()) return false;
    frmCensusFormat* dlg = frmCensusFormat::instance();
    dlg->setIDNo(Selection.SelectedIDNum);
    dlg->setHospNo(Selection.SelectedHospNum);
    dlg->setRefNo(refNum);
    runModal(dlg);
    return true;
}
