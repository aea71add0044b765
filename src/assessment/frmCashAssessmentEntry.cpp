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
#include "shared/doctors/DoctorChecks.h"
#include "shared/doctors/frmDoctorsFee.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/oxygen/frmPSIReading.h"
#include "shared/text/TextUtilities.h"

#include <QLineEdit>

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
    case 1:
        goOn = enterDepartment(row);
        break;
    case 2:
        goOn = enterItem(row);
        break;
    case 4:
        goOn = enterQuantity(row);
        break;
    case 5:
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
    const QString old = cell(row, 1), typed = txtEntry->text();
    setCell(row, 1, typed);
    if (!CheckDepartment(typed.trimmed())) {
        MsgBox(QStringLiteral("Department code does not exist! Please refer to the list of department codes."), vbInformation,
               QStringLiteral("Notification!"));
        setCell(row, 1, old);
        return false;
    }
    if (!old.isEmpty() && old != typed && !cell(row, 3).trimmed().isEmpty()) {
        if (MsgBox(QStringLiteral("This will remove ") + cell(row, 3) + QStringLiteral(".\r\n\r\nAre you sure you want to continue?"),
                   vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
            != vbYes) {
            setCell(row, 1, old);
            mshflexEntry->HideBox();
            return false;
        }
        Remove_PackageItems(old, cell(row, 2)); // the package goes with the row's item
        mshflexEntry->ClearRow(row, 2, mshflexEntry->Cols() - 1);
    }
    return true;
}

bool frmCashAssessment::enterItem(int row)
{
    if (!CheckDepartment(cell(row, 1))) return true;
    if (LoadRevenueLocation(SharedConnection(), cell(row, 1).trimmed())) return enterStockItem(row);
    if (cell(row, 1) == QLatin1String("MD")) return enterProfessionalFee(row);
    return enterService(row);
}

bool frmCashAssessment::enterStockItem(int row)
{
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    const QString location = Session.RevenueLocationID;
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
        setCell(row, 3, QString());
        return false;
    }
    Connection& c = SharedConnection();
    const QString id = txtID->text().trimmed();
    double price = item.Invent.SellingPriceIn;
    if (IsOutPatientNumber(id) && GetOPDRateType(c, id) == QLatin1String("A")) price = item.Invent.SellingPriceOut;
    if (cell(row, 1) == QLatin1String("PH") && Session.HospClientName == QLatin1String("QOLTA")) price = item.Invent.SellingPriceOut;
    setCell(row, 2, item.DrugCode);
    setCell(row, 3, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, 5, numText(price));
    setCell(row, 4, QStringLiteral("1"));
    setCell(row, 6, numText(num(cell(row, 4)) * num(cell(row, 5))));
    setCell(row, 7, location);
    setCell(row, 8, GetARCode(c, cell(row, 1).trimmed(), QStringLiteral("ERM"), QStringLiteral("1")));
    return lookedUpPrice(row);
}

bool frmCashAssessment::enterProfessionalFee(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !search->SearchListing(txtEntry->text(), 1)) return false;
    const CodeSearchDoctor doctor = search->DoctorRecord;
    txtEntry->setText(doctor.ResultCode);
    Connection& c = SharedConnection();
    // the fee is settled before the row changes
    const QString name = doctor.LastName.trimmed() + QStringLiteral(" ,") + doctor.FirstName.trimmed();
    double fee = 0;
    if (Session.HospitalInfo.IsShowAmount && !HasDoctorBill(c, doctor.ResultCode.trimmed())) {
        fee = GetDoctorsRate(c, doctor.ResultCode, rateClass());
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
    setCell(row, 2, doctor.ResultCode);
    setCell(row, 3, name);
    setCell(row, 4, QStringLiteral("1"));
    setCell(row, 5, numText(fee));
    setCell(row, 6, cell(row, 5));
    return lookedUpPrice(row);
}

bool frmCashAssessment::enterService(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search) return false;
    search->OtherSectionID = cell(row, 1).trimmed();
    if (!search->SearchListing(txtEntry->text().trimmed(), 21)) {
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
    Remove_PackageItems(cell(row, 1), cell(row, 2)); // the package this row held before, if any
    Check_If_Package(cell(row, 1), record.ResultCode);
    setCell(row, 2, record.ResultCode);
    setCell(row, 3, record.OtherRevenue);
    const QVariant rate = record.rate(letter);
    if (rate.isValid()) setCell(row, 5, numText(DbValue::toDouble(rate)));
    setCell(row, 4, QStringLiteral("1"));
    setCell(row, 6, numText(num(cell(row, 4)) * num(cell(row, 5))));
    setCell(row, 8, GetARCode(SharedConnection(), cell(row, 1).trimmed(), QStringLiteral("ERM"), QStringLiteral("1")));
    return lookedUpPrice(row);
}

bool frmCashAssessment::lookedUpPrice(int row)
{
    setCell(row, 10, cell(row, 5));
    if (num(cell(row, 5)) > 0 || Session.HospitalInfo.IsShowAmount) return true;
    MsgBox(QStringLiteral("Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance."), vbCritical,
           QStringLiteral("Message"));
    emptyRow(row);
    return false;
}

void frmCashAssessment::emptyRow(int row)
{
    Remove_PackageItems(cell(row, 1), cell(row, 2));
    mshflexEntry->ClearRow(row, 1, 14);
    txtEntry->clear();
    mshflexEntry->MoveTo(row, 1);
}

