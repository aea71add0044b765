#include "charging/ChargeSave.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePackageItems.h"
#include "charging/ChargePricing.h"
#include "charging/ChargeSlipNumber.h"
#include "components/Drugs.h"
#include "hospital/ChargePostings.h"
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "shared/clsParameters.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/inventory/StockCharges.h"
#include "shared/modGlobals.h"

#include <QSet>
#include <cmath>

using namespace ChargeEntryRow;

namespace {

double cents(double amount) { return std::round(amount * 100.0) / 100.0; }

// Inside the save a failed look-up ends the save: none of these show a notice and go on.
QString packageName(Connection& c, const QString& packageCode, const QString& section)
{
    return DbValue::text(c.scalar(QStringLiteral("SELECT OtherRevenue FROM BUILD_FILE..TBCOOTHERREVENUE "
                                                 "WHERE OtherSectionID = ? AND OtherRevenueID = ?"),
                                  {section, packageCode}));
}

bool hasCaseForm(Connection& c, const QString& packageCode)
{
    const Recordset rs = c.query(QStringLiteral("SELECT FormType FROM STATION..tbCLExamFormTypes WHERE ItemID = ? LIMIT 1"),
                                 {packageCode});
    return rs.isEmpty() || !rs.text(QStringLiteral("FormType")).trimmed().isEmpty(); // no row: form "A"
}

bool isEquipmentPackage(Connection& c, const QString& itemCode)
{
    return !c.query(QStringLiteral("SELECT 1 AS Found FROM Clinical_Area..tbCLEquipmentPackage WHERE PackageCode = ? LIMIT 1"),
                    {itemCode})
                .isEmpty();
}

class RowPosting {
public:
    RowPosting(Connection& c, const ChargeSaveInput& in, const QString& slip, const QDateTime& at)
        : m_c(c), m_in(in), m_slip(slip), m_at(at), m_p(StationParameters())
    {
    }
    void post(const QStringList& row);
    bool consignedPosted = false, includedPosted = false;

private:
    QString cell(int col) const { return m_row.value(col); }
    double number(int col) const { return LeadingNumber(cell(col).trimmed()); }
    void postStock();
    void postService();
    void postOxygen();
    void postPackageItem();
    void billPackage();
    void postPanel(PanelKind kind, const QList<PanelItemLine>& items);

