#include "workspace/frmFinal.h"

#include "results/ResultsPage.h"

#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/WindowOpener.h"
#include "shared/WorkspaceLink.h"
#include "shared/clsParameters.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/lookups/PatientPackageInfo.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ProfileGrid.h"
#include "shared/patient/PatientContext.h"
#include "shared/reports/modReports.h"
#include "ordering/ExamOrdering.h"
#include "shared/Placeholders.h"
#include "workspace/ReportPictures.h"
#include "workspace/WorkspaceData.h"
#include "workspace/frmPrecautions.h"
#include "shared/MainWindowLinks.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "patients/PatientGrid.h"
#include "shared/frmMessage.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace {

// The workspace is above the shared module: the shared routines reach it through this link.
const bool registered = [] {
    WorkspaceLink::setLoader([] {
        frmFinal* w = frmFinal::instance();
        return WorkspaceLink::Controls{w, w->txtID, w->rtbClinical, w->mshflexOrders,
                                       [](int row) { ExamOrdering::instance().RemoveOrderAt(row); }};
    });
    return true;
}();

// The hand-off of the patient lists: no argument is the double-click road (tab 0, shown before and
// after the tab is chosen), else the tab of an action label.
const bool kHandOffInstalled = [] {
    WindowOpener::install(QStringLiteral("workspace"), [](const PatientContext& patient, const QStringList& args) {
        // Every hand-off marks the pages stale: no page may show the previous patient's results.
        WorkspacePages.markAllStale();
        frmFinal* w = frmFinal::instance();
        w->setPatient(patient);
        if (args.isEmpty()) {
            MainWindowLinks::ShowChild(w);
            w->tabSSTab1->setCurrentIndex(0);
        } else {
            w->tabSSTab1->setCurrentIndex(args.first().toInt());
        }
        MainWindowLinks::ShowChild(w);
    });
    return true;
}();

