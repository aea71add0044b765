#include "shared/doctors/DoctorChecks.h"

#include "platform/db/Connection.h"
#include "shared/clsParameters.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/modGlobals.h"

double GetDoctorsRate(const QString& doctorID, const QString& rateClass)
{
    return Lookup::trapped(0.0, [&] {
        const Recordset rs = SharedConnection().call(QStringLiteral("STATION..sp_Nurse_Get_Doctors_Rate"),
                                                     {doctorID.trimmed(), rateClass.trimmed()});
        return rs.isEmpty() ? 0.0 : Lookup::numberOf(rs.value(QStringLiteral("Amount")));
    });
}

bool HasDoctorBill(const QString& doctorID)
{
    return Lookup::trapped(false, [&] {
        return !SharedConnection()
                    .query(QStringLiteral("SELECT 1 AS Found FROM BUILD_FILE..tbCoDoctorBill "
                                          "WHERE DoctorID = ? AND Status = 1 AND Amount > 0 LIMIT 1"),
                           {doctorID.trimmed()})
                    .isEmpty();
    });
}

namespace {
// A check of the charging entry's save whose failure goes to the station error log first.
template <typename Fn>
bool loggedCheck(const QString& source, bool onError, Fn&& fn)
{
    try {
        return fn();
    } catch (const std::exception& e) {
        const QString description = dynamic_cast<const DbError*>(&e) ? static_cast<const DbError&>(e).description()
                                                                       : QString::fromLocal8Bit(e.what());
        try {
            WriteErrorLog(QStringLiteral("Nerovia"), DialogAnswers.ValidatedUserID, description, source);
        } catch (...) {
            // the notice below still tells the user; a failed log line must not end the save's checks
        }
        ShowErrorNotice(description);
        return onError;
    }
}
}

bool DoctorHasS2License(const QString& doctorID)
{
    return loggedCheck(QStringLiteral("CheckS2License (fn)"), false, [&] {
        return SharedConnection()
                   .query(QStringLiteral("SELECT 1 AS Found FROM BUILD_FILE..tbCoDoctor "
                                         "WHERE DoctorID = ? AND COALESCE(S2Number, '') <> '' LIMIT 1"),
                          {doctorID})
                   .recordCount() > 0;
    });
}

bool IsRegulatedDrug(const QString& itemID)
{
    return loggedCheck(QStringLiteral("CheckRegulatedDrug (fn)"), true, [&] {
        const QString classID = StationParameters().RegulatedDrugsClassID();
        return SharedConnection()
                   .query(QStringLiteral("SELECT 1 AS Found FROM INVENTORY..TBINVMASTER WHERE ItemID = ? "
                                         "AND COALESCE(ItemClassificationID, '') <> '' "
                                         "AND COALESCE(ItemClassificationID, '') = ? LIMIT 1"),
                          {itemID, classID})
                   .recordCount() > 0;
    });
}