bool frmCashAssessment::enterQuantity(int row)
{
    if (cell(row, 1).trimmed() == QLatin1String("OX")
        && MsgBox(QStringLiteral("Is this a PSI Oxygen?"), vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Confirmation")) == vbYes)
        return enterOxygenQuantity(row);
    if (cell(row, 1).trimmed() == QLatin1String("OX")) {
        setCell(row, 11, QStringLiteral("0"));
        for (int c : {12, 13, 14}) setCell(row, c, QString());
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
    if (Session.HospitalInfo.AllowZeroOnHand && Session.DrugCatalog && LoadRevenueLocation(SharedConnection(), cell(row, 1).trimmed())) {
        // the stock of the row's own item at the row's own location, not of the item looked up last
        const bool found = Session.DrugCatalog->SearchDrug(cell(row, 2).trimmed(), cell(row, 7).trimmed());
        const double onHand = found ? Session.DrugCatalog->Drug.Invent.StockOnHand : 0;
        if (num(typed) > onHand) {
            MsgBox(QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + numText(onHand), vbInformation,
                   kEntryNotice);
            setCell(row, 4, QString());
            txtEntry->clear();
            mshflexEntry->HideBox();
            mshflexEntry->MoveTo(row, 4);
            return false;
        }
    }
    setCell(row, 6, numText(num(typed) * num(cell(row, 5))));
    setCell(row, 4, typed);
    askStat(row);
    return true;
}

bool frmCashAssessment::enterOxygenQuantity(int row)
{
    IsPSIOxygen = true;
    DialogAnswers.ConsumedPSI = 0;
    setCell(row, 11, QStringLiteral("1"));
    for (int c : {12, 13, 14}) setCell(row, c, QString());
    frmPSIReading* psi = frmPSIReading::instance();
    psi->Code = cell(row, 2);
    psi->Description = cell(row, 3);
    psi->Grid = mshflexEntry;
    psi->SelectedRow = row;
    runModal(psi);
    const int consumed = DialogAnswers.ConsumedPSI;
    setCell(row, 4, consumed > 0 ? QString::number(consumed) : QStringLiteral("1"));
    const double price = num(cell(row, 5));
    double amount;
    if (consumed <= 0) {
        // left without readings: one unit price, and no PSI row
        setCell(row, 11, QStringLiteral("0"));
        for (int c : {12, 13, 14}) setCell(row, c, QString());
        amount = price * num(cell(row, 4));
    } else if (Session.HospitalInfo.PSIOxygenComputationType == 1) {
        amount = num(cell(row, 4)) * price;
    } else if (consumed >= 100) {
        amount = price * consumed / 100;
    } else {
        amount = price;
    }
    setCell(row, 6, numText(amount));
    askStat(row);
    return true;
}

// The stat or holiday surcharge of 30%. A row read in PSI surcharges its own PSI amount; any other
// row is priced (P + P x 0.3) x Q.
void frmCashAssessment::askStat(int row)
{
    if (!Session.HospitalInfo.isstat) return;
    const bool yes = MsgBox(QStringLiteral("Is it Stat/Holiday?"), vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Confirmation")) == vbYes;
    const double p = num(cell(row, 5)), q = num(cell(row, 4));
    if (num(cell(row, 11)) > 0) {
        if (yes) {
            const double a = num(cell(row, 6));
            setCell(row, 6, numText(a + a * 0.3));
        }
        return;
    }
    setCell(row, 6, numText(yes ? (p + p * 0.3) * q : q * p));
}

bool frmCashAssessment::enterUnitPrice(int row)
{
    // a row read in PSI keeps the price its readings were charged at
    if (cell(row, 1).trimmed() == QLatin1String("OX") || num(cell(row, 11)) > 0) return true;
    const double typed = num(txtEntry->text());
    if (num(cell(row, 10)) > typed) {
        MsgBox(QStringLiteral("Unit Price should be greater >= ") + cell(row, 10), vbInformation, kEntryNotice);
        setCell(row, 5, cell(row, 10));
        setCell(row, 6, numText(num(cell(row, 4)) * num(cell(row, 5))));
        txtEntry->setText(cell(row, 10));
        return false;
    }
    if (cell(row, 1) == QLatin1String("MD") && typed <= 0) {
        MsgBox(QStringLiteral("Amount should be greater than zero(0)."), vbInformation, kEntryNotice);
        return false;
    }
    setCell(row, 5, txtEntry->text());
    setCell(row, 6, numText(num(cell(row, 4)) * num(cell(row, 5))));
    return true;
}

void frmCashAssessment::moveOn(int row, int col)
{
    EntryGrid& g = *mshflexEntry;
    if (CompleteRow(row)) AddRow(row);
    const bool show = Session.HospitalInfo.IsShowAmount, md = cell(row, 1) == QLatin1String("MD");
    const bool finished = show ? (Session.AllowEditAmount ? col == 5 : (md ? col == 5 : col == 4)) : col == 4;
    if (finished) {
        g.MoveTo(row < g.Rows() - 1 ? row + 1 : row, 1);
        return;
    }
    setRowExemptions(row);
    g.MoveTo(row, g.NextOpenColumn(col, 6));
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
    mshflexEntry->MoveTo(mshflexEntry->Rows() - 1, 1);
}