    Connection& m_c;
    const ChargeSaveInput& m_in;
    const QString m_slip;
    const QDateTime m_at;
    const clsParameters& m_p;
    QSet<QString> m_billedPackages;
    QStringList m_row;
    QString m_package;     // the row's package code ("" for none)
    bool m_packageItem = false;
    QString m_hospNum, m_idNum; // the account, empty for the items of a package
};

void RowPosting::post(const QStringList& row)
{
    m_row = row;
    m_package = cell(PackageCode).trimmed().isEmpty() ? QString() : cell(PackageCode);
    m_packageItem = !m_package.isEmpty() && !m_p.EnableOldPackageCharging() && !m_in.lateCharges;
    m_hospNum = m_packageItem ? QString() : m_in.hospNum;
    m_idNum = m_packageItem ? QString() : m_in.idNum;
    if (!cell(Location).trimmed().isEmpty()) postStock();
    else postService();
    if (cell(Dept).trimmed() == QLatin1String("OX") && number(11) > 0) postOxygen();
    if (m_packageItem) postPackageItem();
    if (m_p.EnableOldPackageCharging()) return;
    // each panel once: it is empty for any later row of its kind
    if (!consignedPosted && IsStationDepartment(cell(Dept), m_p.ConsignedPackagesRevenueID())) {
        postPanel(PanelKind::Consigned, m_in.ConsignedItems);
        consignedPosted = true;
    }
    if (!includedPosted && IsStationDepartment(cell(Dept), m_p.CLEquipmentRev()) && isEquipmentPackage(m_c, cell(ItemCode).trimmed())) {
        postPanel(PanelKind::Included, m_in.IncludedItems);
        includedPosted = true;
    }
}

void RowPosting::postPanel(PanelKind kind, const QList<PanelItemLine>& items)
{
    PanelPosting at;
    at.slip = m_slip;
    at.userId = m_in.userId;
    at.room = m_in.room;
    at.patientType = m_in.patientType;
    at.when = m_at;
    PostPanelItems(m_c, kind, items, at);
}

void RowPosting::postStock()
{
    StockCardLine line;
    line.HospNum = m_hospNum;
    line.IDNum = m_idNum;
    line.ItemID = cell(ItemCode);
    line.TransDate = m_at;
    line.RefNum = m_slip;
    line.Quantity = LeadingNumber(cell(Qty));
    line.Amount = m_packageItem ? 0 : LeadingNumber(cell(Amount));
    line.UserID = m_in.userId;
    line.DosageID = m_in.lateCharges ? cell(DosageID).trimmed() : cell(DosageID);
    line.RequestDocID = m_in.doctorId;
    line.LocationID = cell(Location);
    line.RoomID = m_in.room;
    line.StockSection = GetInventoryType(m_c, cell(Location)) == QLatin1String("C") ? QStringLiteral("CS") : QStringLiteral("PH");
    line.PatientType = m_in.patientType;
    // on the bill under its own department, as its reversal takes it back; a package's items are
    // billed once, as the package
    const qint64 sequence = m_packageItem ? AppendStockCardLine(m_c, line) : PostStockCharge(m_c, line, cell(Dept), cell(ARCode));
    const QString item = cell(ItemCode).trimmed(), package = m_package.trimmed();
    if (!package.isEmpty()) {
        // the line just written carries the package it was charged under
        m_c.execute(QStringLiteral("UPDATE INVENTORY..tbInvStockCard SET PackageID = ? WHERE SequenceNumber = ?"), {package, sequence});
        m_c.execute(QStringLiteral("UPDATE STATION..tbNurseLogbook SET PackageID = ? WHERE IDNum = ? AND ReferenceNum = ? AND ItemID = ?"),
                    {package, m_idNum, m_slip, item});
    }
    if (m_in.lateCharges
        || ((package.isEmpty() || !m_p.OnlyShowPackageCSlip()) && !IsStationDepartment(cell(Dept), m_p.ConsignedPackagesRevenueID())
            && !m_packageItem))
        m_c.call(QStringLiteral("STATION..sp_CL_SaveChargePrint"),
                 {cell(ItemCode), cell(Amount), cell(Qty), cell(Dept), cell(Description), m_slip});
}

void RowPosting::postService()
{
    const QVariant null;
    m_c.call(QStringLiteral("STATION..Nurse_AppendCharging"),
             {m_hospNum, m_idNum, cell(ItemCode), cell(Amount), cell(Qty), m_at, cell(Dept), QStringLiteral("X"), m_in.userId,
              cell(Description), m_in.patientType, QStringLiteral("D"), m_in.room, m_in.stationCode, m_in.doctorId, m_slip,
              cell(ARCode).trimmed(), m_in.doctorName, m_package.trimmed(), null, null, null, cell(RequestNum).trimmed()});
}

void RowPosting::postOxygen()
{
    m_c.call(QStringLiteral("STATION..sp_Save_Oxygen_Monitoring"),
             {m_in.idNum.trimmed(), m_slip, cell(ItemCode).trimmed(), number(12), number(13), cell(Qty).trimmed(),
              cell(Amount).trimmed(), number(14), m_in.userId, QStringLiteral("CL")});
}

void RowPosting::postPackageItem()
{
    // each package with its own amount, however many packages the save holds
    const double packageAmount = cents(LeadingNumber(cell(PackageAmount)));
    m_c.call(QStringLiteral("CLINICAL_AREA..SaveToCathLabLogBook"),
             {m_in.idNum, m_slip, QString(), cell(ItemCode), cell(Qty), cell(Amount), m_at, cell(Dept), m_in.userId, cell(Location),
              packageAmount, m_in.rateOption, QStringLiteral("X"), m_package.trimmed(), cell(UnitPrice), cell(PackageQty)});
    if (cell(DosageID) != cell(ItemCode)) // the package's own item was replaced by the one charged
        m_c.call(QStringLiteral("Clinical_Area..SaveToCathReplacedItems"),
                 {m_in.idNum, m_slip, cell(PackageCode), cell(DosageID), cell(ItemCode)});
    if (m_billedPackages.contains(cell(PackageCode))) return;
    billPackage();
    m_billedPackages.insert(cell(PackageCode));
}

// The package goes on the bill once per save, as one line of quantity 1 at its own amount.
void RowPosting::billPackage()
{
    const QString main = m_p.MainRevenueID();
    const double packageAmount = cents(LeadingNumber(cell(PackageAmount)));
    // a consigned package is named in the consigned packages' department
    QString name = packageName(m_c, m_package, main);
    if (name.isEmpty() && !m_p.ConsignedPackagesRevenueID().trimmed().isEmpty())
        name = packageName(m_c, m_package, m_p.ConsignedPackagesRevenueID().trimmed());
    BillingLine line;
    line.HospNum = m_in.hospNum;
    line.IDNum = m_in.idNum;
    line.TransDate = m_at;
    line.RevenueID = main;
    line.DrCr = QStringLiteral("D");
    line.ItemID = m_package;
    line.Quantity = 1;
    line.RefNum = m_slip;
    line.Amount = packageAmount;
    line.UserID = m_in.userId;
    line.RoomID = m_in.room;
    line.RequestDocID = m_in.doctorId;
    line.ARCode = cell(ARCode).trimmed();
    line.DoctorName = m_in.doctorName;
    InsertBillingLine(m_c, line);
    if (hasCaseForm(m_c, m_package)) {
        const bool outPatient = m_in.idNum.trimmed().toUpper().endsWith(QLatin1Char('B'));
        m_c.call(QStringLiteral("CLINICAL_AREA..SaveToCathLabMaster"),
                 {m_in.hospNum, m_in.idNum, cell(RequestNum).trimmed(), m_package, packageAmount, m_at, m_in.doctorId,
                  QStringLiteral("X"), outPatient ? QStringLiteral("O") : QStringLiteral("I"), m_in.userId, m_slip,
                  QStringLiteral("1"), name, main});
    }
    AddChargeSlipLine(m_c, m_slip, main, m_package, name, 1, packageAmount);
}

} // namespace

