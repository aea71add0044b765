#pragma once
// The state of one run, shared by every window, in a few owned groups: the session (objects of the run,
// station, server, hospital), the patient the lists selected, the answers of the shared dialogs, the
// workspace's page flags and the report values. Each group has a reset() that its owning action calls,
// so an answer or a selection of an earlier action never reaches the next one.
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <memory>

class clsCurrentuser;
class clsCodeSearch;
class KeyPress;
class clsPatientSearch;
class clsDrug;
class clsICDCodeSearch;
class NurseActivityComponent;
class clsListDrugs;
class Labresultviewer;
class clsChargeSlip;
class clsIssuedMedicines;
class Patient;
class clsCF4;
class clsParameters;
class Connection;
class Report;
class QObject;

struct HospitalInfoFlags {
    bool Bygeneric = false;
    bool IsNursePrint = false;
    bool IsLBDirectCharging = false, IsXRDirectCharging = false, IsCTDirectCharging = false,
         IsUSDirectCharging = false, IsHSDirectCharging = false;
    bool IsShowAmount = false;
    bool IsPrintChargeSlip = false;
    bool IsAllowSupervisorCodeForCancellationOfCharges = false;
    bool IsAllowClinicalAssessmentWithoutValidation = false;
    bool IsAllowEntryOfReasonForCancellation = false;
    int PSIOxygenComputationType = 0;
    bool isstat = false;
    bool AllowZeroOnHand = false;
    bool IsCompanyPrice = false;
    bool HighAlert = false;
    bool IsAllowOPDShowLabSpecimen = false;
};

struct NursingSettingsFlags {
    bool ShowPrecautions = false;
    bool ValidateUnusedMedClearance = false;
    bool NoRequestingAfterFinalNotice = false;
    bool PrintPHCSRequest = false;
};

// The run itself: the objects the start-up creates (released at the end of the run), the station, the
// server and the hospital information. Filled at start-up and log-in; reset only with the whole run.
struct SessionState {
    clsCurrentuser* CurrentUser = nullptr;
    clsCodeSearch* CodeSearch = nullptr;
    KeyPress* KeyPressHelper = nullptr;
    KeyPress* KeyPressHelper2 = nullptr;
    clsPatientSearch* PatientSearch = nullptr;
    clsDrug* DrugCatalog = nullptr;
    clsICDCodeSearch* ICDCodeSearch = nullptr;
    NurseActivityComponent* RequestService = nullptr;
    NurseActivityComponent* ResultService = nullptr;
    NurseActivityComponent* ConfinementService = nullptr;
    NurseActivityComponent* ConfinementResultService = nullptr;
    clsListDrugs* DrugList = nullptr;
    clsListDrugs* DrugListCSR = nullptr;
    Labresultviewer* LabResultViewer = nullptr;
    clsChargeSlip* ChargeSlipList = nullptr;
    clsIssuedMedicines* IssuedMedicineList = nullptr;
    Patient* PatientRecord = nullptr;
    clsCF4* CF4Checker = nullptr;
    QObject* LabTabularFormatter = nullptr;

    QVariant CurrentStationID;
    QVariant CurrentStationName;
    QDateTime ServerDate;
    QString DcomServerName;
    // The station parameter as last read: whether a unit price may be typed on every entry row. Read,
    // never written, by the entry windows (the charging entry derives its own per-row flag from it).
    bool AllowEditAmount = false;

    // Hospital information and station settings (filled by LoadHospitalInfo).
    QString HospName, HospAddress, HospPhone, HospClientName;
    HospitalInfoFlags HospitalInfo;
    NursingSettingsFlags NursingSettings;

    QString PendingExamMessageHead, PendingExamMessageTail;
    bool AltGridLayout = false;

    void reset() { *this = SessionState(); }
};

