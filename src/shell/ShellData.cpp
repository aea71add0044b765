#include "shell/ShellData.h"

#include "platform/db/Connection.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

bool QueryPendingRequests()
{
    Connection& c = SharedConnection();
    Recordset rs = StationParameters().EnableCLSched()
        ? c.query(QStringLiteral("SELECT 1 FROM SCHEDULE..TBCLSCHEDULE WHERE RECORDSTATUS = 'P' LIMIT 1"))
        : c.query(QStringLiteral("SELECT 1 FROM STATION..TBNURSECOMMUNICATIONFILE "
                                 "WHERE REVENUEID = ? AND COALESCE(RECORDSTATUS, '') = '' LIMIT 1"),
                  {StationParameters().MainRevenueID()});
    return !rs.isEmpty();
}

bool HasPendingRequests()
{
    try {
        return QueryPendingRequests(c);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
}

int LoadDischargeNoticeCount()
{
    Recordset rs = SharedConnection().call(QStringLiteral("STATION..spCL_LoadDischargeNoticeCount"));
    return rs.isEmpty() ? 0 : rs.toInt(QStringLiteral("RecCount"));
}

int CountLogbookPackages(const QString& idNum)
{
    Recordset rs = SharedConnection().query(
        QStringLiteral("SELECT DISTINCT PackageID FROM CLINICAL_AREA..tbCathLabLogBook "
                       "WHERE IDNum = ? AND RecordStatus = 'X' AND COALESCE(PackageID, '') <> ''"),
        {idNum.trimmed()});
    return rs.recordCount();
}
