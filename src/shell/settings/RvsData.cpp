#include "shell/settings/RvsData.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/LikePattern.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QSet>

QString GetRVSDescription(Connection& c, const QString& rvsCode)
{
    try {
        Recordset rs = c.query(
            QStringLiteral("SELECT COALESCE(mp.Description, rvs.Description) AS Description "
                           "FROM MEDICARE..tbmed_procedures mp "
                           "LEFT OUTER JOIN MEDICARE..tbmedrvs rvs ON rvs.node_key = mp.rvscode "
                           "WHERE mp.rvscode = ?"),
            {rvsCode});
        return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Description")).toUpper();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return QString();
    }
}

Recordset SearchPHICProcedures(Connection& c, const QString& key, const QString& procedureCode)
{
    const QString like = Like::contains(key);
    if (procedureCode.trimmed().isEmpty()) {
        const QString select = QStringLiteral(
            "SELECT MP.RVSCODE, MP.DESCRIPTION, MP.PACKAGEID, RVS.UNIT FROM MEDICARE..TBMED_PROCEDURES AS MP "
            "LEFT OUTER JOIN MEDICARE..TBMEDRVS AS RVS ON RVS.NODE_KEY = MP.RVSCODE ");
        if (key.trimmed().isEmpty()) return c.query(select + QStringLiteral("ORDER BY MP.RVSCODE"));
        return c.query(select + QStringLiteral("WHERE MP.RVSCODE = ? OR UPPER(MP.DESCRIPTION) LIKE UPPER(?) ESCAPE '!' ORDER BY MP.RVSCODE"),
                       {key, like});
    }
    return c.query(QStringLiteral(
                       "SELECT RV.RVSCODE, MP.DESCRIPTION, MP.PACKAGEID, RVS.UNIT FROM CLINICAL_AREA..TBCLRVS RV "
                       "LEFT OUTER JOIN MEDICARE..TBMED_PROCEDURES MP ON MP.RVSCODE = RV.RVSCODE "
                       "LEFT OUTER JOIN MEDICARE..TBMEDRVS RVS ON RVS.NODE_KEY = MP.RVSCODE "
                       "WHERE RV.ItemID = ? AND (RV.RVSCODE = ? OR UPPER(MP.DESCRIPTION) LIKE UPPER(?) ESCAPE '!') ORDER BY RV.RVSID"),
                   {procedureCode, key, like});
}

Recordset LoadDepartmentProcedures(Connection& c, const QString& mainRevenueID)
{
    return c.query(
        QStringLiteral("SELECT OtherRevenueID AS Code, OtherRevenue AS ProcedureName FROM BUILD_FILE..TBCOOTHERREVENUE "
                       "WHERE OtherSectionID = ? AND Status = 'A' ORDER BY OtherRevenueID"),
        {mainRevenueID});
}

QStringList LoadProcedureRVSCodes(Connection& c, const QString& itemID)
{
    QStringList codes;
    Recordset rs = c.query(
        QStringLiteral("SELECT RVSCode FROM CLINICAL_AREA..tbCLRVS WHERE ItemID = ? ORDER BY RVSID"), {itemID});
    for (; !rs.eof(); rs.moveNext()) codes << rs.text(QStringLiteral("RVSCode"));
    return codes;
}

QString FirstDuplicateCode(const QStringList& codes)
{
    QSet<QString> seen;
    for (const QString& code : codes) {
        const QString k = code.trimmed().toUpper();
        if (seen.contains(k)) return code.trimmed();
        seen.insert(k);
    }
    return QString();
}

void SaveProcedureRVSCodes(Connection& c, const QString& itemID, const QStringList& codes, const QString& userID)
{
    if (itemID.trimmed().isEmpty()) throw DbError(QStringLiteral("No procedure is chosen."));
    const QString duplicate = FirstDuplicateCode(codes);
    if (!duplicate.isEmpty())
        throw DbError(QStringLiteral("The RVS code %1 is entered more than once.").arg(duplicate));
    TransactionGuard tx(c);
    WriteStationLog(itemID, QStringLiteral("Changed RVS"), userID, QStringLiteral("CL"));
    c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCLRVS WHERE ItemID = ?"), {itemID});
    for (const QString& code : codes)
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLRVS (ItemID, RVSCode) VALUES (?, ?)"), {itemID, code});
    tx.commit();
}

QString RvsUnitText(const QVariant& unit)
{
    if (unit.isNull() || !unit.isValid()) return QString();
    return QString::number(DbValue::toDouble(unit), 'f', 2);
}
