#include "components/Drugs.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/ui/MessageBox.h"

CATHLAB_COMPONENT("prjDrugDLL.clsDrug", clsDrug);
CATHLAB_COMPONENT("prjListDrugs.clsListDrugs", clsListDrugs);
CATHLAB_COMPONENT("prjListDrugsByGeneric.clsListGeneric", clsListDrugs);

bool clsDrug::SearchDrug(const QString& code, const QString& location)
{
    if (!m_conn) return false;
    const Recordset rs = m_conn->query(
        QStringLiteral("SELECT M.ItemID, M.ItemName, M.UnitOfMeasure, M.Status, M.GenericName, M.ItemClassificationID, "
                       "(SELECT G.ClassificationName FROM INVENTORY..tbInvGeneric G WHERE G.GenericName = M.GenericName "
                       "LIMIT 1) AS ClassificationName, S.OnHand, P.SellingPriceIn, P.SellingPriceOut "
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
    Drug.GenericName = rs.text(QStringLiteral("GenericName"));
    Drug.Classification.ClassificationCode = rs.text(QStringLiteral("ItemClassificationID")).trimmed();
    Drug.Classification.Classification = rs.text(QStringLiteral("ClassificationName")).trimmed();
    Drug.Invent.StockOnHand = DbValue::toDouble(rs.value(QStringLiteral("OnHand")));
    Drug.Invent.SellingPriceIn = DbValue::toDouble(rs.value(QStringLiteral("SellingPriceIn")));
    Drug.Invent.SellingPriceOut = DbValue::toDouble(rs.value(QStringLiteral("SellingPriceOut")));
    return true;
}

qint64 AppendStockCardLine(Connection& c, const StockCardLine& line)
{
    const Recordset made = c.query(
        QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                       "Quantity, Amount, UserID, DosageID, RequestDocID, RoomID, PatientType, CreditMemoNum) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING SequenceNumber"),
        {line.HospNum, line.IDNum, line.ItemID.trimmed(), line.LocationID.trimmed(), line.StockSection, line.TransDate,
         line.RefNum.trimmed(), -line.Quantity, line.Amount, line.UserID, line.DosageID, line.RequestDocID, line.RoomID,
         line.PatientType, line.CreditMemoNum.trimmed().isEmpty() ? QVariant() : QVariant(line.CreditMemoNum.trimmed())});
    if (made.isEmpty()) throw DbError(QStringLiteral("The stock card gave no number for the line it wrote."));
    const qint64 sequence = made.toLong(QStringLiteral("SequenceNumber"));
    // The stock on hand follows the movement; an item the location never held starts below zero.
    const QVariantList stock{-line.Quantity, line.TransDate, line.LocationID.trimmed(), line.ItemID.trimmed()};
    if (c.execute(QStringLiteral("UPDATE INVENTORY..tbInvLocationStock SET OnHand = COALESCE(OnHand, 0) + ?, LastUpdated = ? "
                                 "WHERE LocationID = ? AND ItemID = ?"),
                  stock)
        == 0)
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (OnHand, LastUpdated, LocationID, ItemID) "
                                 "VALUES (?, ?, ?, ?)"),
                  stock);
    if (line.Reversal) return sequence;
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, "
                             "ProcessBy, ProcessDate, ReferenceNum) VALUES ('', ?, ?, ?, ?, 'X', ?, ?, ?)"),
              {line.IDNum, line.StockSection, line.ItemID.trimmed(), line.Quantity, line.UserID, line.TransDate,
               line.RefNum.trimmed()});
    return sequence;
}

qint64 clsDrug::AppendStockCard(const StockCardLine& line)
{
    if (!m_conn) throw DbError(QStringLiteral("The drug catalogue is not connected."));
    return AppendStockCardLine(*m_conn, line);
}

bool DrugGeneric::Search(const QString& code)
{
    Connection* c = m_owner->catalogConnection();
    if (!c || code.trimmed().isEmpty()) return false;
    const Recordset rs = c->query(QStringLiteral("SELECT GenericName, ClassificationName FROM INVENTORY..tbInvGeneric "
                                                 "WHERE GenericID = ? AND COALESCE(Status, 'A') = 'A'"),
                                  {code.trimmed()});
    if (rs.isEmpty()) return false;
    GenericName = rs.text(QStringLiteral("GenericName")).trimmed();
    ClassificationName = rs.text(QStringLiteral("ClassificationName")).trimmed();
    return true;
}

QString clsListDrugs::ShowList(const QString& typed, bool, const QString& location)
{
    if (!m_conn) return QString();
    const bool generic = progId() == QLatin1String("prjListDrugsByGeneric.clsListGeneric");
    const Recordset rs =
        generic ? m_conn->query(QStringLiteral("SELECT GenericID, GenericName, ClassificationName FROM INVENTORY..tbInvGeneric "
                                               "WHERE COALESCE(Status, 'A') = 'A' ORDER BY GenericName"))
                : m_conn->query(QStringLiteral("SELECT M.ItemID, M.ItemName, M.UnitOfMeasure FROM INVENTORY..tbInvLocationStock S "
                                               "JOIN INVENTORY..TBINVMASTER M ON M.ItemID = S.ItemID "
                                               "WHERE S.LocationID = ? AND COALESCE(M.Status, 'A') = 'A' ORDER BY M.ItemName"),
                                {location.trimmed().isEmpty() ? clsDrug::PharmacyLocation : location.trimmed()});
    const QString wanted = typed.trimmed();
    QList<QStringList> rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QStringList row;
        for (int f = 0; f < rs.fieldCount(); ++f) row << DbValue::text(rs.valueAt(r, f)).trimmed();
        if (wanted.isEmpty() || row[0].startsWith(wanted, Qt::CaseInsensitive) || row[1].startsWith(wanted, Qt::CaseInsensitive))
            rows << row;
    }
    if (rows.isEmpty()) return QString();
    const QString caption = generic ? QStringLiteral("Generic Names")
                                    : (location.trimmed().isEmpty() ? QStringLiteral("Medicines") : QStringLiteral("Supplies"));
    const QStringList headers = generic ? QStringList{QStringLiteral("Code"), QStringLiteral("Generic Name"), QStringLiteral("Classification")}
                                        : QStringList{QStringLiteral("Code"), QStringLiteral("Item Name"), QStringLiteral("Unit")};
    frmCodeSearchList list(caption, headers, rows);
    runModal(&list);
    return list.ChosenRow < 0 ? QString() : rows[list.ChosenRow][0];
}
