#pragma once
// The state of one run, shared by every window: the objects of the run, the station, the hospital
// information, the current patient, the answers of the shared dialogs and the workspace's reload
// flags. Every window reads and writes these same variables.
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

// Objects of the run.
extern clsCurrentuser* CurrentUser;
extern clsCodeSearch* CodeSearch;
extern KeyPress* KeyPressHelper;
extern KeyPress* KeyPressHelper2;
extern clsPatientSearch* PatientSearch;
extern clsDrug* DrugCatalog;
extern clsICDCodeSearch* ICDCodeSearch;
extern NurseActivityComponent* RequestService;
extern NurseActivityComponent* ResultService;
extern NurseActivityComponent* ConfinementService;
extern NurseActivityComponent* ConfinementResultService;
extern clsListDrugs* DrugList;
extern clsListDrugs* DrugListCSR;
extern Labresultviewer* LabResultViewer;
extern clsChargeSlip* ChargeSlipList;
extern clsIssuedMedicines* IssuedMedicineList;
extern Patient* PatientRecord;
extern clsCF4* CF4Checker;
extern QObject* LabTabularFormatter;
// The one station-parameters object, created on first use.
clsParameters& StationParameters();
bool StationParametersCreated();

// The run's connection (CurrentUser's sqlConnection); throws DbError when there is none.
Connection& SharedConnection();

// Station, server and log-in.
extern QVariant CurrentStationID;
extern QVariant CurrentStationName;
extern QDateTime ServerDate;
extern QString DcomServerName;
extern bool AllowEditAmount;

// Hospital information and station settings (filled by LoadHospitalInfo).
extern QString HospName, HospAddress, HospPhone, HospClientName;
extern HospitalInfoFlags HospitalInfo;
extern NursingSettingsFlags NursingSettings;

// Current patient selection.
extern QString SelectedHospNum, SelectedIDNum, SelectedPatientType, SelectedPatientName, SelectedPatientAddress,
    SelectedCompany, SelectedAdmissionDate, SelectedDischargeDate, SelectedRoom, SelectedRoomRate, SelectedRoomClass,
    SelectedAccountNum;
extern int SelectedListRow, SelectedGridRow;
extern QString PatientAddressLine;
extern QVariant AttendingDoctorCode;
extern QString PatientTransplantID, PatientDialysisID, PatientTransplantText, PatientDialysisText;

// Dialog results.
extern QString ValidatedUserID, ValidatedUserName, CancelReason, SupervisorUserID;
extern QString RequestingDoctorID, RequestingDoctorName;
extern bool PickedChoice;
extern int MarkupOperation;
extern double MarkupValue;
extern int ConsumedPSI;
extern QString PickedSpecimenID, PickedHospNum, PickedIDNum, PickedPatientName;
extern QString ExamOrderStat, ExamOrderRemarks, ExamOrderReason;
extern bool ExamOrderAMPickUp, UsePortableMachine;
extern QString ExamOrderSpecimen;
extern bool HasSeveralSpecimens;
extern QString LastRequestRefNum;
extern bool SlipNumberTaken;

// Workspace reload flags.
extern bool UltrasoundResultsStale, XrayResultsStale, CTResultsStale, ConfinementsStale, LabResultsStale,
    HeartResultsStale, PTResultsStale, NuclearResultsStale, PulmoResultsStale, NeuroResultsStale, MRIResultsStale;
// Marks all eleven lazily loaded workspace pages to load again at their next showing.
void MarkWorkspacePagesStale();

// Report values.
extern std::shared_ptr<Report> CurrentReport; // the report the last PrepareReport opened
extern QString ReportDateFrom, ReportDateTo;
extern bool ReportPicturePending;
extern QString ReportPicturePath;
extern QString SlipReportParam5, SlipReportParam12;

// Other shared values.
extern QString PendingExamMessageHead, PendingExamMessageTail;
extern QString RevenueLocationID;
extern bool AltGridLayout;

// Empties every variable of the run (tests start each case from a fresh run).
void ResetGlobals();
