// The item entry of the cash assessment: Enter in the floating box takes the department, looks
// the item up and prices it for the window's own patient (stock item, professional fee, service or
// package, oxygen by PSI), then moves the cursor on.
#include "assessment/frmCashAssessment.h"

#include "charging/pickers/frmListPackage.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/DoctorFees.h"
#include "shared/doctors/frmDoctorsFee.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/oxygen/frmPSIReading.h"
#include "shared/text/TextUtilities.h"

#include <QLineEdit>

namespace CA = CashRow;

namespace {
const QString kEntryNotice = QStringLiteral("Notification");

// Numbers the entry computes: plain decimal text, up to 15 significant digits (130, 32.5).
QString numText(double v) { return QString::number(v, 'g', 15); }
double num(const QString& text) { return Fmt::val(text); }
} // namespace

QString frmCashAssessment::rateClass() const
{
    Connection& c = SharedConnection();
    return IsOutPatientNumber(txtID->text()) ? GetOPDRateType(c, txtID->text().trimmed()) : GetRoomClassification(c, txtRoom->text());
}

bool frmCashAssessment::txtEntry_KeyDown(int key)
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row(), col = g.Col();
    if (row < 1) return true;
    switch (key) {
    case Qt::Key_Up:
        if (row > 1) g.MoveTo(row - 1, col);
        else g.EnterCell();
        return true;
    case Qt::Key_Down:
        if (row < g.Rows() - 1) g.MoveTo(row + 1, col);
        else g.EnterCell();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        g.EnterCell();
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        return false;
    }
    bool goOn = true;
    switch (col) {
    case CA::Dept:
        goOn = enterDepartment(row);
        break;
    case CA::ItemCode:
        goOn = enterItem(row);
        break;
    case CA::Qty:
        goOn = enterQuantity(row);
        break;
    case CA::UnitPrice:
        goOn = enterUnitPrice(row);
        break;
    default:
        break;
    }
    if (goOn) moveOn(row, col);
    return true;
}

