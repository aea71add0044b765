#include "shared/doctors/DoctorChecks.h"

#include "platform/db/Connection.h"
#include "shared/clsParameters.h"
#include "shared/doctors/DoctorFees.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QDebug>

namespace {
// A check of the charging entry's save whose failure goes to the station error log first.
template <typename Fn>
bool loggedCheck(const QString& source, bool onError, Fn&& fn)
{
    try {
        return fn();
    } catch (const std::exception& e) {
        const QString description = ErrorDescription(e);
        try {
            WriteErrorLog(QStringLiteral("Nerovia"), DialogAnswers.ValidatedUserID, description, source);
        } catch (const std::exception& logError) {
            // the notice below still tells the user; a failed log line must not end the save's checks
            qWarning().noquote() << source + QStringLiteral(": the error log did not take \"") + description +
                                        QStringLiteral("\": ") + ErrorDescription(logError);
        }
        ShowErrorNotice(description);
        return onError;
    }
}
}

bool DoctorHasS2License(Connection& c, const QString& doctorID)
{
    return loggedCheck(QStringLiteral("CheckS2License (fn)"), false, [&] {
        return c
                   .query(QStringLiteral("SELECT 1 AS Found FROM BUILD_FILE..tbCoDoctor "
                                         "WHERE DoctorID = ? AND COALESCE(S2Number, '') <> '' LIMIT 1"),
                          {doctorID})
                   .recordCount() > 0;
    });
}

bool IsRegulatedDrug(Connection& c, const QString& itemID)
{
    return loggedCheck(QStringLiteral("CheckRegulatedDrug (fn)"), true, [&] {
        const QString classID = StationParameters().RegulatedDrugsClassID();
        return c
                   .query(QStringLiteral("SELECT 1 AS Found FROM INVENTORY..TBINVMASTER WHERE ItemID = ? "
                                         "AND COALESCE(ItemClassificationID, '') <> '' "
                                         "AND COALESCE(ItemClassificationID, '') = ? LIMIT 1"),
                          {itemID, classID})
                   .recordCount() > 0;
    });
}
