// The code search's diet list (kind 6) and other-revenue list (kind 21).
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"

bool clsCodeSearch::SearchDiets(const QString& text)
{
    Cancelled = false;
    if (!m_conn) return false;
    const QList<QStringList> rows =
        listingRows(QStringLiteral("SELECT DietID, Diet, Remarks FROM BUILD_FILE..tbCoDiet ORDER BY Diet"), {}, text);
    if (rows.isEmpty()) return false;
    const int chosen =
        chooseRow(QStringLiteral("Diets"), {QStringLiteral("Code"), QStringLiteral("Diet"), QStringLiteral("Remarks")}, rows);
    if (chosen < 0) return false;
    DietRecord = {rows[chosen][0], rows[chosen][1], rows[chosen][2]};
    return true;
}

bool clsCodeSearch::SearchOtherRevenue(const QString& text)
{
    Cancelled = false;
    if (!m_conn) return false;
    const QList<QStringList> rows =
        listingRows(QStringLiteral("SELECT OtherRevenueID, OtherRevenue, FixRate FROM BUILD_FILE..TBCOOTHERREVENUE "
                                   "WHERE OtherSectionID = ? AND COALESCE(Status, 'A') = 'A' ORDER BY OtherRevenue"),
                    {OtherSectionID}, text);
    if (rows.isEmpty()) return false;
    const int chosen =
        exactOrChosenRow(text, QStringLiteral("Procedures"), {QStringLiteral("Code"), QStringLiteral("Description")}, rows);
    if (chosen < 0) return false;
    OtherRevenueRecord = {};
    OtherRevenueRecord.ResultCode = rows[chosen][0];
    OtherRevenueRecord.OtherRevenue = rows[chosen][1];
    OtherRevenueRecord.FixRate = rows[chosen].value(2);
    return loadRates(OtherRevenueRecord, QStringLiteral("BUILD_FILE..TBCOOTHERREVENUE"),
                     QStringLiteral("OtherSectionID = ? AND OtherRevenueID = ?"), {OtherSectionID, rows[chosen][0]});
}
