#include "results/ResultsPage.h"

#include "components/NurseActivity.h"
#include "platform/db/Connection.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "results/ResultGrids.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

// The run's result component (start-up's, else one of the page's own) on the run's connection.
clsResults& ResultsPage::ResultComponent()
{
    static clsResults local(QStringLiteral("Nurse_activity.clsResults"));
    auto* shared = qobject_cast<clsResults*>(Session.ResultService);
    clsResults& r = shared ? *shared : local;
    r.attach(&SharedConnection());
    return r;
}

namespace {

QTextEdit* newInterpretationBox(QWidget* parent, const char* name)
{
    auto* t = new QTextEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setReadOnly(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return t;
}

QLabel* valueBox(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(TwipsToPixels(1800));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A header block of caption labels, each beside its value box.
void addInfoBlock(QWidget* parent, QGridLayout* g, QLabel** arr, const char* arrayName,
                  const QList<QPair<int, QString>>& captions, const QList<int>& values)
{
    for (int i = 0; i < captions.size() && i < values.size(); ++i) {
        const int ci = captions[i].first, vi = values[i];
        arr[ci] = new QLabel(captions[i].second, parent);
        arr[ci]->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(arrayName)).arg(ci));
        arr[vi] = valueBox(parent, QStringLiteral("%1%2").arg(QString::fromLatin1(arrayName)).arg(vi));
        g->addWidget(arr[ci], i % 3, (i / 3) * 2);
        g->addWidget(arr[vi], i % 3, (i / 3) * 2 + 1);
    }
}

void clearLabels(QLabel* const* arr, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (arr[i]) arr[i]->clear();
}

} // namespace

ResultsPage::ImagingControls ResultsPage::controlsOf(Imaging s) const
{
    switch (s) {
    case Imaging::Xray: return {mshflexXray, txtXrayInterp, cmdResultX[2], 6, 7, 8, 9, 11, 10, lblXrayInfo};
    case Imaging::Ultrasound: return {mshflexUltra, txtUltraInterp, cmdResultU[2], 17, 16, 15, 14, 12, 13, lblXrayInfo};
    case Imaging::CT: return {mshflexCT, txtCTInterp, cmdCtexit[2], 29, 28, 27, 26, 24, 25, lblXrayInfo};
    case Imaging::MRI: return {MSHFlexMRI, txtMRIInterp, cmdMRIResult[2], 6, 7, 8, 9, 11, 10, lblMRIInfo};
    case Imaging::WomenCentre: return {mshWCResults, txtWCInterpretation, cmdResultWC[1], 41, 40, 39, 38, 36, 37, lblXrayInfo};
    }
    return {};
}