bool frmCashAssessment::enterDepartment(int row)
{
    const QString old = cell(row, CA::Dept), typed = txtEntry->text();
    setCell(row, CA::Dept, typed);
    if (!CheckDepartment(typed.trimmed())) {
        MsgBox(QStringLiteral("Department code does not exist! Please refer to the list of department codes."), vbInformation,
               QStringLiteral("Notification!"));
        setCell(row, CA::Dept, old);
        return false;
    }
    if (!old.isEmpty() && old != typed && !cell(row, CA::Description).trimmed().isEmpty()) {
        if (MsgBox(QStringLiteral("This will remove ") + cell(row, CA::Description) + QStringLiteral(".\r\n\r\nAre you sure you want to continue?"),
                   vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
            != vbYes) {
            setCell(row, CA::Dept, old);
            mshflexEntry->HideBox();
            return false;
        }
        Remove_PackageItems(old, cell(row, CA::ItemCode)); // the package goes with the row's item
        mshflexEntry->ClearRow(row, CA::ItemCode, mshflexEntry->Cols() - 1);
    }
    return true;
}

bool frmCashAssessment::enterItem(int row)
{
    if (!CheckDepartment(cell(row, CA::Dept))) return true;
    if (const auto location = StockLocationOrNotice(SharedConnection(), cell(row, CA::Dept).trimmed())) return enterStockItem(row, *location);
    if (cell(row, CA::Dept) == QLatin1String("MD")) return enterProfessionalFee(row);
    return enterService(row);
}

bool frmCashAssessment::enterStockItem(int row, const QString& location)
{
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    QString code = txtEntry->text();
    if (!(num(code) > 0)) {
        code = Session.DrugListCSR ? Session.DrugListCSR->ShowList(code, false, location) : QString();
        txtEntry->setText(code);
    }
    if (!catalog->SearchDrug(code.trimmed(), location)) {
        MsgBox(QStringLiteral("Code does not exist!"), vbInformation, kEntryNotice);
        return false;
    }
    const DrugItem item = catalog->Drug;
    if (item.Status) {
        MsgBox(QStringLiteral("Record is inactive. Please enter an active item."), vbExclamation, kEntryNotice);
        return false;
    }
    if (Session.HospitalInfo.AllowZeroOnHand && item.Invent.StockOnHand <= 0) {
        MsgBox(item.DrugName + QStringLiteral(" has no stocks left. The system can't process the specified item."), vbCritical, kEntryNotice);
        return false;
    }
    txtEntry->setText(item.DrugCode);
    if (Check_Code(item.DrugCode)) {
        MsgBox(QStringLiteral("Can't charge the same Medicine/Supply!"), vbInformation, kEntryNotice);
        setCell(row, CA::Description, QString());
        return false;
    }
    Connection& c = SharedConnection();
    const QString id = txtID->text().trimmed();
    double price = item.Invent.SellingPriceIn;
    if (IsOutPatientNumber(id) && GetOPDRateType(c, id) == QLatin1String("A")) price = item.Invent.SellingPriceOut;
    if (cell(row, CA::Dept) == QLatin1String("PH") && Session.HospClientName == QLatin1String("QOLTA")) price = item.Invent.SellingPriceOut;
    setCell(row, CA::ItemCode, item.DrugCode);
    setCell(row, CA::Description, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, CA::UnitPrice, numText(price));
    setCell(row, CA::Qty, QStringLiteral("1"));
    setCell(row, CA::Amount, numText(num(cell(row, CA::Qty)) * num(cell(row, CA::UnitPrice))));
    setCell(row, CA::Location, location);
    setCell(row, CA::ARCode, GetARCode(c, cell(row, CA::Dept).trimmed(), QStringLiteral("ERM"), QStringLiteral("1")));
    return lookedUpPrice(row);
}

bool frmCashAssessment::enterProfessionalFee(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !OrSearchWarning([&] { return search->SearchListing(txtEntry->text(), 1); })) return false;
    const CodeSearchDoctor doctor = search->DoctorRecord;
    txtEntry->setText(doctor.ResultCode);
    Connection& c = SharedConnection();
    // the fee is settled before the row changes
    const QString name = doctor.LastName.trimmed() + QStringLiteral(" ,") + doctor.FirstName.trimmed();
    double fee = 0;
    if (Session.HospitalInfo.IsShowAmount && !OrErrorNotice(false, [&] { return DoctorHasFeeItems(c, doctor.ResultCode.trimmed()); })) {
        fee = OrErrorNotice(0.0, [&] { return DoctorRateForClass(c, doctor.ResultCode, rateClass()); });
    } else {
        frmDoctorsFee* fees = frmDoctorsFee::instance();
        fees->DoctorCode = doctor.ResultCode;
        fees->DoctorName = name;
        if (!fees->SearchRecord()) {
            MsgBox(QStringLiteral("No Record(s) found in the Doctor's Fee table! \r\nPlease contact EDP for further assistance."), vbCritical,
                   QStringLiteral("Message"));
            emptyRow(row);
            return false;
        }
        fees->ShowModal();
        fee = fees->SelectedDoctorFee;
    }
    setCell(row, CA::ItemCode, doctor.ResultCode);
    setCell(row, CA::Description, name);
    setCell(row, CA::Qty, QStringLiteral("1"));
    setCell(row, CA::UnitPrice, numText(fee));
    setCell(row, CA::Amount, cell(row, CA::UnitPrice));
    return lookedUpPrice(row);
}

bool frmCashAssessment::enterService(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search) return false;
    search->OtherSectionID = cell(row, CA::Dept).trimmed();
    if (!OrSearchWarning([&] { return search->SearchListing(txtEntry->text().trimmed(), 21); })) {
        if (!search->Cancelled) MsgBox(QStringLiteral("Sorry, no items built yet for this revenue."), vbInformation, kEntryNotice);
        return false;
    }
    const CodeSearchOtherRevenue record = search->OtherRevenueRecord;
    txtEntry->setText(record.ResultCode);
    if (Check_Code(record.ResultCode)) {
        MsgBox(QStringLiteral("Can't charge the same Service!"), vbInformation, kEntryNotice);
        return false;
    }
    const QString letter = rateClass().trimmed();
    Remove_PackageItems(cell(row, CA::Dept), cell(row, CA::ItemCode)); // the package this row held before, if any
    Check_If_Package(cell(row, CA::Dept), record.ResultCode);
    setCell(row, CA::ItemCode, record.ResultCode);
    setCell(row, CA::Description, record.OtherRevenue);
    const QVariant rate = record.rate(letter);
    if (rate.isValid()) setCell(row, CA::UnitPrice, numText(DbValue::toDouble(rate)));
    setCell(row, CA::Qty, QStringLiteral("1"));
    setCell(row, CA::Amount, numText(num(cell(row, CA::Qty)) * num(cell(row, CA::UnitPrice))));
    setCell(row, CA::ARCode, GetARCode(SharedConnection(), cell(row, CA::Dept).trimmed(), QStringLiteral("ERM"), QStringLiteral("1")));
    return lookedUpPrice(row);
}

