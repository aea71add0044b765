#include "shared/lookups/PatientPackageInfo.h"

#include "platform/db/Connection.h"
#include "shared/WorkspaceLink.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QWidget>

void LoadPatientPackageInfo()
{
    const WorkspaceLink::Controls ws = WorkspaceLink::workspace();
    const QString idNum = ws.txtID->text();
    const Recordset rs = SharedConnection().query(
        QStringLiteral("SELECT COALESCE(A.transplantID, '0') AS transplantID, COALESCE(A.dialysisID, '0') AS dialysisID, "
                       "COALESCE(B.Description, '') AS Package, COALESCE(A.VIP, 0) AS VIP "
                       "FROM PATIENT_DATA..tbPatient2 A "
                       "LEFT OUTER JOIN build_file..tbExecPackageCode B ON A.PackageID = B.PackageID "
                       "WHERE A.IDNum = ?"),
        {idNum});
    if (rs.isEmpty()) return;
    Selection.PatientTransplantID = Lookup::textOf(rs.value(QStringLiteral("transplantID")));
    Selection.PatientDialysisID = Lookup::textOf(rs.value(QStringLiteral("dialysisID")));

    QString title = ws.window->windowTitle();
    const QString executive = Lookup::textOf(rs.value(QStringLiteral("Package"))).trimmed();
    if (!executive.isEmpty()) title = QStringLiteral(" Executive Package Type : ") + executive;
    if (Lookup::truthOf(rs.value(QStringLiteral("VIP"))))
        title = title.trimmed() + QString(10, QLatin1Char(' ')) + QStringLiteral("( Patient is Tag As VIP PATIENT )");
    if (IsSeniorCitizen(c, idNum)) title = title.trimmed() + QStringLiteral(" ( Patient is Senior Citizen )");
    const QString type = Lookup::isOutPatientNumber(idNum.trimmed()) ? QStringLiteral("O") : QStringLiteral("I");
    const QString package = GetPatientPackage(c, idNum, type);
    if (!package.trimmed().isEmpty()) title = title.trimmed() + QStringLiteral("Executive Package Type : ") + package;
    else title = title.trimmed();
    ws.window->setWindowTitle(title);

    const QString transplant = Selection.PatientTransplantID.trimmed();
    if (transplant == QLatin1String("0")) Selection.PatientTransplantText = QStringLiteral("Non_Transplant");
    else if (transplant == QLatin1String("1")) Selection.PatientTransplantText = QStringLiteral("Transplant");
    const QString dialysis = Selection.PatientDialysisID.trimmed();
    if (dialysis == QLatin1String("0")) Selection.PatientDialysisText = QStringLiteral("None");
    else if (dialysis == QLatin1String("1")) Selection.PatientDialysisText = QStringLiteral("Pre-Dialysis");
    else if (dialysis == QLatin1String("2")) Selection.PatientDialysisText = QStringLiteral("Post-Dialysis");
}

void UpdatePatientOtherInfo()
{
    const WorkspaceLink::Controls ws = WorkspaceLink::workspace();
    SharedConnection().call(QStringLiteral("STATION..sp_Nurse_Update_OtherInfo"),
                            {ws.txtID->text(), Selection.PatientTransplantID, Selection.PatientDialysisID, QStringLiteral("I")});
}
