#include "receivables/ReceivableSave.h"

#include "charging/ChargeSave.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

#include <QRegularExpression>

namespace {

QStringList cellsOf(const ReceivableEntryRow& r)
{
    QStringList cells(ReceivableEntryRow::ColumnCount);
    cells[ReceivableEntryRow::Number] = QString::number(r.gridRow);
    cells[ReceivableEntryRow::Dept] = r.dept;
    cells[ReceivableEntryRow::ItemCode] = r.itemCode;
    cells[ReceivableEntryRow::Description] = r.description;
    cells[ReceivableEntryRow::Qty] = r.qty;
    cells[ReceivableEntryRow::UnitPrice] = r.unitPrice;
    cells[ReceivableEntryRow::Amount] = r.amount;
    cells[ReceivableEntryRow::Location] = r.location;
    cells[ReceivableEntryRow::ARCode] = r.arCode;
    cells[ReceivableEntryRow::BasePrice] = r.basePrice;
    cells[ReceivableEntryRow::PSIMark] = r.psiMark;
    cells[ReceivableEntryRow::InitialReading] = r.initialReading;
    cells[ReceivableEntryRow::LastReading] = r.lastReading;
    cells[ReceivableEntryRow::TankNumber] = r.tankNumber;
    cells[ReceivableEntryRow::PackageCode] = r.packageCode;
    cells[ReceivableEntryRow::PackageValue] = r.packageValue;
    cells[ReceivableEntryRow::PackageQty] = r.packageQty;
    cells[ReceivableEntryRow::DosageID] = r.dosageId;
    return cells;
}

bool isPlainNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\d+(\\.\\d*)?$|^\\.\\d+$"));
    return number.match(text.trimmed()).hasMatch();
}

} // namespace

QString ReceivableRowsRefusal(Connection& c, const ReceivableEntryRows& rows)
{
    for (const ReceivableEntryRow& r : rows) {
        const QString dosage = DosageRefusal(c, r.dept, r.itemCode, r.location, r.description, r.dosageId);
        if (!dosage.isEmpty()) return dosage;
        if (r.isPSIOxygen() && !(isPlainNumber(r.tankNumber) && isPlainNumber(r.initialReading) && isPlainNumber(r.lastReading)))
            return QStringLiteral("The oxygen tank of row %1 (%2) has no valid tank number or readings. Please read the tank again.")
                .arg(r.gridRow)
                .arg(r.description.trimmed());
    }
    return QString();
}

ReceivableSaveResult SaveReceivableRows(Connection& c, const ReceivableSaveInput& in)
{
    ChargeSaveInput charge;
    charge.hospNum = in.hospNum;
    charge.idNum = in.idNum;
    charge.room = in.room;
    charge.stationCode = QStringLiteral("CL");
    charge.patientType = IsOutPatientNumber(in.idNum) ? QStringLiteral("O") : QStringLiteral("I");
    charge.userId = in.userId;
    charge.counterStation = in.counterStation;
    charge.slipMask = in.slipMask;
    charge.lateCharges = true;
    for (const ReceivableEntryRow& r : in.rows) charge.rows << cellsOf(r);
    const PackageItemsOfSave packages = SortPackageItems(in.packageItems, in.rows);
    charge.AfterRows = [&](Connection& conn, const QString& slip, const QDateTime& at) {
        PostPackageStockItems(conn, {in.hospNum, in.idNum, in.room, in.userId, at}, slip, packages.issued, false);
        SaveUnusedPackageItems(conn, in.idNum, in.userId, slip, packages.unused);
    };
    const ChargeSaveResult saved = SaveChargeRows(c, charge);
    return {saved.slipNumber, saved.serverDate};
}
