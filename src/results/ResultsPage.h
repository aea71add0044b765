#pragma once
#include <QString>
#include <QWidget>
#include <functional>

class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class Recordset;
class clsResults;
struct PatientContext;
struct ResultGridLayout;

// The header boxes of the workspace that the results tab reads (never writes), and the workspace's
// patient (its hospital number and address go on the printed results).
struct ResultsPatientHeader {
    QLineEdit *txtID = nullptr, *txtPno = nullptr, *txtPatient = nullptr, *txtSex = nullptr, *txtAge = nullptr,
              *txtRoom = nullptr, *txtDoctor2 = nullptr, *txtStatus = nullptr;
    const PatientContext* patient = nullptr;
};

// The workspace's results tab: one sub-tab per section that posts results for the open admission,
// each with its list, the particulars and interpretation of the clicked row, and its Refresh and
// View buttons. A section's list is loaded on its first visit after the patient changed (the
// workspace's page flags).
class ResultsPage : public QWidget {
    Q_OBJECT
public:
    ResultsPage(const ResultsPatientHeader& header, QWidget* parent = nullptr);

    QTabWidget* tabSSTab2 = nullptr;

    // X-ray, ultrasound, CT and centre for women share the label array (values and captions).
    QLabel* lblXrayInfo[48] = {};
    QLabel* lblMRIInfo[12] = {};
    QLabel* lblNuclearInfo[10] = {};
    QLabel* lblPulmoInfo[10] = {};
    QLabel* lblHEart[12] = {};
    FlexGrid *mshflexXray = nullptr, *mshflexUltra = nullptr, *mshflexCT = nullptr, *mshflexLab = nullptr,
             *mshflexLabTabular = nullptr, *mshflexHeart = nullptr, *mshflexPT = nullptr, *mshflexNuclear = nullptr,
             *mshflexPulmo = nullptr, *mshflexNeuro = nullptr, *MSHFlexMRI = nullptr, *mshWCResults = nullptr;
    QTextEdit *txtXrayInterp = nullptr, *txtUltraInterp = nullptr, *txtCTInterp = nullptr, *txtNucInterp = nullptr,
              *txtPulmoInterpretation = nullptr, *txtMRIInterp = nullptr, *txtWCInterpretation = nullptr;
    QTextEdit* txtPT[3] = {};
    QGroupBox* fraPT[3] = {};
    // Button groups by index; an index the group does not have is null.
    QPushButton* cmdResultX[3] = {};     // 0 Refresh, 2 View
    QPushButton* cmdResultU[3] = {};
    QPushButton* cmdCtexit[3] = {};
    QPushButton* cmdMRIResult[3] = {};
    QPushButton* cmdResultWC[4] = {};    // 3 Refresh, 1 View
    QPushButton* cmdExitResultE[3] = {}; // 1 Refresh, 2 View
    QPushButton* cmdExitResultL[2] = {}; // 1 Refresh
    QPushButton* cmdLabView[2] = {};     // 0 per exam, 1 per charge slip
    QPushButton* cmdNuclear[1] = {};
    QPushButton* cmdPulmo[1] = {};
    QPushButton* cmdNeuro[2] = {};       // 0 Refresh, 1 View
    QPushButton* cmdTabular = nullptr;

    // The trimmed reference (charge slip) of the last clicked laboratory row.
    QString SelectedLabReference;

    // Loaders: true when the list was read (a failure has been reported).
    bool LoadXrayResults();
    bool LoadUltrasoundResults();
    bool LoadCTResults();
    bool LoadPulmonaryResults();
    bool LoadNeurologyResults();
    bool LoadMRIResults();
    bool LoadWomenCentreResults();
    bool Get_HeartResults();
    bool Get_PTResults();
    bool Get_NuclearResults();
    bool LoadLabResults();
    // The sub-tab strip: the chosen section's list is loaded when its page flag is set.
    void tabSSTab2_Click();
    // Another patient in the workspace: every list, box and View button is emptied, so no section
    // shows the earlier patient's results before it is loaded again.
    void ClearForNewPatient();

    // Row clicks.
    void mshflexXray_Click();
    void mshflexUltra_Click();
    void mshflexCT_Click();
    void MSHFlexMRI_Click();
    void mshWCResults_Click();
    void mshflexNuclear_Click();
    void mshflexPulmo_Click();
    void mshflexHeart_Click();
    void mshflexPT_Click();
    void mshflexNeuro_Click();
    void mshflexLab_Click();
    void mshflexHeart_DblClick();
    void mshflexLabTabular_Click();

    // Buttons.
    void cmdResultX_Click(int index);
    void cmdResultU_Click(int index);
    void cmdCtexit_Click(int index);
    void cmdMRIResult_Click(int index);
    void cmdResultWC_Click(int index);
    void cmdExitResultE_Click(int index);
    void cmdExitResultL_Click(int index);
    void cmdLabView_Click(int index);
    void cmdNuclear_Click(int index);
    void cmdPulmo_Click(int index);
    void cmdNeuro_Click(int index);
    void cmdTabular_Click();
    void PrintHeartPackageResults(const QString& idNum, const QString& requestNum);

private:
    static clsResults& ResultComponent();
    enum class Imaging { Xray, Ultrasound, CT, MRI, WomenCentre };
    // The controls of one imaging tab: its grid, interpretation, view button and value boxes.
    struct ImagingControls {
        FlexGrid* grid;
        QTextEdit* interp;
        QPushButton* view;
        int number, transDate, resultDate, exam, doctor, films; // value boxes of lblXrayInfo or lblMRIInfo
        QLabel* const* labels;
    };
    ImagingControls controlsOf(Imaging section) const;

    QWidget* buildImagingTab(Imaging section);
    QWidget* buildLabTab();
    QWidget* buildHeartTab();
    QWidget* buildPTTab();
    // The nuclear and pulmonary pages: header block, list, interpretation and Refresh.
    QWidget* buildSimpleTab(FlexGrid*& grid, const char* name, QLabel** info, const char* infoName,
                            const QList<QPair<int, QString>>& captions, const QList<int>& values, QTextEdit*& interp,
                            const char* interpName, QPushButton** refresh, const char* refreshName);
    QWidget* buildNeuroTab();
    FlexGrid* newGrid(QWidget* parent, const char* name);
    QPushButton* newButton(QWidget* parent, const QString& name, const QString& caption);

    // A section loader's common part: lays out the grid, fetches and fills it. Returns the records
    // found, or -1 after a failure (reported by the "Warning" message when `warning`, else by the
    // common error notice).
    int LoadSection(FlexGrid* grid, const ResultGridLayout& layout, const std::function<Recordset()>& fetch, bool warning);
    void ImagingRowClick(Imaging section);
    void PrintImagingResult(Imaging section);
    // The prints of one heart-station form type for a request number.
    void PrintHeartForm(const QString& formType, const QString& requestNum);

    ResultsPatientHeader m_header;
};
