#pragma once
#include "platform/ui/WindowRegistry.h"
#include "shared/patient/PatientContext.h"

#include <QListWidget>
#include <QWidget>

class FlexGrid;
class QCalendarWidget;
class QDateTime;
class QLabel;
class QTreeWidget;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTimer;
class ResultsPage;

// The procedures workspace: one patient's header, the pages of ordering, request status, results,
// chart and clinical summary, and the action bar. It exists once; referring to it loads it. Every
// window opened from it is given a copy of the open patient (Patient), never its boxes.
class frmFinal : public QWidget, public SingleWindow<frmFinal> {
    Q_OBJECT
public:
    frmFinal();
    ~frmFinal() override;

    // Header boxes (only the hand-off writes txtID and txtPno).
    QLineEdit *txtID = nullptr, *txtPno = nullptr, *txtPatient = nullptr, *txtSex = nullptr, *txtStatus = nullptr,
              *txtDob = nullptr, *txtAge = nullptr, *txtRoom = nullptr, *txtPxAccount = nullptr, *txtDoctor1 = nullptr,
              *txtDoctor2 = nullptr, *txtDoctor3 = nullptr, *txtDateAdmitted = nullptr, *txtDateDischarged = nullptr,
              *txtDiagnosis = nullptr, *txtAdiet = nullptr, *txtBloodType = nullptr;
    // Boxes of the profile page that the header load fills.
    QLineEdit *txtADMDiagnosis = nullptr, *txtChiefComplaints = nullptr, *txtImpression = nullptr,
              *txtMannerOfAdmission = nullptr;
    QLabel* lblPhilhealth[2] = {};
    class QFrame* pctMeter = nullptr; // "Loading Patient Records" while the request status loads
    QLabel* lblMeter = nullptr;
    // The account number of the stay, read by the laboratory request form save.
    QString HeaderAccountNumber;
    // The first attending doctor's code of the stay (the visit's first doctor), as the load read it.
    QString HeaderDoctorCode;
    // The open patient: the hand-off gives its numbers (setPatient), the header load the rest.
    // The ordering, the gates and every window opened from here act on this copy.
    PatientContext Patient;
    void setPatient(const PatientContext& patient);

    QTabWidget* tabSSTab1 = nullptr;
    QTabWidget* tabSSTab2 = nullptr; // the results tab's section strip (Results->tabSSTab2)
    ResultsPage* Results = nullptr;   // the results tab
    QTimer* Timer1 = nullptr;
    QCalendarWidget* MonthView1 = nullptr;

    // Operating-room schedule request.
    class DaySchedule* Schedule1 = nullptr;
    class QDateEdit* dtpSchedule = nullptr;
    class QComboBox* cboStartTime = nullptr;
    QLineEdit* txtOperation[2] = {};        // 0 code, 1 name
    QLineEdit* txtSurgeon[2] = {};
    QLineEdit* txtAnesthesiologist[2] = {};
    QLineEdit* txtScheduleRemarks = nullptr;
    QPushButton *cmdProcedure = nullptr, *Command1 = nullptr, *Command2 = nullptr;
    QPushButton* cmdSaveSchedule[3] = {};   // "Save", "Exit", panel "Exit"
    QWidget* pictSchedule = nullptr;
    QLineEdit* txtScheduleRoom2 = nullptr;
    QLineEdit* txtDuration[6] = {};         // 2 start, 3 length, 4 details, 5 date
    void LoadORRooms();
    void ResetScheduleEntry();
    void LoadORSchedule();
    void MonthView1_DateClick(const QDate& day);
    void Schedule1_BookingEvent(int number);
    void cmdSaveSchedule_Click(int index);
    // True when a doctor was chosen.
    bool SearchDoctor(QLineEdit* const* pair);
    void cmdProcedure_Click();
    // Keys of the request's boxes: Enter searches, doctors' names in capitals. True: handled.
    bool ScheduleKey(QObject* watched, const class QKeyEvent* key);

    // Ordering page.
    FlexGrid* mshflexOrders = nullptr;      // 18 columns, exam code in column 2
    FlexGrid* mshflexProfileList = nullptr; // the hidden profile grid beside it
    QListWidget *lstListLaboratory = nullptr, *lstListXray = nullptr, *lstListUltra = nullptr, *lstListOthers = nullptr;
    QPushButton *cmdLabMore = nullptr, *cmdXrayMore = nullptr, *cmdUltraMore = nullptr, *cmdSave = nullptr,
                *cmdDelete = nullptr;