ResultsPage::ResultsPage(const ResultsPatientHeader& header, QWidget* parent) : QWidget(parent), m_header(header)
{
    setObjectName(QStringLiteral("ResultsPage"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    tabSSTab2 = new QTabWidget(this);
    tabSSTab2->setObjectName(QStringLiteral("tabSSTab2"));
    v->addWidget(tabSSTab2);
    tabSSTab2->addTab(buildImagingTab(Imaging::Xray), QStringLiteral("&X-ray"));
    tabSSTab2->addTab(buildImagingTab(Imaging::Ultrasound), QStringLiteral("&Ultrasound"));
    tabSSTab2->addTab(buildImagingTab(Imaging::CT), QStringLiteral("CT-Scan"));
    tabSSTab2->addTab(buildLabTab(), QStringLiteral("&Laboratory"));
    tabSSTab2->addTab(buildHeartTab(), QStringLiteral("Heart Station"));
    tabSSTab2->addTab(buildPTTab(), QStringLiteral("Rehab. Medicine"));
    tabSSTab2->addTab(buildSimpleTab(mshflexNuclear, "mshflexNuclear", lblNuclearInfo, "lblNuclearInfo",
                                     {{0, QStringLiteral("Trans. No.")}, {1, QStringLiteral("Exam. Name")}, {2, QStringLiteral("Trans. Date")},
                                      {3, QStringLiteral("Attending Dr.")}, {4, QStringLiteral("Result Date")}},
                                     {5, 8, 6, 9, 7}, txtNucInterp, "txtNucInterp", cmdNuclear, "cmdNuclear0"),
                      QStringLiteral("Nuclear"));
    tabSSTab2->addTab(buildSimpleTab(mshflexPulmo, "mshflexPulmo", lblPulmoInfo, "lblPulmoInfo",
                                     {{0, QStringLiteral("Trans. No.")}, {1, QStringLiteral("Trans. Date")}, {2, QStringLiteral("Result Date")},
                                      {3, QStringLiteral("Exam. Name")}, {4, QStringLiteral("Doctor")}},
                                     {5, 6, 7, 8, 9}, txtPulmoInterpretation, "txtPulmoInterpretation", cmdPulmo, "cmdPulmo0"),
                      QStringLiteral("Pulmonary"));
    tabSSTab2->addTab(buildNeuroTab(), QStringLiteral("Neurology"));
    tabSSTab2->addTab(buildImagingTab(Imaging::MRI), QStringLiteral("MRI"));
    tabSSTab2->addTab(buildImagingTab(Imaging::WomenCentre), QStringLiteral("Center for Women"));
    connect(tabSSTab2, &QTabWidget::currentChanged, this, [this] { tabSSTab2_Click(); });

    connect(cmdNuclear[0], &QPushButton::clicked, this, [this] { cmdNuclear_Click(0); });
    connect(cmdPulmo[0], &QPushButton::clicked, this, [this] { cmdPulmo_Click(0); });
    connect(mshflexNuclear, &QTableWidget::cellClicked, this, [this] { mshflexNuclear_Click(); });
    connect(mshflexPulmo, &QTableWidget::cellClicked, this, [this] { mshflexPulmo_Click(); });
}

FlexGrid* ResultsPage::newGrid(QWidget* parent, const char* name)
{
    auto* g = new FlexGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setMinimumHeight(TwipsToPixels(2500));
    return g;
}

QPushButton* ResultsPage::newButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QWidget* ResultsPage::buildImagingTab(Imaging s)
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* info = new QGridLayout;
    FlexGrid* grid = nullptr;
    QTextEdit* interp = nullptr;
    QPushButton** group = nullptr;
    int refreshIndex = 0, viewIndex = 2;
    const char* groupName = "";
    const QString films = QStringLiteral("No. of Films");
    switch (s) {
    case Imaging::Xray:
        addInfoBlock(page, info, lblXrayInfo, "lblXrayInfo",
                     {{0, QStringLiteral("Trans. No.")}, {1, QStringLiteral("Trans.Date")}, {2, QStringLiteral("Result Date")},
                      {3, QStringLiteral("Exam. Name")}, {4, films}, {5, QStringLiteral("Radiologist")}},
                     {6, 7, 8, 9, 10, 11});
        grid = mshflexXray = newGrid(page, "mshflexXray");
        interp = txtXrayInterp = newInterpretationBox(page, "txtXrayInterp");
        group = cmdResultX, groupName = "cmdResultX";
        break;
    case Imaging::Ultrasound:
        addInfoBlock(page, info, lblXrayInfo, "lblXrayInfo",
                     {{23, QStringLiteral("Trans. No.")}, {22, QStringLiteral("Trans.Date")}, {21, QStringLiteral("Result Date")},
                      {20, QStringLiteral("Exam. Name")}, {19, films}, {18, QStringLiteral("Sonologist")}},
                     {17, 16, 15, 14, 13, 12});
        grid = mshflexUltra = newGrid(page, "mshflexUltra");
        interp = txtUltraInterp = newInterpretationBox(page, "txtUltraInterp");
        group = cmdResultU, groupName = "cmdResultU";
        break;
    case Imaging::CT:
        addInfoBlock(page, info, lblXrayInfo, "lblXrayInfo",
                     {{35, QStringLiteral("Trans. No.")}, {34, QStringLiteral("Trans.Date")}, {33, QStringLiteral("Result Date")},
                      {32, QStringLiteral("Exam. Name")}, {31, films}, {30, QStringLiteral("Radiologist")}},
                     {29, 28, 27, 26, 25, 24});
        grid = mshflexCT = newGrid(page, "mshflexCT");
        interp = txtCTInterp = newInterpretationBox(page, "txtCTInterp");
        group = cmdCtexit, groupName = "cmdCtexit";
        break;
    case Imaging::MRI:
        addInfoBlock(page, info, lblMRIInfo, "lblMRIInfo",
                     {{0, QStringLiteral("Trans. No.")}, {1, QStringLiteral("Trans. Date")}, {2, QStringLiteral("Result Date")},
                      {3, QStringLiteral("Exam Name")}, {5, QStringLiteral(" No. of Films")}, {4, QStringLiteral("Radiologist")}},
                     {6, 7, 8, 9, 10, 11});
        grid = MSHFlexMRI = newGrid(page, "MSHFlexMRI");
        interp = txtMRIInterp = newInterpretationBox(page, "txtMRIInterp");
        group = cmdMRIResult, groupName = "cmdMRIResult";
        break;
    case Imaging::WomenCentre:
        addInfoBlock(page, info, lblXrayInfo, "lblXrayInfo",
                     {{47, QStringLiteral("Trans. No.")}, {46, QStringLiteral("Trans. Date")}, {45, QStringLiteral("Result Date")},
                      {44, QStringLiteral("Exam Name")}, {43, QStringLiteral(" No. of Films")}, {42, QStringLiteral("Radiologist")}},
                     {41, 40, 39, 38, 37, 36});
        grid = mshWCResults = newGrid(page, "mshWCResults");
        interp = txtWCInterpretation = newInterpretationBox(page, "txtWCInterpretation");
        group = cmdResultWC, groupName = "cmdResultWC";
        refreshIndex = 3, viewIndex = 1;
        break;
    }
    v->addLayout(info);
    auto* body = new QHBoxLayout;
    body->addWidget(grid, 3);
    auto* frame = new QGroupBox(QStringLiteral("Interpretation"), page);
    auto* fl = new QVBoxLayout(frame);
    fl->addWidget(interp);
    body->addWidget(frame, 2);
    v->addLayout(body, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    group[refreshIndex] = newButton(page, QStringLiteral("%1%2").arg(QString::fromLatin1(groupName)).arg(refreshIndex), QStringLiteral("Refresh"));
    group[viewIndex] = newButton(page, QStringLiteral("%1%2").arg(QString::fromLatin1(groupName)).arg(viewIndex), QStringLiteral("View"));
    group[viewIndex]->setEnabled(false);
    buttons->addWidget(group[refreshIndex]);
    buttons->addWidget(group[viewIndex]);
    v->addLayout(buttons);

    std::function<void(int)> handler;
    switch (s) {
    case Imaging::Xray: handler = [this](int i) { cmdResultX_Click(i); }; break;
    case Imaging::Ultrasound: handler = [this](int i) { cmdResultU_Click(i); }; break;
    case Imaging::CT: handler = [this](int i) { cmdCtexit_Click(i); }; break;
    case Imaging::MRI: handler = [this](int i) { cmdMRIResult_Click(i); }; break;
    case Imaging::WomenCentre: handler = [this](int i) { cmdResultWC_Click(i); }; break;
    }
    for (int i : {refreshIndex, viewIndex}) connect(group[i], &QPushButton::clicked, this, [handler, i] { handler(i); });
    connect(grid, &QTableWidget::cellClicked, this, [this, s] {
        switch (s) {
        case Imaging::Xray: return mshflexXray_Click();
        case Imaging::Ultrasound: return mshflexUltra_Click();
        case Imaging::CT: return mshflexCT_Click();
        case Imaging::MRI: return MSHFlexMRI_Click();
        case Imaging::WomenCentre: return mshWCResults_Click();
        }
    });
    return page;
}

QWidget* ResultsPage::buildSimpleTab(FlexGrid*& grid, const char* name, QLabel** info, const char* infoName,
                                     const QList<QPair<int, QString>>& captions, const QList<int>& values, QTextEdit*& interp,
                                     const char* interpName, QPushButton** refresh, const char* refreshName)
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* g = new QGridLayout;
    addInfoBlock(page, g, info, infoName, captions, values);
    v->addLayout(g);
    auto* body = new QHBoxLayout;
    grid = newGrid(page, name);
    body->addWidget(grid, 3);
    auto* frame = new QGroupBox(QStringLiteral("Interpretation"), page);
    auto* fl = new QVBoxLayout(frame);
    interp = newInterpretationBox(frame, interpName);
    fl->addWidget(interp);
    body->addWidget(frame, 2);
    v->addLayout(body, 1);
    refresh[0] = newButton(page, QString::fromLatin1(refreshName), QStringLiteral("Refresh"));
    v->addWidget(refresh[0], 0, Qt::AlignRight);
    return page;
}

QWidget* ResultsPage::buildHeartTab()
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* g = new QGridLayout;
    addInfoBlock(page, g, lblHEart, "lblHEart",
                 {{0, QStringLiteral("Request No.")}, {1, QStringLiteral("Exam. Date")}, {2, QStringLiteral("Result Date")},
                  {3, QStringLiteral("Exam. Name")}, {4, QStringLiteral("Attending Doctor")}, {5, QStringLiteral("Cardiologist")}},
                 {6, 7, 8, 9, 10, 11});
    v->addLayout(g);
    mshflexHeart = newGrid(page, "mshflexHeart");
    v->addWidget(mshflexHeart, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdExitResultE[1] = newButton(page, QStringLiteral("cmdExitResultE1"), QStringLiteral("Refresh"));
    cmdExitResultE[2] = newButton(page, QStringLiteral("cmdExitResultE2"), QStringLiteral("View"));
    cmdExitResultE[2]->setEnabled(false);
    buttons->addWidget(cmdExitResultE[1]);
    buttons->addWidget(cmdExitResultE[2]);
    v->addLayout(buttons);
    for (int i : {1, 2}) connect(cmdExitResultE[i], &QPushButton::clicked, this, [this, i] { cmdExitResultE_Click(i); });
    connect(mshflexHeart, &QTableWidget::cellClicked, this, [this] { mshflexHeart_Click(); });
    connect(mshflexHeart, &QTableWidget::cellDoubleClicked, this, [this] { mshflexHeart_DblClick(); });
    return page;
}

QWidget* ResultsPage::buildPTTab()
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    mshflexPT = newGrid(page, "mshflexPT");
    v->addWidget(mshflexPT, 1);
    auto* boxes = new QHBoxLayout;
    const char* captions[] = {"Result", "Initial Evaluation", "Endorsement"};
    for (int i = 0; i < 3; ++i) {
        fraPT[i] = new QGroupBox(QString::fromLatin1(captions[i]), page);
        fraPT[i]->setObjectName(QStringLiteral("fraPT%1").arg(i));
        auto* fl = new QVBoxLayout(fraPT[i]);
        txtPT[i] = newInterpretationBox(fraPT[i], "txtPT");
        txtPT[i]->setObjectName(QStringLiteral("txtPT%1").arg(i));
        fl->addWidget(txtPT[i]);
        boxes->addWidget(fraPT[i]);
    }
    v->addLayout(boxes, 1);
    connect(mshflexPT, &QTableWidget::cellClicked, this, [this] { mshflexPT_Click(); });
    return page;
}