bool frmCashAssessment::lookedUpPrice(int row)
{
    setCell(row, CA::ListPrice, cell(row, CA::UnitPrice));
    if (num(cell(row, CA::UnitPrice)) > 0 || Session.HospitalInfo.IsShowAmount) return true;
    MsgBox(QStringLiteral("Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance."), vbCritical,
           QStringLiteral("Message"));
    emptyRow(row);
    return false;
}

void frmCashAssessment::emptyRow(int row)
{
    Remove_PackageItems(cell(row, CA::Dept), cell(row, CA::ItemCode));
    mshflexEntry->ClearRow(row, CA::Dept, CA::TankNumber);
    txtEntry->clear();
    mshflexEntry->MoveTo(row, CA::Dept);
}

bool frmCashAssessment::enterQuantity(int row)
{
    if (cell(row, CA::Dept).trimmed() == QLatin1String("OX")
        && MsgBox(QStringLiteral("Is this a PSI Oxygen?"), vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Confirmation")) == vbYes)
        return enterOxygenQuantity(row);
    if (cell(row, CA::Dept).trimmed() == QLatin1String("OX")) {
        setCell(row, CA::PSIMark, QStringLiteral("0"));
        for (int c : {CA::InitialReading, CA::LastReading, CA::TankNumber}) setCell(row, c, QString());
        IsPSIOxygen = false;
    }
    const QString typed = txtEntry->text();
    if (num(typed) <= 0) {
        MsgBox(QStringLiteral("Quantity should be greater than Zero(0)!"), vbInformation, kEntryNotice);
        mshflexEntry->HideBox();
        return false;
    }
    if (!IsAllDigits(typed)) {
        MsgBox(QStringLiteral("You are only allowed to enter whole number for quantity."), vbInformation, kEntryNotice);
        mshflexEntry->HideBox();
        return false;
    }
    if (Session.HospitalInfo.AllowZeroOnHand && Session.DrugCatalog && StockLocationOrNotice(SharedConnection(), cell(row, CA::Dept).trimmed())) {
        // the stock of the row's own item at the row's own location, not of the item looked up last
        const bool found = Session.DrugCatalog->SearchDrug(cell(row, CA::ItemCode).trimmed(), cell(row, CA::Location).trimmed());
        const double onHand = found ? Session.DrugCatalog->Drug.Invent.StockOnHand : 0;
        if (num(typed) > onHand) {
            MsgBox(QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + numText(onHand), vbInformation,
                   kEntryNotice);
            setCell(row, CA::Qty, QString());
            txtEntry->clear();
            mshflexEntry->HideBox();
            mshflexEntry->MoveTo(row, CA::Qty);
            return false;
        }
    }
    setCell(row, CA::Amount, numText(num(typed) * num(cell(row, CA::UnitPrice))));
    setCell(row, CA::Qty, typed);
    askStat(row);
    return true;
}

bool frmCashAssessment::enterOxygenQuantity(int row)
{
    IsPSIOxygen = true;
    DialogAnswers.ConsumedPSI = 0;
    setCell(row, CA::PSIMark, QStringLiteral("1"));
    for (int c : {CA::InitialReading, CA::LastReading, CA::TankNumber}) setCell(row, c, QString());
    frmPSIReading* psi = frmPSIReading::instance();
    psi->Code = cell(row, CA::ItemCode);
    psi->Description = cell(row, CA::Description);
    psi->Grid = mshflexEntry;
    psi->SelectedRow = row;
    runModal(psi);
    const int consumed = DialogAnswers.ConsumedPSI;
    setCell(row, CA::Qty, consumed > 0 ? QString::number(consumed) : QStringLiteral("1"));
    const double price = num(cell(row, CA::UnitPrice));
    double amount;
    if (consumed <= 0) {
        // left without readings: one unit price, and no PSI row
        setCell(row, CA::PSIMark, QStringLiteral("0"));
        for (int c : {CA::InitialReading, CA::LastReading, CA::TankNumber}) setCell(row, c, QString());
        amount = price * num(cell(row, CA::Qty));
    } else if (Session.HospitalInfo.PSIOxygenComputationType == 1) {
        amount = num(cell(row, CA::Qty)) * price;
    } else if (consumed >= 100) {
        amount = price * consumed / 100;
    } else {
        amount = price;
    }
    setCell(row, CA::Amount, numText(amount));
    askStat(row);
    return true;
}

// The stat or holiday surcharge of 30%. A row read in PSI surcharges its own PSI amount; any other
// row is priced (P + P x 0.3) x Q.
void frmCashAssessment::askStat(int row)
{
    if (!Session.HospitalInfo.isstat) return;
    const bool yes = MsgBox(QStringLiteral("Is it Stat/Holiday?"), vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Confirmation")) == vbYes;
    const double p = num(cell(row, CA::UnitPrice)), q = num(cell(row, CA::Qty));
    if (num(cell(row, CA::PSIMark)) > 0) {
        if (yes) {
            const double a = num(cell(row, CA::Amount));
            setCell(row, CA::Amount, numText(a + a * 0.3));
        }
        return;
    }
    setCell(row, CA::Amount, numText(yes ? (p + p * 0.3) * q : q * p));
}

bool frmCashAssessment::enterUnitPrice(int row)
{
    // a row read in PSI keeps the price its readings were charged at
    if (cell(row, CA::Dept).trimmed() == QLatin1String("OX") || num(cell(row, CA::PSIMark)) > 0) return true;
    const double typed = num(txtEntry->text());
    if (num(cell(row, CA::ListPrice)) > typed) {
        MsgBox(QStringLiteral("Unit Price should be greater >= ") + cell(row, CA::ListPrice), vbInformation, kEntryNotice);
        setCell(row, CA::UnitPrice, cell(row, CA::ListPrice));
        setCell(row, CA::Amount, numText(num(cell(row, CA::Qty)) * num(cell(row, CA::UnitPrice))));
        txtEntry->setText(cell(row, CA::ListPrice));
        return false;
    }
    if (cell(row, CA::Dept) == QLatin1String("MD") && typed <= 0) {
        MsgBox(QStringLiteral("Amount should be greater than zero(0)."), vbInformation, kEntryNotice);
        return false;
    }
    setCell(row, CA::UnitPrice, txtEntry->text());
    setCell(row, CA::Amount, numText(num(cell(row, CA::Qty)) * num(cell(row, CA::UnitPrice))));
    return true;
}

void frmCashAssessment::moveOn(int row, int col)
{
    EntryGrid& g = *mshflexEntry;
    if (CompleteRow(row)) AddRow(row);
    const bool show = Session.HospitalInfo.IsShowAmount, md = cell(row, CA::Dept) == QLatin1String("MD");
    const bool finished = show ? (Session.AllowEditAmount ? col == CA::UnitPrice : (md ? col == CA::UnitPrice : col == CA::Qty)) : col == CA::Qty;
    if (finished) {
        g.MoveTo(row < g.Rows() - 1 ? row + 1 : row, CA::Dept);
        return;
    }
    setRowExemptions(row);
    g.MoveTo(row, g.NextOpenColumn(col, CA::Amount));
}

void frmCashAssessment::viewPackages()
{
    frmListPackage* picker = frmListPackage::instance();
    picker->SourceGrid = mshflexEntry;
    picker->PackageGrid = mshflexPackageItems;
    // the price class of this window's own patient
    QString priceClass = QStringLiteral("I");
    try {
        const QString id = txtID->text().trimmed();
        if (IsOutPatientNumber(id) && GetOPDRateType(SharedConnection(), id) == QLatin1String("A")) priceClass = QStringLiteral("O");
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    picker->PricePatientClass = priceClass;
    picker->ShowModal();
    ColourPackageRows();
    EntryRowCount = mshflexEntry->Rows() - 1;
    mshflexEntry->MoveTo(mshflexEntry->Rows() - 1, CA::Dept);
}