// The patient the patient lists selected. A list resets it before it selects; a window that acts on a
// patient keeps its own copy of what it needs, since another list may select meanwhile.
struct SelectionState {
    QString SelectedHospNum, SelectedIDNum, SelectedPatientType, SelectedPatientName, SelectedPatientAddress,
        SelectedCompany, SelectedAdmissionDate, SelectedDischargeDate, SelectedRoom, SelectedRoomRate,
        SelectedRoomClass, SelectedAccountNum;
    int SelectedListRow = 0, SelectedGridRow = 0;
    QString PatientAddressLine;
    QVariant AttendingDoctorCode;
    QString PatientTransplantID, PatientDialysisID, PatientTransplantText, PatientDialysisText;
    // The imaging section ("XR", "US", "CT") whose results the stand-alone imaging window lists.
    QString ImagingSectionCode;

    void reset() { *this = SelectionState(); }
};

// The answers of the shared dialogs. Each dialog empties its own answers when it opens (one dialog may
// read another's answer of the same action, as the supervisor approval reads the typed reason), and an
// action that reads answers it did not ask for in this run of the action calls reset() first.
struct DialogAnswerState {
    // user validation; CancelReason also carries the supervisor approval's "Allowed " reason
    QString ValidatedUserID, ValidatedUserName, CancelReason;
    // supervisor approval
    QString SupervisorUserID;
    // requesting doctor
    QString RequestingDoctorID, RequestingDoctorName;
    // yes/no message: true only for "YES"
    bool PickedChoice = false;
    // mark-up settings: 1 multiply, 2 add, 0 none
    int MarkupOperation = 0;
    double MarkupValue = 0;
    int ConsumedPSI = 0;
    // patient and specimen pickers
    QString PickedSpecimenID, PickedHospNum, PickedIDNum, PickedPatientName;
    // exam order entry
    QString ExamOrderStat, ExamOrderRemarks, ExamOrderReason;
    bool ExamOrderAMPickUp = false, UsePortableMachine = false;
    QString ExamOrderSpecimen;
    bool HasSeveralSpecimens = false;
    QString LastRequestRefNum;
    bool SlipNumberTaken = false;
    // remarks and specimen of one clinical assessment line
    QString AssessmentRemarks, AssessmentSpecimen;

    void reset() { *this = DialogAnswerState(); }
    void resetValidation();
    void resetSupervisor();
    void resetRequestingDoctor();
    void resetPickedChoice() { PickedChoice = false; }
    void resetMarkup();
    void resetPickedPatient();
    void resetExamOrder();
    void resetAssessmentRemarks();
};

// The workspace's lazily loaded pages: a set flag loads the page again at its next showing.
struct WorkspacePageFlags {
    bool UltrasoundResultsStale = false, XrayResultsStale = false, CTResultsStale = false,
         ConfinementsStale = false, LabResultsStale = false, HeartResultsStale = false, PTResultsStale = false,
         NuclearResultsStale = false, PulmoResultsStale = false, NeuroResultsStale = false,
         MRIResultsStale = false;

    void reset() { *this = WorkspacePageFlags(); }
    // Every hand-off and every workspace load: no page may show the previous patient's results.
    void markAllStale();
    bool allStale() const;
};

// Values of the report being prepared.
struct ReportState {
    std::shared_ptr<Report> CurrentReport; // the report the last PrepareReport opened
    QString ReportDateFrom, ReportDateTo;
    bool ReportPicturePending = false;
    QString ReportPicturePath;
    QString SlipReportParam5, SlipReportParam12;

    void reset() { *this = ReportState(); }
};

extern SessionState Session;
extern SelectionState Selection;
extern DialogAnswerState DialogAnswers;
extern WorkspacePageFlags WorkspacePages;
extern ReportState ReportValues;

// The one station-parameters object, created on first use.
clsParameters& StationParameters();
bool StationParametersCreated();

// The run's connection (CurrentUser's sqlConnection); throws DbError when there is none.
Connection& SharedConnection();

// Empties every group of the run (tests start each case from a fresh run).
void ResetGlobals();