QLineEdit* box(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    // a loaded value shows from its beginning (names and dates are longer than the box)
    QObject::connect(e, &QLineEdit::textChanged, e, [e] { if (!e->hasFocus()) e->setCursorPosition(0); });
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

frmFinal::frmFinal()
{
    (void)registered;
    setObjectName(QStringLiteral("frmFinal"));
    setWindowTitle(QStringLiteral("Clinical Procedures"));
    // The halves of the pending-request notice of the exam checks.
    Session.PendingExamMessageHead = QStringLiteral("The same exam had been requested at...");
    Session.PendingExamMessageTail = QStringLiteral("   and it is Pending...");

    auto* outer = new QGridLayout(this);
    auto* header = new QGridLayout;
    buildHeader(header);
    outer->addLayout(header, 0, 0, 1, 2);
    buildPages();
    outer->addWidget(tabSSTab1, 1, 0);
    auto* bar = new QVBoxLayout;
    buildActionBar(bar);
    outer->addLayout(bar, 1, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmFinal::Timer1_Timer);
    tmrPrecautions = new QTimer(this);
    tmrPrecautions->setObjectName(QStringLiteral("tmrPrecautions"));
    tmrPrecautions->setInterval(60000);
    connect(tmrPrecautions, &QTimer::timeout, this, &frmFinal::tmrPrecautions_Timer);
    tmrBlinkPrecautions = new QTimer(this);
    tmrBlinkPrecautions->setObjectName(QStringLiteral("tmrBlinkPrecautions"));
    tmrBlinkPrecautions->setInterval(50);
    connect(tmrBlinkPrecautions, &QTimer::timeout, this, &frmFinal::tmrBlinkPrecautions_Timer);
    connect(cmdPrecautions, &QPushButton::clicked, this, &frmFinal::cmdPrecautions_Click);
    // The window previews keys: every control hands its key-downs to the window first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

    // Loading: set-up, then the patient comes on the first tick.
    Form_Initialize();
    tabSSTab1->setEnabled(false);
    for (int t : {3, 4, 5, 7}) setTabOn(tabSSTab1, t, false);
    for (int t : {5, 6, 7, 8}) setTabOn(tabSSTab2, t, false);
    setTabOn(tabSSTab2, 10, StationParametersCreated() && StationParameters().EnableWCResult());
    MonthView1->setSelectedDate(Session.ServerDate.date());
    Timer1->start();
    for (QPushButton* b : {cmdResultX2, cmdResultU2, cmdCtexit2}) b->setVisible(Session.HospitalInfo.IsNursePrint);
    EnableChartSaves();
    WorkspacePages.markAllStale();
    // No patient yet: the package caption comes with the header load of the patient handed over.
    setWindowTitle(WorkspaceCaption(QString()));

    // A hand-off into the open workspace writes another admission number: the header must then
    // describe that patient, so the boxes are emptied, every page is marked stale and the load runs.
    connect(txtID, &QLineEdit::textChanged, this, [this] { PatientChanged(); });
}

void frmFinal::setPatient(const PatientContext& patient)
{
    Patient = patient;
    // Writing the numbers empties the header and arms the load of the rest (PatientChanged).
    txtPno->setText(patient.HospNum);
    txtID->setText(patient.IDNum);
}

void frmFinal::ClearPatientHeader()
{
    for (QLineEdit* b : {txtPatient, txtSex, txtStatus, txtDob, txtAge, txtRoom, txtPxAccount, txtDoctor1, txtDoctor2,
                         txtDoctor3, txtDateAdmitted, txtDateDischarged, txtDiagnosis, txtAdiet, txtBloodType,
                         txtADMDiagnosis, txtChiefComplaints, txtImpression, txtMannerOfAdmission})
        b->clear();
    HeaderAccountNumber.clear();
    HeaderDoctorCode.clear();
    lblPhilhealth[1]->setText(QStringLiteral(" "));
    setWindowTitle(WorkspaceCaption(QString())); // the package notes come with the load
}

void frmFinal::PatientChanged()
{
    ClearPatientHeader();
    rtbClinical->clear();
    Results->ClearForNewPatient();
    EnableChartSaves();
    WorkspacePages.markAllStale();
    Timer1->start();
}

// The notes and vital signs are saved for in-patients only.
void frmFinal::EnableChartSaves()
{
    const bool inPatient = !IsOutPatientNumber(txtID->text());
    cmdSaveNotes[0]->setEnabled(inPatient);
    cmdSaveVitalSign->setEnabled(inPatient);
}

frmFinal::~frmFinal()
{
    // The pickers may outlive the window: the ordering must not reach its controls any more.
    ExamOrdering::instance().Attach({});
}

void frmFinal::buildHeader(QGridLayout* g)
{
    struct Field { QLineEdit** target; const char* name; const char* label; };
    const Field fields[] = {
        {&txtID, "txtID", "Admission#"}, {&txtPno, "txtPno", "Hospital#"}, {&txtPatient, "txtPatient", "Patient Name"},
        {&txtSex, "txtSex", "Sex"}, {&txtStatus, "txtStatus", "Status"}, {&txtDob, "txtDob", "Birthdate"},
        {&txtAge, "txtAge", "Age"}, {&txtRoom, "txtRoom", "Room #"}, {&txtPxAccount, "txtPxAccount", ""},
        {&txtDoctor1, "txtDoctor1", "Admitting Dr.:"}, {&txtDoctor2, "txtDoctor2", "Attending Dr.:"},
        {&txtDoctor3, "txtDoctor3", "Attending Dr.:"}, {&txtDateAdmitted, "txtDateAdmitted", "ADM. Date"},
        {&txtDateDischarged, "txtDateDischarged", "DCR. Date"}, {&txtDiagnosis, "txtDiagnosis", "Diag."},
        {&txtAdiet, "txtAdiet", "Diet"}, {&txtBloodType, "txtBloodType", "B.T."},
    };
    int i = 0;
    for (const Field& f : fields) {
        *f.target = box(this, f.name);
        // five to a row: the name and the dates get room enough to show whole
        g->addWidget(new QLabel(QString::fromLatin1(f.label), this), i / 5, (i % 5) * 2);
        g->addWidget(*f.target, i / 5, (i % 5) * 2 + 1);
        ++i;
    }
    // The stay's dates show whole (date and time).
    const int dateWidth = txtDateAdmitted->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000 00:00:00 AM")) + 16;
    txtDateAdmitted->setMinimumWidth(dateWidth);
    txtDateDischarged->setMinimumWidth(dateWidth);
    // Numbers and dates keep their own width; the name, account, diagnosis and doctors take the rest.
    for (int c = 1; c < 10; c += 2) g->setColumnStretch(c, c == 5 ? 3 : 2);
    txtPatient->installEventFilter(this);
    lblPhilhealth[0] = new QLabel(QStringLiteral("PHIC TYPE "), this);
    lblPhilhealth[1] = new QLabel(QStringLiteral(" "), this);
    lblPhilhealth[1]->setObjectName(QStringLiteral("lblPhilhealth1"));
    g->addWidget(lblPhilhealth[0], 3, 4);
    g->addWidget(lblPhilhealth[1], 3, 5);
    // The meter panel shown while the request status loads.
    pctMeter = new QFrame(this);
    pctMeter->setObjectName(QStringLiteral("pctMeter"));
    pctMeter->setFrameShape(QFrame::StyledPanel);
    auto* meter = new QHBoxLayout(pctMeter);
    meter->setContentsMargins(6, 0, 6, 0);
    lblMeter = new QLabel(QStringLiteral("Loading Patient Records"), pctMeter);
    lblMeter->setObjectName(QStringLiteral("lblMeter"));
    meter->addWidget(lblMeter);
    pctMeter->hide();
    g->addWidget(pctMeter, 3, 6, 1, 4);
}

void frmFinal::buildPages()
{
    tabSSTab1 = new QTabWidget(this);
    tabSSTab1->setObjectName(QStringLiteral("tabSSTab1"));
    const char* captions[] = {"&Send Requests", "Nurses Activity Request", "&View  Results", "Vita&L Signs",
                              "&Nurses Notes", "Patient Pro&File", "&Clinical Summary", "Schedule Operation"};
    QWidget* page[8];
    for (int t = 0; t < 8; ++t) {
        // Each page scrolls rather than making the whole window taller than the screen (the
        // action bar's exit button would fall off the bottom on a small display).
        auto* scroll = new QScrollArea(tabSSTab1);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        page[t] = new QWidget(scroll);
        scroll->setWidget(page[t]);
        tabSSTab1->addTab(scroll, QString::fromLatin1(captions[t]));
    }
    // Ordering page.
    auto* order = new QGridLayout(page[0]);
    lstListLaboratory = new QListWidget(page[0]);
    lstListLaboratory->setObjectName(QStringLiteral("lstListLaboratory"));
    lstListXray = new QListWidget(page[0]);
    lstListXray->setObjectName(QStringLiteral("lstListXray"));
    lstListUltra = new QListWidget(page[0]);
    lstListUltra->setObjectName(QStringLiteral("lstListUltra"));
    lstListOthers = new QListWidget(page[0]);
    lstListOthers->setObjectName(QStringLiteral("lstListOthers"));
    // a size smaller than the pickers' so that a whole entry, code included, fits the list's width
    for (QListWidget* list : {lstListLaboratory, lstListXray, lstListUltra}) list->setFont(FixedPitchListFont(7.5));
    cmdLabMore = button(page[0], "cmdLabMore", QStringLiteral("Search Laboratory Exams"));
    cmdXrayMore = button(page[0], "cmdXrayMore", QStringLiteral("Search Xray Exams"));
    cmdUltraMore = button(page[0], "cmdUltraMore", QStringLiteral("Search Ultrasound Exams"));
    cmdSave = button(page[0], "cmdSave", QStringLiteral("&Save"));
    cmdDelete = button(page[0], "cmdDelete", QStringLiteral("&Delete"));
    mshflexOrders = new FlexGrid(page[0]);
    mshflexOrders->setObjectName(QStringLiteral("mshflexOrders"));
    mshflexOrders->setCols(18);
    mshflexOrders->setRows(2);
    mshflexProfileList = new FlexGrid(page[0]);
    mshflexProfileList->setObjectName(QStringLiteral("mshflexProfileList"));
    SetUpProfileGrid(*mshflexProfileList);
    mshflexProfileList->hide();
    order->addWidget(lstListLaboratory, 0, 0);
    order->addWidget(lstListXray, 0, 1);
    order->addWidget(lstListUltra, 0, 2);
    order->addWidget(cmdLabMore, 1, 0);
    order->addWidget(cmdXrayMore, 1, 1);
    order->addWidget(cmdUltraMore, 1, 2);
    order->addWidget(lstListOthers, 2, 0);
    order->addWidget(mshflexOrders, 2, 1, 1, 2);
    order->addWidget(cmdSave, 3, 1);
    order->addWidget(cmdDelete, 3, 2);
    order->addWidget(mshflexProfileList, 4, 0);
    connect(cmdSave, &QPushButton::clicked, this, &frmFinal::cmdSave_Click);
    buildOrdering();

    // Request status page: the nurse reports and the pending-request reports.
    auto* status = new QGridLayout(page[1]);
    mshflexReports = new FlexGrid(page[1]);
    mshflexReports->setObjectName(QStringLiteral("mshflexReports"));
    buildRequestStatus(page[1], status);
    connect(mshflexReports, &QTableWidget::cellDoubleClicked, this, [this] { mshflexReports_DblClick(); });
    const char* pending[] = {"Pending Requests Current Station", "Pending Requests All Station"};
    for (int i = 0; i < 2; ++i) {
        imgPendingRequest[i] = button(page[1], i ? "imgPendingRequest1" : "imgPendingRequest0", QString::fromLatin1(pending[i]));
        status->addWidget(imgPendingRequest[i], 11, i);
        connect(imgPendingRequest[i], &QPushButton::clicked, this, [this, i] { imgPendingRequest_Click(i); });
    }
    const char* labels[] = {"Diet List", "Census Report", "Discharges for the Day", "List of Requests / Orders",
                            "List of Medicines Posted", "List of Supplies Posted", "List of Processed Request"};
    for (int i = 0; i < 7; ++i) {
        lblReports[i] = new QLabel(QString::fromLatin1(labels[i]), page[1]);
        lblReports[i]->setObjectName(QStringLiteral("lblReports%1").arg(i));
        lblReports[i]->setMouseTracking(true);
        lblReports[i]->installEventFilter(this);
        lblReports[i]->hide();
        lblReports[i]->setEnabled(false);
        status->addWidget(lblReports[i], 12 + i, 0);
    }

    // Results page with its sub-tabs.
    auto* results = new QVBoxLayout(page[2]);
    ResultsPatientHeader header;
    header.txtID = txtID, header.txtPno = txtPno, header.txtPatient = txtPatient, header.txtSex = txtSex;
    header.txtAge = txtAge, header.txtRoom = txtRoom, header.txtDoctor2 = txtDoctor2, header.txtStatus = txtStatus;
    header.patient = &Patient;
    Results = new ResultsPage(header, page[2]);
    results->addWidget(Results);
    tabSSTab2 = Results->tabSSTab2;
    cmdResultX2 = Results->cmdResultX[2];
    cmdResultU2 = Results->cmdResultU[2];
    cmdCtexit2 = Results->cmdCtexit[2];

    // Chart pages.
    buildVitalsPage(page[3]);
    buildNotesPage(page[4]);
    auto* profileOuter = new QVBoxLayout(page[5]);
    tabPatientProfile = new QTabWidget(page[5]);
    tabPatientProfile->setObjectName(QStringLiteral("tabPatientProfile"));
    profileOuter->addWidget(tabPatientProfile);
    QWidget* admittingPage = new QWidget(tabPatientProfile);
    tabPatientProfile->addTab(admittingPage, QStringLiteral("Admiting Information"));
    auto* profile = new QGridLayout(admittingPage);
    txtADMDiagnosis = box(admittingPage, "txtADMDiagnosis");
    txtChiefComplaints = box(admittingPage, "txtChiefComplaints");
    txtImpression = box(admittingPage, "txtImpression");
    txtMannerOfAdmission = box(admittingPage, "txtMannerOfAdmission");
    const QPair<const char*, QLineEdit*> prof[] = {{"Manner of ADM:", txtMannerOfAdmission},
                                                   {"Adm. Diagnosis:", txtADMDiagnosis},
                                                   {"Chief Complaints:", txtChiefComplaints},
                                                   {"Impression:", txtImpression}};
    for (int i = 0; i < 4; ++i) {
        profile->addWidget(new QLabel(QString::fromLatin1(prof[i].first), admittingPage), i, 0);
        profile->addWidget(prof[i].second, i, 1);
    }
    buildProfilePage(page[5], profile);
    // Clinical summary.
    auto* clinical = new QGridLayout(page[6]);
    const char* heads[] = {"PERSONAL INFORMATION", "ADDRESS :", "BIRTH PLACE :", "NATIONALITY :", "RELIGION :",
                           "CIVIL STATUS :", "SPOUSE :", "FATHER :", "MOTHER :"};
    for (int i = 0; i < 19; ++i) {
        lblClinHEad[i] = new QLabel(page[6]);
        lblClinHEad[i]->setObjectName(QStringLiteral("lblClinHEad%1").arg(i));
    }
    for (int i = 0; i < 9; ++i) lblClinHEad[i]->setText(QString::fromLatin1(heads[i]));
    lblClinHEad[10]->setText(QStringLiteral("Clinical Summary"));
    clinical->addWidget(lblClinHEad[0], 0, 0, 1, 2);
    const int values[] = {9, 12, 13, 14, 15, 16, 17, 18};
    for (int i = 1; i <= 8; ++i) {
        clinical->addWidget(lblClinHEad[i], i, 0);
        clinical->addWidget(lblClinHEad[values[i - 1]], i, 1);
    }
    mshflexClin = new FlexGrid(page[6]);
    mshflexClin->setObjectName(QStringLiteral("mshflexClin"));
    clinical->addWidget(mshflexClin, 9, 0, 1, 2);
    clinical->addWidget(lblClinHEad[10], 0, 2);
    rtbClinical = new QTextEdit(page[6]);
    rtbClinical->setObjectName(QStringLiteral("rtbClinical"));
    clinical->addWidget(rtbClinical, 1, 2, 9, 2);
    const char* clin[] = {"&View", "Exit"};
    const char* opt[] = {"Refresh", "Print"};
    for (int i = 0; i < 2; ++i) {
        cmdClinical[i] = button(page[6], i ? "cmdClinical1" : "cmdClinical0", QString::fromLatin1(clin[i]));
        cmdClinicalOption[i] = button(page[6], i ? "cmdClinicalOption1" : "cmdClinicalOption0", QString::fromLatin1(opt[i]));
        clinical->addWidget(cmdClinicalOption[i], 10, i);
        clinical->addWidget(cmdClinical[i], 10, 2 + i);
        connect(cmdClinical[i], &QPushButton::clicked, this, [this, i] { cmdClinical_Click(i); });
        connect(cmdClinicalOption[i], &QPushButton::clicked, this, [this, i] { cmdClinicalOption_Click(i); });
    }
    cmdClinicalOption[1]->setEnabled(false);
    connect(mshflexClin, &QTableWidget::cellClicked, this, [this] { mshflexClin_Click(); });
    connect(mshflexClin, &QTableWidget::cellDoubleClicked, this, [this] { BuildClinicalSummary(); });
    // The summary's progress shows in the clinical summary page's layout, not over the header.
    ProgressBarMeter = new QProgressBar(page[6]);
    ProgressBarMeter->setObjectName(QStringLiteral("ProgressBarMeter"));
    clinical->addWidget(ProgressBarMeter, clinical->rowCount(), 0, 1, -1);
    cmdViewSummary = button(page[5], "cmdViewSummary", QStringLiteral("View Clinical Summary"));
    profileOuter->addWidget(cmdViewSummary);
    connect(cmdViewSummary, &QPushButton::clicked, this, &frmFinal::cmdViewSummary_Click);

    buildSchedulePage(page[7]);

    connect(tabSSTab1, &QTabWidget::currentChanged, this, [this](int) { tabSSTab1_Click(m_lastTab); });
}

void frmFinal::buildActionBar(QVBoxLayout* bar)
{
    struct Element { int index; const char* caption; bool visible, enabled; };
    const Element order[] = {{1, "&Pharmacy", true, true},
                             {2, "&Central Supply", true, true},
                             {7, "CASH Assessment Entry", true, true},
                             {5, "Charging Entry", true, true},
                             {9, "Clinical Assessment", false, true},
                             {0, "Reprint Req. Form", false, false},
                             {3, "Change &Diet", false, false},
                             {4, "Discharge Patient / Room Transfer", false, false},
                             {6, "Send Clearance", false, true}};
    for (const Element& e : order) {
        auto* b = new QPushButton(QString::fromLatin1(e.caption), this);
        b->setObjectName(QStringLiteral("cmdNextPatient%1").arg(e.index));
        b->setVisible(e.visible);
        b->setEnabled(e.enabled);
        cmdNextPatient[e.index] = b;
        const int index = e.index;
        connect(b, &QPushButton::clicked, this, [this, index] { cmdNextPatient_Click(index); });
        bar->addWidget(b);
    }
    cmdPrecautions = new QPushButton(QStringLiteral("Precautions"), this);
    cmdPrecautions->setObjectName(QStringLiteral("cmdPrecautions"));
    cmdPrecautions->setVisible(false);
    bar->addWidget(cmdPrecautions);
    bar->addStretch();
    cmdExit = new QPushButton(QStringLiteral("&Back to Patient List"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmFinal::cmdExit_Click);
    bar->addWidget(cmdExit);
}

void frmFinal::setTabOn(QTabWidget* tabs, int index, bool on)
{
    // A switched-off tab is shown disabled and cannot be selected.
    tabs->setTabEnabled(index, on);
}

// The workspace set-up of the ordering page: the reports grid, the hospital information, the
// orders and profile grids and every exam pick list.
void frmFinal::Form_Initialize()
{
    try {
        LoadHospitalInfo();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    mshflexReports->setRows(1);
    mshflexReports->setCols(4);
    mshflexReports->setFixedRows(1);
    mshflexReports->setColWidth(0, 0);
    mshflexReports->setColWidth(1, 0);
    mshflexReports->setColWidth(2, 350);
    mshflexReports->setColWidth(3, 4800);
    mshflexReports->setTextMatrix(0, 3, QStringLiteral("Report Name"));
    QList<QPair<QString, QString>> rows;
    try {
        rows = WorkspaceData::NurseReportList(SharedConnection());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    for (const auto& r : rows) {
        const int row = mshflexReports->Rows();
        mshflexReports->setRows(row + 1);
        mshflexReports->setTextMatrix(row, 1, r.first);
        mshflexReports->setTextMatrix(row, 2, QString());
        mshflexReports->setTextMatrix(row, 3, r.second);
    }
    mshflexReports->setEnabled(!rows.isEmpty());
    if (rows.isEmpty()) {
        mshflexReports->setRows(2);
        for (int c = 1; c < 4; ++c) mshflexReports->setTextMatrix(1, c, QString());
    }
    for (int r = 1; r < mshflexReports->Rows(); ++r) {
        mshflexReports->setRowHeight(r, 280 / 15);
        mshflexReports->setTextMatrix(r, 2, QString());
        mshflexReports->item(r, 2)->setIcon(ReportListPicture(r));
    }
    ExamOrdering::instance().LoadOrderingLists();
}

void frmFinal::Timer1_Timer()
{
    Timer1->stop();
    try {
        LoadPatientHeader();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    if (Session.NursingSettings.ShowPrecautions) {
        cmdPrecautions->setVisible(true);
        tmrPrecautions->start();
        tmrPrecautions_Timer();
    }
}

void frmFinal::LoadPatientHeader()
{
    Connection& c = SharedConnection();
    const QString id = txtID->text();
    const QString pno = txtPno->text();
    const bool outPatient = IsOutPatientNumber(id);
    ReportValues.SlipReportParam5.clear();
    ReportValues.SlipReportParam12.clear();
    QString membership;
    // Every load starts clean: a record not found must not leave the texts of an earlier load.
    ClearPatientHeader();
    InPatientLoaded = false;

    if (!outPatient) {
        if (Session.PatientSearch) Session.PatientSearch->Admission()->Refresh();
    } else {
        if (Session.PatientSearch) Session.PatientSearch->PatientClass()->clsOutPatient()->Refresh();
    }
    // The hand-off gave the numbers and the list's company; the rest is read here, once.
    const QString company = Patient.IDNum == id && Patient.HospNum == pno ? Patient.Company : QString();
    Patient = PatientContextData::Load(c, pno, id, company);
    const PatientContext& p = Patient;
    if (p.Found) {
        // What the main window's patient menus take of the open patient.
        Selection.SelectedRoomClass = p.RoomClass;
        Selection.SelectedAdmissionDate = p.AdmissionDate;
        Selection.SelectedDischargeDate = p.DischargeDate;
        Selection.SelectedRoomRate = p.RoomRate;
        if (outPatient) Selection.SelectedRoom = QStringLiteral("OPD");
        if (!outPatient || !p.PatientName.isEmpty()) // a visit whose patient record was read
            Selection.AttendingDoctorCode = p.AttendingDoctorCode;
        if (!outPatient && !p.Address.isEmpty()) Selection.PatientAddressLine = p.Address;
        InPatientLoaded = !outPatient;
        txtPatient->setText(p.PatientName);
        txtSex->setText(p.Sex);
        txtStatus->setText(p.CivilStatus);
        txtDob->setText(p.BirthDate);
        txtAge->setText(p.Age);
        txtRoom->setText(p.Room);
        txtPxAccount->setText(p.Company);
        HeaderAccountNumber = p.AccountNumber;
        HeaderDoctorCode = p.AttendingDoctorCode;
        txtDoctor1->setText(p.AdmittingDoctor);
        txtDoctor2->setText(p.AttendingDoctor);
        txtDoctor3->setText(p.AttendingDoctor2);
        txtDiagnosis->setText(p.Diagnosis);
        txtADMDiagnosis->setText(p.AdmittingDiagnosis);
        txtChiefComplaints->setText(p.ChiefComplaint);
        txtImpression->setText(p.Impression);
        txtMannerOfAdmission->setText(p.MannerOfAdmission);
        txtDateAdmitted->setText(p.DateAdmitted);
        txtDateDischarged->setText(p.DateDischarged);
        txtBloodType->setText(p.BloodType);
        txtAdiet->setText(p.Diet);
        if (!outPatient)
            for (QWidget* w : std::initializer_list<QWidget*>{lstListLaboratory, lstListXray, lstListUltra, lstListOthers,
                                                              cmdLabMore, cmdXrayMore, cmdUltraMore, cmdSave, cmdDelete,
                                                              cmdNextPatient[1], cmdNextPatient[2], mshflexOrders})
                w->setEnabled(true);
    }

    const PatientContextData::Membership mem = PatientContextData::AdmTypeMembership(c, id.trimmed());
    if (mem.found) {
        ReportValues.SlipReportParam5 = mem.membership;
        ReportValues.SlipReportParam12 = mem.admType;
        membership = mem.membership;
    }
    if (!outPatient) {
        lblPhilhealth[1]->setText(QStringLiteral(" ") +
                                  (membership.trimmed().isEmpty() ? QStringLiteral("NON-PHIC") : membership.trimmed()));
    } else {
        const WorkspaceData::Philhealth ph = WorkspaceData::MasterPhilhealth(c, pno.trimmed());
        if (ph.found) membership = ph.value;
        lblPhilhealth[1]->setText(membership.trimmed() == QLatin1String("0") ? QStringLiteral(" NON-PHIC")
                                                                            : QStringLiteral(" WITH-PHIC"));
    }

    pctMeter->show();
    LoadRequestStatus();
    pctMeter->hide();
    // The remarks of this patient's orders start from the codes on its file.
    const PatientOtherInfo other = LoadPatientPackageInfo(SharedConnection());
    Patient.TransplantText = other.found ? TransplantText(other.transplantID) : QString();
    Patient.DialysisText = other.found ? DialysisText(other.dialysisID) : QString();
    LoadORRooms();
    ResetScheduleEntry();
    RefreshAccountFlags();
}

bool frmFinal::LoadXrayResults()
{
    return Results->LoadXrayResults();
}

void frmFinal::tmrPrecautions_Timer()
{
    if (!OrErrorNotice(QString(), [&] { return GetPrecautions(SharedConnection(), txtID->text()); }).trimmed().isEmpty()) {
        tmrBlinkPrecautions->start();
    } else {
        tmrBlinkPrecautions->stop();
        cmdPrecautions->setPalette(QPalette()); // the system's button face
    }
}

void frmFinal::tmrBlinkPrecautions_Timer()
{
    static const QRgb steps[12] = {0xC0FFFF, 0x80FFFF, 0xFFFF, 0xC0C0, 0x8080, 0x4040,
                                   0x4040,   0x8080,   0xC0C0, 0xFFFF, 0x80FFFF, 0xC0FFFF};
    const QRgb bgr = steps[BlinkStep];
    QPalette p = cmdPrecautions->palette();
    p.setColor(QPalette::Button, QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
    cmdPrecautions->setPalette(p);
    cmdPrecautions->setAutoFillBackground(true);
    BlinkStep = BlinkStep >= 11 ? 0 : BlinkStep + 1;
}

void frmFinal::cmdPrecautions_Click()
{
    frmPrecautions dialog(this);
    runModal(&dialog);
    tmrPrecautions_Timer();
}

void frmFinal::tabSSTab1_Click(int)
{
    const int tab = tabSSTab1->currentIndex();
    m_lastTab = tab;
    switch (tab) {
    case 2:
        if (!HasUserRight(SharedConnection(), QStringLiteral("10"))) {
            MsgBox(QStringLiteral("Sorry, you don't have access right to view results."), vbInformation, QStringLiteral("Message"));
            tabSSTab1->setCurrentIndex(0);
            return;
        }
        // A failed load leaves the flag set: the next visit tries again.
        if (WorkspacePages.XrayResultsStale) WorkspacePages.XrayResultsStale = !LoadXrayResults();
        break;
    case 3:
        Get_VitalSigns();
        break;
    case 4:
        LoadNursesNotes();
        break;
    case 5:
        if (!HasUserRight(SharedConnection(), QStringLiteral("11"))) {
            MsgBox(QStringLiteral("Sorry, you don't have access right to Update Patient Profile."), vbInformation,
                   QStringLiteral("Message"));
            tabSSTab1->setCurrentIndex(0);
            return;
        }
        LoadPatientProfile();
        break;
    case 6:
        if (WorkspacePages.ConfinementsStale) {
            LoadConfinements();
            WorkspacePages.ConfinementsStale = false;
        }
        break;
    default:
        break;
    }
}

void frmFinal::imgPendingRequest_Click(int index)
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("List_Of_All_PendingRequest_ByAll_Station.Rpt")),
                      {index == 0 ? Session.CurrentStationID.toString() : QString()});
        ShowReport(false,
                   index == 0 ? QStringLiteral("List of All Pending Requests By Station")
                              : QStringLiteral("List of All Pending Requests By All Station"),
                   false, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

bool frmFinal::HasUnsentOrder() const
{
    const int rows = mshflexOrders->Rows();
    return rows > 2 || (rows == 2 && !mshflexOrders->TextMatrix(1, 1).isEmpty());
}

void frmFinal::cmdExit_Click()
{
    if (HasUnsentOrder()) {
        runModal(frmMessage::instance());
        if (DialogAnswers.PickedChoice) {
            tabSSTab1->setCurrentIndex(0);
            cmdSave_Click();
        }
    }
    if (MsgBox(QStringLiteral("Do you want to exit?"), vbYesNo | vbQuestion, QStringLiteral("Message")) != vbYes) return;
    unloadPickers(true);
    close();
    ReturnToPatientList();
}

void frmFinal::ReturnToPatientList()
{
    // The list may have been closed meanwhile: it is opened again rather than failing.
    if (StationParametersCreated() && StationParameters().EnableCathLabRegistration()) {
        frmCathPatients* list = frmCathPatients::instance();
        MainWindowLinks::ShowChild(list);
        list->MSHFlexList->setFocus();
        if (frmSearch::isLoaded()) frmSearch::existing()->close();
    } else {
        frmSearch* list = frmSearch::instance();
        for (QLabel* l : list->lblProcedures) l->setEnabled(false);
        MainWindowLinks::ShowChild(list);
        list->MSHFlexList->setFocus();
    }
}

void frmFinal::unloadPickers(bool withNeurology)
{
    // The section pickers of the ordering page close with the workspace; each exists only while
    // open, so the ones never opened are skipped. Only the exit button closes the neurology one.
    QStringList pickers{QStringLiteral("frmPTFile"), QStringLiteral("frmCTfile"), QStringLiteral("frmRTfile"),
                        QStringLiteral("frmAudio"),  QStringLiteral("frmHeart"),  QStringLiteral("frmNuclear")};
    if (withNeurology) pickers << QStringLiteral("frmNeuRoExams");
    for (QWidget* w : WindowRegistry::loaded())
        if (w != this && pickers.contains(w->objectName())) w->close();
}

void frmFinal::closeEvent(QCloseEvent* event)
{
    unloadPickers(false);
    tmrPrecautions->stop();
    Timer1->stop();
    event->accept();
}

bool frmFinal::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 7; ++i) {
        if (watched != lblReports[i]) continue;
        if (event->type() == QEvent::MouseButtonRelease) lblReports_Click(i);
        else if (event->type() == QEvent::MouseMove) lblReports_MouseMove(i);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QLatin1String("'")) return true; // the apostrophe is discarded everywhere
        if (ScheduleKey(watched, key) || VitalSignKey(watched, key)) return true;
        if (watched == txtPatient && SendKeyInUpperCase(txtPatient, key)) return true;
        const int code = key->key() - Qt::Key_F1 + 112;
        if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12) {
            // a key the handler leaves as it was (a refused F6 or F7) goes on to the control
            if (Form_KeyDown(code) == 0) return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