    void mshflexOrders_DblClick();
    void cmdDelete_Click();
    void lstListOthers_Click(QListWidgetItem* item);
    void cmdLabMore_Click();
    void cmdUltraMore_Click();
    void cmdXrayMore_Click();
    // Set by CheckPatientRoom: the patient lies in another room than the header shows.
    bool PatientTransferred = false;
    void CheckPatientRoom();
    // Sends the orders in one transaction; true when they were saved. A failure is shown and
    // leaves the orders on screen.
    bool SaveOrders();
    void SaveLabRequestForm(const QDateTime& serverDate);
    void PrintLabRequestForm(const QString& stat, const QString& section);
    // The request number of the laboratory request of the last save (when it gave one).
    QString LastRequestNum;

    // Request status page: 0 processed, 1 pending, 2 exams with results; the assessments.
    FlexGrid* mshflexProcessed[3] = {};
    FlexGrid* MSHFlexList = nullptr;
    class QGroupBox* fraList = nullptr;
    QLineEdit* txtMessage = nullptr;
    QLabel* imgRequest[4] = {};
    QPushButton* cmdView0 = nullptr;
    void mshflexProcessed_DblClick(int index);
    void cmdView_Click(int index);

    // Request status page: the nurse reports and the pending-request images.
    FlexGrid* mshflexReports = nullptr;
    QPushButton* imgPendingRequest[2] = {};
    // A second way to some nurse reports; hidden and disabled, nothing shows them.
    QLabel* lblReports[7] = {};
    void lblReports_Click(int index);
    void lblReports_MouseMove(int index);
    QPushButton *cmdResultX2 = nullptr, *cmdResultU2 = nullptr, *cmdCtexit2 = nullptr;

    // Nurses' notes: "Notes Entry" and "Past Notes".
    QTabWidget* SSNotebookNotes = nullptr;
    class QDateTimeEdit* dtpNotes[4] = {}; // 0 date, 1 time of a new note; 2 date, 3 time of a past one
    class QComboBox* cboShift[2] = {};
    class QPlainTextEdit *txtNotesEntry = nullptr, *txtPrevNotes = nullptr;
    QPushButton* cmdSaveNotes[3] = {}; // "Save", "Edit", "Update"
    FlexGrid* mshflexPrevNotes = nullptr;
    QLabel* lblInfo13 = nullptr; // the nurse who entered the selected note
    void LoadNursesNotes();
    void cmdSaveNotes_Click(int index);
    void mshflexPrevNotes_Click();
    void txtNotesEntry_Change();
    // The nurse whom Edit validated: Update checks ownership with this ID, not with a later validation.
    QString NotesEditUserID;
    // The admission whose past note the "Past Notes" fields show.
    QString NotesShownIDNum;

    // Vital signs.
    QLineEdit* txtBloodPressure[2] = {};
    QLineEdit *txtTemperature = nullptr, *txtRespiratoryrate = nullptr, *txtPulserate = nullptr;
    QPushButton* cmdSaveVitalSign = nullptr;
    QPushButton* cmdPrintVitalSigns = nullptr;
    QPushButton* cmdVitalExit[2] = {}; // "&Exit", "&Refresh"
    FlexGrid* mshflexProcessed3 = nullptr;  // element 3 of the request status grids: the vital signs
    void Get_VitalSigns();
    void cmdSaveVitalSign_Click();
    void cmdPrintVitalSigns_Click();
    // Enter in a vital-signs box: range question and the move to the next field.
    void VitalSignEnter(QLineEdit* box);
    // Keys of the vital-signs boxes: Enter as above, only digits, "." and "/". True: handled.
    bool VitalSignKey(QObject* watched, const class QKeyEvent* key);

    // Clinical summary.
    QTextEdit* rtbClinical = nullptr;
    FlexGrid* mshflexClin = nullptr;
    QLabel* lblClinHEad[19] = {};
    QPushButton* cmdClinical[2] = {};       // "&View", "Exit"
    QPushButton* cmdClinicalOption[2] = {}; // "Refresh", "Print"
    QPushButton* cmdViewSummary = nullptr;  // on the profile page
    // Patient profile.
    QTabWidget* tabPatientProfile = nullptr;
    class QCheckBox* chkAllergy[12] = {};
    class QCheckBox* chkPH[18] = {};
    class QCheckBox* chkFH[8] = {};
    class QCheckBox* chkPSH[3] = {};
    class QPlainTextEdit *txtAllergyOthers = nullptr, *txtFMOthers = nullptr, *txtBriefHistory = nullptr, *txtSkin = nullptr,
                         *txtHeadNeck = nullptr, *txtThorax = nullptr, *txtAbdomen = nullptr, *txtExtremeties = nullptr,
                         *txtLympNodes = nullptr, *txtGenitalia = nullptr, *txtRectal = nullptr, *txtNeurological = nullptr,
                         *txtOtherPE = nullptr;
    QPushButton *cmdUpdate = nullptr, *cmdSaveprofile = nullptr, *cmdProfileRefresh = nullptr, *cmdEXitProfile = nullptr;
    void LoadPatientProfile();
    void cmdUpdate_Click();
    void cmdSaveprofile_Click();
    void cmdEXitProfile_Click();
    void chkHistory_Click(class QCheckBox* const* group, int index);
    class QProgressBar* ProgressBarMeter = nullptr;
    // The confinement row last clicked: "Print" prints its summary.
    QString ConfinementIDNum;

