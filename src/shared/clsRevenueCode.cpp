#include "shared/clsRevenueCode.h"

#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/modGlobals.h"
#include "shared/search/SearchStatement.h"
#include "shared/search/frmSearchCodes.h"

QString clsRevenueCode::validate(const QString& statement, const QVariantList& params, const QString& code,
                                 const QString& notFound, const QString& caption)
{
    const Recordset rs = OpenSearchStatement(SharedConnection(), statement, params, QString());
    if (rs.isEmpty()) {
        MsgBox(notFound, vbExclamation, QStringLiteral("Notification"));
        return QString();
    }
    if (!code.isEmpty()) return code;
    frmSearchCodes* picker = frmSearchCodes::instance();
    picker->SearchCaption = caption;
    picker->HospNum = HospNum;
    picker->Criteria = code;
    picker->Query = statement;
    picker->QueryParams = params;
    picker->ShowModal();
    return picker->Valid ? picker->ResultCode : QString();
}

QString clsRevenueCode::ValidatePackageCode(const QString& code)
{
    const QString c = Lookup::textParam(code);
    return validate(QStringLiteral("SELECT PackageID, Package FROM BUILD_FILE..tbCoAdmPackage "
                                   "WHERE (PackageID = ? OR ? = '') AND CLActive = 'Y'"),
                    {c, c}, c, QStringLiteral("Package code does not exist."), QStringLiteral("Package Codes"));
}

QString clsRevenueCode::ValidateRevenue(const QString& code)
{
    const QString c = Lookup::textParam(code);
    return validate(QStringLiteral("STATION..sp_CL_ChargingCodes ?"), {c}, c,
                    QStringLiteral("Revenue code does not exist."), QStringLiteral("Revenue Codes"));
}

QString clsRevenueCode::ValidateNursePackageCode(const QString& code)
{
    const QString c = Lookup::textParam(code);
    // A typed code is looked up like a package code: only a linked, active nurse item is accepted.
    return validate(QStringLiteral("SELECT CL.NurseItemCode, OT.OtherRevenue "
                                   "FROM Build_FIle..TbCoOtherRevenue OT "
                                   "LEFT OUTER JOIN STATION..tbCLPackage_CodeLink CL ON CL.NurseItemCode = OT.OtherRevenueID "
                                   "WHERE OT.OtherSectionID = ? AND CL.Status = 'A' AND (CL.NurseItemCode = ? OR ? = '')"),
                    {StationParameters().MainRevenueID(), c, c}, c,
                    QStringLiteral("Nurse Package code does not exist."), QStringLiteral("Nurse Package Codes"));
}
