#include "shared/modGlobalsRoutines.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/report/ReportError.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

QDateTime GetServerDate()
{
    Recordset rs = SharedConnection().query(QStringLiteral("select GETDATE() AS Tdate"));
    const QDateTime dt = rs.isEmpty() ? QDateTime() : rs.toDateTime(QStringLiteral("Tdate"));
    if (!dt.isValid()) throw DbError(QStringLiteral("The server did not give its date and time."));
    Session.ServerDate = dt;
    return Session.ServerDate;
}

void WriteStationLog(const QString& idNum, const QString& remarks, const QString& userId, const QString& stationId)
{
    // Inside a save's transaction the line goes under a savepoint of its own: a failed line must not
    // leave the server's transaction unusable for the statements of the save.
    Connection* c = nullptr;
    bool nested = false;
    try {
        c = &SharedConnection();
        nested = c->inTransaction();
        if (nested) c->beginTrans();
        c->execute(QStringLiteral("Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) "
                                  "Values(?,GetDate(),?,?,Host_Name(),?)"),
                   {idNum, remarks, userId, stationId});
        if (nested) c->commitTrans();
    } catch (...) {
        // the log must never stop the action it records
        if (nested) {
            try { c->rollbackTrans(); } catch (...) {}
        }
    }
}

void WriteErrorLog(const QString& moduleName, const QString& userId, const QString& errMessage, const QString& errSource)
{
    SharedConnection().execute(
        QStringLiteral("Insert Into STATION..tbNurseErrLog(ModuleName,HostName,UserID,ErrMessage,Transdate,ErrSource) "
                       "Values(?,Host_Name(),?,?,getdate(),?)"),
        {moduleName, userId, errMessage, errSource});
}

QString ErrorNoticeText(const QString& description)
{
    return description + QStringLiteral("\r\n\r\nPlease notify your IT department.");
}

void ShowErrorNotice(const QString& description)
{
    MsgBox(ErrorNoticeText(description), vbOKOnly | vbInformation, QStringLiteral("Notification"));
}

void ShowErrorNotice(const std::exception& error)
{
    if (auto* db = dynamic_cast<const DbError*>(&error)) ShowErrorNotice(db->description());
    else if (auto* report = dynamic_cast<const ReportError*>(&error)) ShowErrorNotice(report->description());
    else ShowErrorNotice(QString::fromLocal8Bit(error.what()));
}

namespace {
// Runs one step; an error skips only that step.
template <typename Fn>
void ignoring(Fn&& fn)
{
    try { fn(); } catch (...) {}
}

// A flag column: zero False, any other number True (a text "True" or "False" too); a null or any
// other text leaves the variable as it was.
void readFlag(const Recordset& rs, const char* column, bool& target)
{
    ignoring([&] {
        const QVariant v = rs.value(QString::fromLatin1(column));
        if (v.isNull()) return;
        if (v.typeId() == QMetaType::Bool) { target = v.toBool(); return; }
        const QString t = v.toString().trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) { target = true; return; }
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) { target = false; return; }
        bool ok = false;
        const double x = t.toDouble(&ok);
        if (ok) target = x != 0.0;
    });
}

// A whole-number column: rounded half to even; a null, a text that is no number or a value
// beyond the 16-bit range leaves the variable as it was.
void readWholeNumber(const Recordset& rs, const char* column, int& target)
{
    ignoring([&] {
        const QVariant v = rs.value(QString::fromLatin1(column));
        if (v.isNull()) return;
        bool ok = false;
        const double x = Fmt::roundHalfEven(v.toString().trimmed().toDouble(&ok));
        if (ok && x >= -32768 && x <= 32767) target = int(x);
    });
}

bool blank(const QString& s)
{
    for (QChar c : s)
        if (c != QLatin1Char(' ')) return false;
    return true;
}

void readText(const Recordset& rs, const char* column, QString& target)
{
    ignoring([&] {
        const QVariant v = rs.value(QString::fromLatin1(column));
        if (!v.isNull()) target = DbValue::text(v);
    });
}
}