QWidget* ResultsPage::buildNeuroTab()
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    mshflexNeuro = newGrid(page, "mshflexNeuro");
    v->addWidget(mshflexNeuro, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdNeuro[0] = newButton(page, QStringLiteral("cmdNeuro0"), QStringLiteral("Refresh"));
    cmdNeuro[1] = newButton(page, QStringLiteral("cmdNeuro1"), QStringLiteral("View"));
    cmdNeuro[1]->setEnabled(false);
    buttons->addWidget(cmdNeuro[0]);
    buttons->addWidget(cmdNeuro[1]);
    v->addLayout(buttons);
    for (int i : {0, 1}) connect(cmdNeuro[i], &QPushButton::clicked, this, [this, i] { cmdNeuro_Click(i); });
    connect(mshflexNeuro, &QTableWidget::cellClicked, this, [this] { mshflexNeuro_Click(); });
    return page;
}

// ---- loading -------------------------------------------------------------------------------

int ResultsPage::LoadSection(FlexGrid* grid, const ResultGridLayout& layout, const std::function<Recordset()>& fetch, bool warning)
{
    try {
        ResultGrids::Reset(*grid, layout);
        const Recordset rs = fetch();
        return ResultGrids::Fill(*grid, layout, rs);
    } catch (const std::exception& e) {
        // The grid keeps its layout and the rows written so far; it stays drawable.
        if (warning) MsgBox(ErrorDescription(e) + QStringLiteral(" Please notify IT department."), vbCritical, QStringLiteral("Warning"));
        else ShowErrorNotice(e);
        return -1;
    }
}

