#include "shared/modGlobals.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/DbError.h"
#include "shared/clsParameters.h"

#include <memory>

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

namespace {
std::unique_ptr<clsParameters>& parametersHolder()
{
    static std::unique_ptr<clsParameters> p;
    return p;
}
}

clsParameters& StationParameters()
{
    auto& p = parametersHolder();
    if (!p) p = std::make_unique<clsParameters>();
    return *p;
}

bool StationParametersCreated() { return parametersHolder() != nullptr; }

Connection& SharedConnection()
{
    if (!CurrentUser || !CurrentUser->sqlConnection())
        throw DbError(QStringLiteral("There is no connection to the database."));
    return *CurrentUser->sqlConnection();
}

QVariant CurrentStationID;
QVariant CurrentStationName;
QDateTime ServerDate;
QString DcomServerName;
bool AllowEditAmount = false;

QString HospName, HospAddress, HospPhone, HospClientName;
HospitalInfoFlags HospitalInfo;
NursingSettingsFlags NursingSettings;

QString SelectedHospNum, SelectedIDNum, SelectedPatientType, SelectedPatientName, SelectedPatientAddress,
    SelectedCompany, SelectedAdmissionDate, SelectedDischargeDate, SelectedRoom, SelectedRoomRate, SelectedRoomClass,
    SelectedAccountNum;
int SelectedListRow = 0, SelectedGridRow = 0;
QString PatientAddressLine;
QVariant AttendingDoctorCode;
QString PatientTransplantID, PatientDialysisID, PatientTransplantText, PatientDialysisText;

QString ValidatedUserID, ValidatedUserName, CancelReason, SupervisorUserID;
QString RequestingDoctorID, RequestingDoctorName;
bool PickedChoice = false;
int MarkupOperation = 0;
double MarkupValue = 0;
int ConsumedPSI = 0;
QString PickedSpecimenID, PickedHospNum, PickedIDNum, PickedPatientName;
QString ExamOrderStat, ExamOrderRemarks, ExamOrderReason;
bool ExamOrderAMPickUp = false, UsePortableMachine = false;
QString ExamOrderSpecimen;
bool HasSeveralSpecimens = false;
QString LastRequestRefNum;
bool SlipNumberTaken = false;

bool UltrasoundResultsStale = false, XrayResultsStale = false, CTResultsStale = false, ConfinementsStale = false,
     LabResultsStale = false, HeartResultsStale = false, PTResultsStale = false, NuclearResultsStale = false,
     PulmoResultsStale = false, NeuroResultsStale = false, MRIResultsStale = false;

std::shared_ptr<Report> CurrentReport;
QString ReportDateFrom, ReportDateTo;
bool ReportPicturePending = false;
QString ReportPicturePath;
QString SlipReportParam5, SlipReportParam12;

QString PendingExamMessageHead, PendingExamMessageTail;
QString RevenueLocationID;
bool AltGridLayout = false;

void ResetGlobals()
{
    CurrentUser = nullptr;
    CodeSearch = nullptr;
    KeyPressHelper = KeyPressHelper2 = nullptr;
    PatientSearch = nullptr;
    DrugCatalog = nullptr;
    ICDCodeSearch = nullptr;
    RequestService = ResultService = ConfinementService = ConfinementResultService = nullptr;
    DrugList = DrugListCSR = nullptr;
    LabResultViewer = nullptr;
    ChargeSlipList = nullptr;
    IssuedMedicineList = nullptr;
    PatientRecord = nullptr;
    CF4Checker = nullptr;
    LabTabularFormatter = nullptr;
    parametersHolder().reset();
    CurrentReport.reset();
    CurrentStationID = CurrentStationName = QVariant();
    ServerDate = QDateTime();
    DcomServerName.clear();
    AllowEditAmount = false;
    HospName.clear(); HospAddress.clear(); HospPhone.clear(); HospClientName.clear();
    HospitalInfo = HospitalInfoFlags();
    NursingSettings = NursingSettingsFlags();
    for (QString* s : {&SelectedHospNum, &SelectedIDNum, &SelectedPatientType, &SelectedPatientName, &SelectedPatientAddress,
                       &SelectedCompany, &SelectedAdmissionDate, &SelectedDischargeDate, &SelectedRoom, &SelectedRoomRate,
                       &SelectedRoomClass, &SelectedAccountNum, &PatientAddressLine, &PatientTransplantID,
                       &PatientDialysisID, &PatientTransplantText, &PatientDialysisText, &ValidatedUserID,
                       &ValidatedUserName, &CancelReason, &SupervisorUserID, &RequestingDoctorID, &RequestingDoctorName,
                       &PickedSpecimenID, &PickedHospNum, &PickedIDNum, &PickedPatientName, &ExamOrderStat,
                       &ExamOrderRemarks, &ExamOrderReason, &ExamOrderSpecimen, &LastRequestRefNum, &ReportDateFrom,
                       &ReportDateTo, &ReportPicturePath, &SlipReportParam5, &SlipReportParam12, &PendingExamMessageHead,
                       &PendingExamMessageTail, &RevenueLocationID})
        s->clear();
    SelectedListRow = SelectedGridRow = 0;
    AttendingDoctorCode = QVariant();
    PickedChoice = false;
    MarkupOperation = 0;
    MarkupValue = 0;
    ConsumedPSI = 0;
    ExamOrderAMPickUp = UsePortableMachine = HasSeveralSpecimens = SlipNumberTaken = false;
    for (bool* b : {&UltrasoundResultsStale, &XrayResultsStale, &CTResultsStale, &ConfinementsStale, &LabResultsStale,
                    &HeartResultsStale, &PTResultsStale, &NuclearResultsStale, &PulmoResultsStale, &NeuroResultsStale,
                    &MRIResultsStale, &ReportPicturePending, &AltGridLayout})
        *b = false;
}

void MarkWorkspacePagesStale()
{
    XrayResultsStale = UltrasoundResultsStale = CTResultsStale = LabResultsStale = HeartResultsStale = PTResultsStale =
        NuclearResultsStale = PulmoResultsStale = NeuroResultsStale = MRIResultsStale = ConfinementsStale = true;
}