void LoadHospitalInfo()
{
    Session.HospitalInfo.IsShowAmount = false;
    Session.HospitalInfo.IsNursePrint = false;
    Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false;
    Session.HospitalInfo.IsAllowClinicalAssessmentWithoutValidation = false;
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = false;
    Session.HospitalInfo.PSIOxygenComputationType = 0;
    Session.HospitalInfo.isstat = false;
    Session.HospitalInfo.AllowZeroOnHand = false;
    Session.HospitalInfo.IsCompanyPrice = false;
    Session.HospitalInfo.HighAlert = false;
    Session.HospitalInfo.IsAllowOPDShowLabSpecimen = false;
    Session.NursingSettings = NursingSettingsFlags();

    ignoring([] {
        Recordset rs = SharedConnection().query(QStringLiteral("SELECT * FROM PATIENT_DATA..TBHOSPITALINFO LIMIT 1"));
        if (rs.isEmpty()) return;
        readText(rs, "Company", Session.HospName);
        readText(rs, "Address1", Session.HospAddress);
        readFlag(rs, "Bygeneric", Session.HospitalInfo.Bygeneric);
        readText(rs, "MTSServerName", Session.DcomServerName);
        readFlag(rs, "IsNursePrint", Session.HospitalInfo.IsNursePrint);
        readText(rs, "PhoneNum", Session.HospPhone);
        readText(rs, "clientname", Session.HospClientName);
        readFlag(rs, "IsLBDirectCharging", Session.HospitalInfo.IsLBDirectCharging);
        readFlag(rs, "IsXRDirectCharging", Session.HospitalInfo.IsXRDirectCharging);
        readFlag(rs, "IsUSDirectCharging", Session.HospitalInfo.IsUSDirectCharging);
        readFlag(rs, "IsCTDirectCharging", Session.HospitalInfo.IsCTDirectCharging);
        readFlag(rs, "IsHSDirectCharging", Session.HospitalInfo.IsHSDirectCharging);
        readFlag(rs, "IsShowAmount", Session.HospitalInfo.IsShowAmount);
        readFlag(rs, "IsPrintChargeSlip", Session.HospitalInfo.IsPrintChargeSlip);
        readFlag(rs, "IsAllowSupervisorCodeForCancellationOfCharges",
                 Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges);
        readFlag(rs, "IsAllowClinicalAssessmentWithoutValidation", Session.HospitalInfo.IsAllowClinicalAssessmentWithoutValidation);
        readFlag(rs, "IsAllowEntryOfReasonForCancellation", Session.HospitalInfo.IsAllowEntryOfReasonForCancellation);
        readWholeNumber(rs, "PSIOxygenComputationType", Session.HospitalInfo.PSIOxygenComputationType);
        readFlag(rs, "isstat", Session.HospitalInfo.isstat);
        readFlag(rs, "AllowZeroOnHand", Session.HospitalInfo.AllowZeroOnHand);
        readFlag(rs, "IsCompanyPrice", Session.HospitalInfo.IsCompanyPrice);
        readFlag(rs, "HighAlert", Session.HospitalInfo.HighAlert);
        readFlag(rs, "IsAllowOPDShowLabSpecimen", Session.HospitalInfo.IsAllowOPDShowLabSpecimen);
    });
    ignoring([] {
        Recordset rs = SharedConnection().query(QStringLiteral("Select * from STATION..tbNursing_Settings"));
        if (rs.isEmpty()) return;
        readFlag(rs, "ShowPrecautions", Session.NursingSettings.ShowPrecautions);
        readFlag(rs, "ValidateUnusedMedClearance", Session.NursingSettings.ValidateUnusedMedClearance);
        readFlag(rs, "NoRequestingAfterFinalNotice", Session.NursingSettings.NoRequestingAfterFinalNotice);
        readFlag(rs, "PrintPHCSRequest", Session.NursingSettings.PrintPHCSRequest);
    });
    ignoring([] { StationParameters().LoadParameters(); });
    if (!blank(StationParameters().CustomHospitalName())) Session.HospName = StationParameters().CustomHospitalName();
    if (!blank(StationParameters().CustomHospitalAddress())) Session.HospAddress = StationParameters().CustomHospitalAddress();
}

void UnloadAllForms()
{
    WindowRegistry::unloadAllButFirst();
}