bool ResultsPage::LoadXrayResults()
{
    clearLabels(lblXrayInfo, 6, 11);
    clearLabels(lblXrayInfo, 12, 17);
    clearLabels(lblXrayInfo, 24, 29);
    txtXrayInterp->clear();
    return LoadSection(mshflexXray, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false), [this] {
        return ResultComponent().GetResults(SharedConnection().connectionString(), m_header.txtID->text(), QStringLiteral("1"));
    }, false) >= 0;
}

bool ResultsPage::LoadUltrasoundResults()
{
    txtUltraInterp->clear();
    return LoadSection(mshflexUltra, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), true), [this] {
        return ResultComponent().GetResults(SharedConnection().connectionString(), m_header.txtID->text(), QStringLiteral("2"));
    }, false) >= 0;
}

bool ResultsPage::LoadCTResults()
{
    txtCTInterp->clear();
    return LoadSection(mshflexCT, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), true), [this] {
        return ResultComponent().GetResults(SharedConnection().connectionString(), m_header.txtID->text(), QStringLiteral("3"));
    }, false) >= 0;
}

bool ResultsPage::Get_HeartResults()
{
    clearLabels(lblHEart, 6, 11);
    const int n = LoadSection(mshflexHeart, ResultGrids::LayoutB(), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetHrt"), {m_header.txtID->text()});
    }, false);
    if (n >= 0) mshflexHeart->setEnabled(n > 0);
    return n >= 0;
}

