#include "shared/lookups/PatientPackageInfo.h"

#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "shared/WorkspaceLink.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QWidget>

QString WorkspaceCaption(const QString& package)
{
    const QString p = package.trimmed();
    return p.isEmpty() ? QStringLiteral("Clinical Procedure") : QStringLiteral("Package Type : ") + p;
}

PatientOtherInfo LoadPatientPackageInfo(Connection& c)
{
    const WorkspaceLink::Controls ws = WorkspaceLink::workspace();
    const QString idNum = ws.txtID->text();
    const QString type = IsOutPatientNumber(idNum) ? QStringLiteral("O") : QStringLiteral("I");
    const QString package = GetPatientPackage(c, idNum, type);
    // The caption of this admission alone, whatever the window showed before.
    QString title = WorkspaceCaption(package);
    ws.window->setWindowTitle(title);
    const Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(A.transplantID, '0') AS transplantID, COALESCE(A.dialysisID, '0') AS dialysisID, "
                       "COALESCE(B.Description, '') AS Package, COALESCE(A.VIP, 0) AS VIP "
                       "FROM PATIENT_DATA..tbPatient2 A "
                       "LEFT OUTER JOIN build_file..tbExecPackageCode B ON A.PackageID = B.PackageID "
                       "WHERE A.IDNum = ?"),
        {idNum});
    PatientOtherInfo info;
    if (rs.isEmpty()) return info;
    info.found = true;
    info.transplantID = Lookup::textOf(rs.value(QStringLiteral("transplantID")));
    info.dialysisID = Lookup::textOf(rs.value(QStringLiteral("dialysisID")));

    const QString executive = Lookup::textOf(rs.value(QStringLiteral("Package"))).trimmed();
    if (!executive.isEmpty()) title = QStringLiteral(" Executive Package Type : ") + executive;
    if (Lookup::truthOf(rs.value(QStringLiteral("VIP"))))
        title = title.trimmed() + QString(10, QLatin1Char(' ')) + QStringLiteral("( Patient is Tag As VIP PATIENT )");
    if (IsSeniorCitizen(c, idNum)) title = title.trimmed() + QStringLiteral(" ( Patient is Senior Citizen )");
    if (!package.trimmed().isEmpty()) title = title.trimmed() + QStringLiteral("Executive Package Type : ") + package;
    else title = title.trimmed();
    ws.window->setWindowTitle(title);
    return info;
}

void UpdatePatientOtherInfo(Connection& c, const QString& transplantID, const QString& dialysisID)
{
    const WorkspaceLink::Controls ws = WorkspaceLink::workspace();
    c.call(QStringLiteral("STATION..sp_Nurse_Update_OtherInfo"), {ws.txtID->text(), transplantID, dialysisID, QStringLiteral("I")});
}