bool IsStationDepartment(const QString& department, const QString& parameter)
{
    return !parameter.trimmed().isEmpty() && department.trimmed() == parameter.trimmed();
}

QString DosageRefusal(Connection& c, const QString& dept, const QString& itemCode, const QString& location,
                      const QString& description, const QString& dosageID)
{
    if (!StationParameters().ShowDosagePostMedicines()) return QString();
    if (dept.trimmed().isEmpty() || !dosageID.trimmed().isEmpty()) return QString();
    const QVariant section = c.scalar(QStringLiteral("SELECT StockCardRevenueID FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = ?"),
                                      {dept});
    if (DbValue::text(section).trimmed() != QLatin1String("PH")) return QString();
    QString name = description.trimmed();
    if (Session.DrugCatalog && Session.DrugCatalog->SearchDrug(itemCode, location)) name = Session.DrugCatalog->Drug.DrugName;
    return QStringLiteral("DOSAGE ID for ") + name + QStringLiteral(" is empty. The system can't process the specified item.");
}

ChargeSaveResult SaveChargeRows(Connection& c, const ChargeSaveInput& in)
{
    ChargeSaveResult result;
    if (in.rows.isEmpty()) return result;
    TransactionGuard tx(c);
    const QDateTime at = c.serverDateTime();
    const QString slip = TakeChargeSlipNumber(c, in.counterStation, in.slipMask);
    RowPosting posting(c, in, slip, at);
    for (const QStringList& row : in.rows) posting.post(row);
    if (in.lateCharges)
        c.execute(QStringLiteral("UPDATE %1 SET LateCharges = 0 WHERE IDNum = ?").arg(StayTables::Of(in.idNum).stay),
                  {in.idNum.trimmed()});
    if (in.AfterRows) in.AfterRows(c, slip, at);
    tx.commit();
    result.slipNumber = slip;
    result.serverDate = at;
    result.consignedPosted = posting.consignedPosted;
    result.includedPosted = posting.includedPosted;
    return result;
}