bool ResultsPage::Get_PTResults()
{
    for (QTextEdit* t : txtPT) t->clear();
    const int n = LoadSection(mshflexPT, ResultGrids::LayoutC(), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetPT"), {m_header.txtID->text()});
    }, false);
    if (n >= 0) mshflexPT->setEnabled(n > 0);
    return n >= 0;
}

bool ResultsPage::Get_NuclearResults()
{
    clearLabels(lblNuclearInfo, 5, 9);
    txtNucInterp->clear();
    const int n = LoadSection(mshflexNuclear, ResultGrids::LayoutA(QStringLiteral("TRANS. NO."), true), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetNuclear"), {m_header.txtID->text()});
    }, false);
    if (n >= 0) mshflexNuclear->setEnabled(n > 0);
    return n >= 0;
}

bool ResultsPage::LoadPulmonaryResults()
{
    clearLabels(lblPulmoInfo, 5, 9);
    txtPulmoInterpretation->clear();
    const int n = LoadSection(mshflexPulmo, ResultGrids::LayoutA(QStringLiteral("TRANS. NO."), true), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetPulmo"), {m_header.txtID->text()});
    }, false);
    if (n >= 0) mshflexPulmo->setEnabled(n > 0);
    return n >= 0;
}

bool ResultsPage::LoadNeurologyResults()
{
    const int n = LoadSection(mshflexNeuro, ResultGrids::LayoutD(), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetNeuro"), {m_header.txtID->text()});
    }, false);
    if (n == 0) {
        mshflexNeuro->setEnabled(false);
        cmdNeuro[1]->setEnabled(false);
    } else if (n > 0) {
        mshflexNeuro->setEnabled(true);
    }
    return n >= 0;
}

bool ResultsPage::LoadMRIResults()
{
    clearLabels(lblMRIInfo, 6, 11);
    txtMRIInterp->clear();
    const int n = LoadSection(MSHFlexMRI, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetMRI"), {m_header.txtID->text().trimmed()});
    }, true);
    MSHFlexMRI->setEnabled(n > 0);
    return n >= 0;
}

