#include "components/Drugs.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
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

void AppendStockCardLine(Connection& c, const StockCardLine& line)
{
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                             "Quantity, Amount, UserID, DosageID, RequestDocID, RoomID, PatientType) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {line.HospNum, line.IDNum, line.ItemID.trimmed(), line.LocationID.trimmed(), line.StockSection, line.TransDate,
               line.RefNum.trimmed(), -line.Quantity, line.Amount, line.UserID, line.DosageID, line.RequestDocID, line.RoomID,
               line.PatientType});
    // The stock on hand follows the movement; an item the location never held starts below zero.
    const QVariantList stock{-line.Quantity, line.TransDate, line.LocationID.trimmed(), line.ItemID.trimmed()};
    if (c.execute(QStringLiteral("UPDATE INVENTORY..tbInvLocationStock SET OnHand = COALESCE(OnHand, 0) + ?, LastUpdated = ? "
                                 "WHERE LocationID = ? AND ItemID = ?"),
                  stock)
        == 0)
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (OnHand, LastUpdated, LocationID, ItemID) "
                                 "VALUES (?, ?, ?, ?)"),
                  stock);
    if (line.Reversal) return;
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, "
                             "ProcessBy, ProcessDate, ReferenceNum) VALUES ('', ?, ?, ?, ?, 'X', ?, ?, ?)"),
              {line.IDNum, line.StockSection, line.ItemID.trimmed(), line.Quantity, line.UserID, line.TransDate,
               line.RefNum.trimmed()});
}

void clsDrug::AppendStockCard(const StockCardLine& line)
{
    if (!m_conn) throw DbError(QStringLiteral("The drug catalogue is not connected."));
    AppendStockCardLine(*m_conn, line);
}