    // Action bar: elements 0 to 9 (there is no element 8).
    QPushButton* cmdNextPatient[10] = {};
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdPrecautions = nullptr;
    QTimer* tmrPrecautions = nullptr;
    QTimer* tmrBlinkPrecautions = nullptr;
    int BlinkStep = 0; // 0 to 11, kept between blink runs
    void tmrBlinkPrecautions_Timer();
    void cmdPrecautions_Click();

    // Loading, the patient load and the header.
    void Form_Initialize();
    void Timer1_Timer();
    void LoadPatientHeader();
    void LoadRequestStatus();
    // True when the list was read; a failure was reported and leaves the page flag set.
    bool LoadXrayResults();
    void LoadConfinements();
    void BuildClinicalSummary();
    void mshflexClin_Click();
    void cmdClinical_Click(int index);
    void cmdClinicalOption_Click(int index);
    void cmdViewSummary_Click();
    void tabSSTab1_Click(int previousTab);
    void imgPendingRequest_Click(int index);
    void mshflexReports_DblClick();
    void cmdExit_Click();
    void cmdSave_Click();
    void tmrPrecautions_Timer();
    // True when the orders grid holds an order not yet sent.
    bool HasUnsentOrder() const;

    // Account flags and entry gates.
    void RefreshAccountFlags();
    void CSR();
    // The sixteen header boxes whose texts the charging and assessment windows show, in the order
    // of PatientContext::headerTexts().
    QList<QLineEdit*> PatientHeaderBoxes() const;
    // Steps 3 to 6 of preparing an entry window: its department list gets the rows (RevenueID,
    // ItemName) appended, its department code label the station ID, the caption when one is given. The header
    // comes with the patient the window is given (setPatient).
    void FillEntryWindow(QWidget* target, QTreeWidget* list, QLabel* code, const QList<QPair<QString, QString>>& departments,
                         const QString& caption);

    // Action bar and function keys.
    void cmdNextPatient_Click(int index);
    // The window's key handler; returns the key code afterwards (0: handled).
    int Form_KeyDown(int keyCode);
    // The parameters of the statement of account, in report order.
    QVariantList StatementOfAccountParams() const;

    // What the last patient load read (in-patient flags), for the gates.
    bool InPatientLoaded = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OpenPharmacyEntry();
    void OpenChargingEntry();
    void OpenCashAssessment();
    void OpenClinicalAssessment();
    // The action bar's steps for one element; cmdNextPatient_Click reports what they raise.
    void RunActionBarElement(int index);
    // Steps 2 to 7 of preparing an entry window that takes the header boxes; shows it after.
    void PrepareEntryWindow(const QString& windowName, const QString& departmentSql, const QVariantList& args,
                            const QString& caption);
    void buildHeader(class QGridLayout* grid);
    void buildNotesPage(QWidget* page);
    void buildSchedulePage(QWidget* page);
    void buildProfilePage(QWidget* page, class QGridLayout* admitting);
    void buildVitalsPage(QWidget* page);
    void buildPages();
    void buildActionBar(class QVBoxLayout* bar);
    void buildOrdering();
    void buildRequestStatus(QWidget* page, class QGridLayout* status);
    void PrepareStatusGrid(int index);
    // The request component of the run (start-up's, else the workspace's own), on the connection.
    static class clsRequest& RequestComponent();
    void setTabOn(QTabWidget* tabs, int index, bool on);
    void unloadPickers(bool withNeurology);
    void ReturnToPatientList();
    void PatientChanged();
    // Empties the header's texts and the caption's package notes.
    void ClearPatientHeader();
    void EnableChartSaves();
    int m_lastTab = 0;
    bool m_inTabSwitch = false;
};
