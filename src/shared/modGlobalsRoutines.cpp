#include "shared/modGlobalsRoutines.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/report/ReportError.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/clsParameters.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/modGlobals.h"

#include <QDebug>

QDateTime GetServerDate()
{
    Recordset rs = SharedConnection().query(QStringLiteral("select GETDATE() AS Tdate"));
    const QDateTime dt = rs.isEmpty() ? QDateTime() : rs.toDateTime(QStringLiteral("Tdate"));
    if (!dt.isValid()) throw DbError(QStringLiteral("The server did not give its date and time."));
    Session.ServerDate = dt;
    return Session.ServerDate;
}

namespace {
// Inside a save's transaction a line goes under a savepoint of its own: a failed line must not
// leave the server's transaction unusable for the statements of the save.
template <typename Fn>
void underOwnSavepoint(Connection& c, Fn&& fn)
{
    const bool nested = c.inTransaction();
    if (nested) c.beginTrans();
    try {
        fn();
    } catch (...) {
        if (nested) {
            try {
                c.rollbackTrans();
            } catch (const std::exception& e) {
                qWarning("Rolling back a log line's savepoint failed: %s", e.what());
            }
        }
        throw;
    }
    if (nested) c.commitTrans();
}
}

void WriteStationLog(const QString& idNum, const QString& remarks, const QString& userId, const QString& stationId)
{
    try {
        Connection& c = SharedConnection();
        underOwnSavepoint(c, [&] {
            c.execute(QStringLiteral("Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) "
                                     "Values(?,GetDate(),?,?,Host_Name(),?)"),
                      {idNum, remarks, userId, stationId});
        });
    } catch (const std::exception& e) {
        // the log must never stop the action it records, but its loss must be known
        LogPassedOverError(QStringLiteral("WriteStationLog"),
                           QStringLiteral("Station log line of %1 (%2) not written: %3").arg(idNum, remarks, ErrorDescription(e)),
                           userId);
    }
}

void WriteErrorLog(const QString& moduleName, const QString& userId, const QString& errMessage, const QString& errSource)
{
    SharedConnection().execute(
        QStringLiteral("Insert Into STATION..tbNurseErrLog(ModuleName,HostName,UserID,ErrMessage,Transdate,ErrSource) "
                       "Values(?,Host_Name(),?,?,getdate(),?)"),
        {moduleName, userId, errMessage, errSource});
}

QString ErrorDescription(const std::exception& error)
{
    if (auto* db = dynamic_cast<const DbError*>(&error)) return db->description();
    if (auto* report = dynamic_cast<const ReportError*>(&error)) return report->description();
    return QString::fromLocal8Bit(error.what());
}

void LogPassedOverError(const QString& source, const QString& description, const QString& userId)
{
    qWarning().noquote() << source + QStringLiteral(": ") + description;
    try {
        const QString user = !userId.isEmpty() ? userId : Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
        Connection& c = SharedConnection();
        // cut to the column's width: a long text (a refused remark) must not cost the line itself
        underOwnSavepoint(c, [&] { WriteErrorLog(QStringLiteral("Nerovia"), user.left(20), description.left(2000), source.left(200)); });
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("The error log did not take that error either: ") + ErrorDescription(e);
    }
}

void LogPassedOverError(const QString& source, const std::exception& error, const QString& userId)
{
    LogPassedOverError(source, ErrorDescription(error), userId);
}

QString ErrorNoticeText(const QString& description)
{
    return description + QStringLiteral("\r\n\r\nPlease notify your IT department.");
}

void ShowErrorNotice(const QString& description)
{
    MsgBox(ErrorNoticeText(description), vbOKOnly | vbInformation, QStringLiteral("Notification"));
}

std::function<bool(int key)> KeyHandlerWithNotice(std::function<bool(int key)> handler)
{
    return [handler = std::move(handler)](int key) {
        try {
            return handler(key);
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
            return true;
        }
    };
}

void ShowErrorNotice(const std::exception& error)
{
    ShowErrorNotice(ErrorDescription(error));
}

void ShowSearchWarning(const std::exception& error)
{
    MsgBox(ErrorDescription(error), vbCritical, QStringLiteral("Warning"));
}

namespace {
// Runs one step of the hospital information; an error skips only that step, and is logged.
template <typename Fn>
void ignoring(Fn&& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("LoadHospitalInfo"), e);
    }
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

std::optional<QString> StockLocationOrNotice(Connection& c, const QString& department)
{
    return OrErrorNotice(std::optional<QString>(), [&] { return LoadRevenueLocation(c, department); });
}
