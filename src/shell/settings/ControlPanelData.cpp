#include "shell/settings/ControlPanelData.h"

#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

Recordset LoadPackageLinkRows(Connection& c)
{
    return c.query(QStringLiteral(
        "SELECT CL.PackageCode AS Code, CL.NurseItemCode AS NurseCode, P.Package AS Package, CL.Status AS Status "
        "FROM STATION..tbCLPackage_CodeLink CL "
        "LEFT OUTER JOIN BUILD_FILE..tbCoAdmPackage P ON P.PackageID = CL.PackageCode ORDER BY CL.LinkID"));
}

QString AdmissionPackageName(Connection& c, const QString& packageCode)
{
    return DbValue::text(c.scalar(
        QStringLiteral("SELECT Package FROM BUILD_FILE..tbCoAdmPackage WHERE PackageID = ?"), {packageCode.trimmed()}));
}

void SavePackageLinks(Connection& c, const QList<PackageLink>& links, const QString& userID, const QString& stationID)
{
    TransactionGuard tx(c);
    c.execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Transdate, Remarks, UserID, Hostname, StationID) "
                             "VALUES ('System', GETDATE(), 'Update Station Settings', ?, HOST_NAME(), ?)"),
              {userID, stationID});
    c.execute(QStringLiteral("DELETE FROM STATION..tbCLPackage_CodeLink"));
    for (const PackageLink& l : links)
        c.execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (NurseItemCode, PackageCode, Status) "
                                 "VALUES (?, ?, ?)"),
                  {l.nurseCode.trimmed(), l.code.trimmed(), l.status.trimmed()});
    tx.commit();
}
