#include "components/Drugs.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

CATHLAB_COMPONENT("prjDrugDLL.clsDrug", clsDrug);
CATHLAB_COMPONENT("prjListDrugs.clsListDrugs", clsListDrugs);
CATHLAB_COMPONENT("prjListDrugsByGeneric.clsListGeneric", clsListDrugs);

bool clsDrug::SearchDrug(const QString& code, const QString& location)
{
    if (!m_conn) return false;
    const Recordset rs = m_conn->query(
        QStringLiteral("SELECT M.ItemID, M.ItemName, M.UnitOfMeasure, M.Status, S.OnHand, P.SellingPriceIn, P.SellingPriceOut "
                       "FROM INVENTORY..TBINVMASTER M "
                       "LEFT OUTER JOIN INVENTORY..tbInvLocationStock S ON S.ItemID = M.ItemID AND S.LocationID = ? "
                       "LEFT OUTER JOIN INVENTORY..tbInvSellingPrice P ON P.ItemID = M.ItemID "
                       "WHERE M.ItemID = ?"),
        {location.trimmed(), code.trimmed()});
    if (rs.isEmpty()) return false;
    Drug = DrugItem{};
    Drug.DrugCode = DbValue::text(rs.value(QStringLiteral("ItemID"))).trimmed();
    Drug.DrugName = DbValue::text(rs.value(QStringLiteral("ItemName"))).trimmed();
    Drug.Description = DbValue::text(rs.value(QStringLiteral("UnitOfMeasure"))).trimmed();
    Drug.Status = DbValue::text(rs.value(QStringLiteral("Status"))).trimmed() == QLatin1String("I");
    Drug.Invent.StockOnHand = DbValue::toDouble(rs.value(QStringLiteral("OnHand")));
    Drug.Invent.SellingPriceIn = DbValue::toDouble(rs.value(QStringLiteral("SellingPriceIn")));
    Drug.Invent.SellingPriceOut = DbValue::toDouble(rs.value(QStringLiteral("SellingPriceOut")));
    return true;
}