bool ResultsPage::LoadWomenCentreResults()
{
    clearLabels(lblXrayInfo, 36, 41);
    txtWCInterpretation->clear();
    const int n = LoadSection(mshWCResults, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false), [this] {
        return SharedConnection().call(QStringLiteral("STATION..Nurse_GetWC"), {m_header.txtID->text().trimmed()});
    }, true);
    mshWCResults->setEnabled(n > 0);
    return n >= 0;
}

void ResultsPage::tabSSTab2_Click()
{
    struct Page { bool WorkspacePageFlags::*flag; bool (ResultsPage::*load)(); };
    static const Page pages[] = {{nullptr, nullptr},
                                 {&WorkspacePageFlags::UltrasoundResultsStale, &ResultsPage::LoadUltrasoundResults},
                                 {&WorkspacePageFlags::CTResultsStale, &ResultsPage::LoadCTResults},
                                 {&WorkspacePageFlags::LabResultsStale, &ResultsPage::LoadLabResults},
                                 {&WorkspacePageFlags::HeartResultsStale, &ResultsPage::Get_HeartResults},
                                 {&WorkspacePageFlags::PTResultsStale, &ResultsPage::Get_PTResults},
                                 {&WorkspacePageFlags::NuclearResultsStale, &ResultsPage::Get_NuclearResults},
                                 {&WorkspacePageFlags::PulmoResultsStale, &ResultsPage::LoadPulmonaryResults},
                                 {&WorkspacePageFlags::NeuroResultsStale, &ResultsPage::LoadNeurologyResults},
                                 {&WorkspacePageFlags::MRIResultsStale, &ResultsPage::LoadMRIResults}};
    const int tab = tabSSTab2->currentIndex();
    if (tab < 1 || tab > 9) return;
    bool& stale = WorkspacePages.*(pages[tab].flag);
    if (!stale) return;
    // A failed load leaves the section marked, so its next visit tries again.
    stale = !(this->*(pages[tab].load))();
}

void ResultsPage::ClearForNewPatient()
{
    const std::pair<FlexGrid*, ResultGridLayout> grids[] = {
        {mshflexXray, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false)},
        {mshflexUltra, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), true)},
        {mshflexCT, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), true)},
        {mshflexLab, ResultGrids::LabList()},
        {mshflexHeart, ResultGrids::LayoutB()},
        {mshflexPT, ResultGrids::LayoutC()},
        {mshflexNuclear, ResultGrids::LayoutA(QStringLiteral("TRANS. NO."), true)},
        {mshflexPulmo, ResultGrids::LayoutA(QStringLiteral("TRANS. NO."), true)},
        {mshflexNeuro, ResultGrids::LayoutD()},
        {MSHFlexMRI, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false)},
        {mshWCResults, ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false)}};
    for (const auto& [grid, layout] : grids) ResultGrids::Reset(*grid, layout);
    mshflexLabTabular->clearContents();
    mshflexLabTabular->setRows(1);
    // The value boxes (the captions stay).
    for (int from : {6, 12, 24, 36}) clearLabels(lblXrayInfo, from, from + 5);
    clearLabels(lblMRIInfo, 6, 11);
    clearLabels(lblHEart, 6, 11);
    clearLabels(lblNuclearInfo, 5, 9);
    clearLabels(lblPulmoInfo, 5, 9);
    for (QTextEdit* t : {txtXrayInterp, txtUltraInterp, txtCTInterp, txtNucInterp, txtPulmoInterpretation, txtMRIInterp,
                         txtWCInterpretation, txtPT[0], txtPT[1], txtPT[2]})
        t->clear();
    for (QPushButton* b : {cmdResultX[2], cmdResultU[2], cmdCtexit[2], cmdMRIResult[2], cmdResultWC[1], cmdExitResultE[2], cmdNeuro[1],
                           cmdLabView[0], cmdLabView[1], cmdTabular})
        b->setEnabled(false);
    SelectedLabReference.clear();
}

void ResultsPage::cmdNuclear_Click(int index)
{
    if (index == 0) Get_NuclearResults();
}

void ResultsPage::cmdPulmo_Click(int index)
{
    if (index == 0) LoadPulmonaryResults();
}
