#include "shared/modGlobals.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/DbError.h"
#include "shared/clsParameters.h"

SessionState Session;
SelectionState Selection;
DialogAnswerState DialogAnswers;
WorkspacePageFlags WorkspacePages;
ReportState ReportValues;

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
    if (!Session.CurrentUser || !Session.CurrentUser->sqlConnection())
        throw DbError(QStringLiteral("There is no connection to the database."));
    return *Session.CurrentUser->sqlConnection();
}

void DialogAnswerState::resetValidation()
{
    ValidatedUserID.clear();
    ValidatedUserName.clear();
    CancelReason.clear();
}

void DialogAnswerState::resetSupervisor()
{
    SupervisorUserID.clear();
    CancelReason.clear();
}

void DialogAnswerState::resetRequestingDoctor()
{
    RequestingDoctorID.clear();
    RequestingDoctorName.clear();
}

void DialogAnswerState::resetMarkup()
{
    MarkupOperation = 0;
    MarkupValue = 0;
}

void DialogAnswerState::resetPickedPatient()
{
    PickedHospNum.clear();
    PickedIDNum.clear();
    PickedPatientName.clear();
}

void DialogAnswerState::resetExamOrder()
{
    ExamOrderStat.clear();
    ExamOrderRemarks.clear();
    ExamOrderReason.clear();
    ExamOrderAMPickUp = UsePortableMachine = false;
    ExamOrderSpecimen.clear();
    HasSeveralSpecimens = false;
    PickedSpecimenID.clear();
    LastRequestRefNum.clear();
    SlipNumberTaken = false;
}

void DialogAnswerState::resetAssessmentRemarks()
{
    AssessmentRemarks.clear();
    AssessmentSpecimen.clear();
}

namespace {
constexpr bool WorkspacePageFlags::*kPages[] = {
    &WorkspacePageFlags::UltrasoundResultsStale, &WorkspacePageFlags::XrayResultsStale,
    &WorkspacePageFlags::CTResultsStale,         &WorkspacePageFlags::ConfinementsStale,
    &WorkspacePageFlags::LabResultsStale,        &WorkspacePageFlags::HeartResultsStale,
    &WorkspacePageFlags::PTResultsStale,         &WorkspacePageFlags::NuclearResultsStale,
    &WorkspacePageFlags::PulmoResultsStale,      &WorkspacePageFlags::NeuroResultsStale,
    &WorkspacePageFlags::MRIResultsStale};
}

void WorkspacePageFlags::markAllStale()
{
    for (auto page : kPages) this->*page = true;
}

bool WorkspacePageFlags::allStale() const
{
    for (auto page : kPages)
        if (!(this->*page)) return false;
    return true;
}

void ResetGlobals()
{
    Session.reset();
    Selection.reset();
    DialogAnswers.reset();
    WorkspacePages.reset();
    ReportValues.reset();
    parametersHolder().reset();
}
