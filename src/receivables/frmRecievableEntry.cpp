// The receivable update's item entry: Enter on a cell of the entry grid checks and prices what was
// typed (stock items, professional fees "MD", services of the other departments, oxygen "OX") and
// moves the box on; Home, End, Up and Down move it between the typed columns.
#include "receivables/frmRecievable.h"

#include "charging/ChargePricing.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/patient_search/clsPatientSearch.h"
#include "shared/orders/ExamPricing.h"
#include "shared/MainWindowLinks.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivablePSI.h"
#include "shared/clsParameters.h"
#include "shared/doctors/DoctorFees.h"
#include "shared/doctors/frmDoctorsFee.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TextUtilities.h"

#include <QLineEdit>
#include <cmath>

using Col = ReceivableEntryRow::Column;

namespace {
const QString kNotice = QStringLiteral("Notification");
const QString kConfirm = QStringLiteral("Confirmation");
const QString kMessage = QStringLiteral("Message");
bool isOxygen(const QString& dept) { return dept.trimmed() == QLatin1String("OX"); }
double cents(double v) { return std::round(v * 100.0) / 100.0; }
// A typed number kept as typed in value: plain decimal text, up to 15 significant digits.
QString plainNumber(double v) { return QString::number(v, 'g', 15); }
}

bool frmRecievable::cashOutPatient() const
{
    const QString id = txtID->text().trimmed();
    return IsOutPatientNumber(id) && GetOPDRateType(SharedConnection(), id).trimmed() == QLatin1String("A");
}

QString frmRecievable::rateClass() const { return ChargeRateClass(SharedConnection(), txtID->text(), txtRoom->text()); }

bool frmRecievable::EnterReceivableItem(int key)
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row(), col = g.Col();
    if (row < 1) return true;
    switch (key) {
    case Qt::Key_Home: {
        int target = col;
        for (int c = col - 1; c >= Col::Dept; --c)
            if (!ExcemptCol(c)) {
                target = c;
                break;
            }
        g.MoveTo(row, target);
        return true;
    }
    case Qt::Key_End: {
        int target = col;
        for (int c = col + 1; c < g.Cols(); ++c)
            if (!ExcemptCol(c)) {
                target = c;
                break;
            }
        g.MoveTo(row, target);
        return true;
    }
    case Qt::Key_Up:
        g.MoveTo(row > 1 ? row - 1 : row, col);
        return true;
    case Qt::Key_Down:
        g.MoveTo(row < g.Rows() - 1 ? row + 1 : row, col);
        return true;
    case Qt::Key_Left:
        txtEntry->cursorBackward(false);
        return true;
    case Qt::Key_Right:
        txtEntry->cursorForward(false);
        return true;
    case Qt::Key_Return:
        break;
    default:
        return false;
    }
    bool go = true;
    switch (col) {
    case Col::Dept:
        go = enterDepartment(row);
        break;
    case Col::ItemCode:
        go = enterItem(row);
        break;
    case Col::Qty:
        go = enterQuantity(row);
        break;
    case Col::UnitPrice:
        go = enterUnitPrice(row);
        break;
    case Col::Amount:
        go = enterAmount(row);
        break;
    default:
        break;
    }
    if (go) moveOn(col);
    return true;
}

void frmRecievable::moveOn(int col)
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row();
    if (col < 8 && CompleteRow(row)) AddRow(row);
    const int last = Session.HospitalInfo.IsShowAmount && Session.AllowEditAmount ? int(Col::Amount) : int(Col::Qty);
    int targetRow = row, targetCol = col;
    bool rowEnd = col >= last;
    if (!rowEnd) {
        // The next typed column of the row; none left (only hidden ones) ends the row.
        rowEnd = true;
        for (int c = col + 1; c < g.Cols(); ++c)
            if (!ExcemptCol(c)) {
                targetCol = c;
                rowEnd = false;
                break;
            }
    }
    if (rowEnd) {
        targetCol = Col::Dept;
        if (row < g.Rows() - 1) targetRow = row + 1;
    }
    g.MoveTo(targetRow, targetCol);
}

void frmRecievable::placeBox() { mshflexEntry->EnterCell(); }

// ---- department ----

bool frmRecievable::enterDepartment(int row)
{
    const QString old = cell(row, Col::Dept);
    const QString typed = txtEntry->text();
    setCell(row, Col::Dept, typed);
    if (!CheckDepartment(typed.trimmed())) {
        MsgBox(QStringLiteral("Department code does not exist! Please refer to the list of department codes."), vbInformation,
               QStringLiteral("Notification!"));
        setCell(row, Col::Dept, old);
        return false;
    }
    // The columns the box skips follow the department entered last.
    QVector<int>& t = mshflexEntry->ExemptColumnTable;
    const bool doctor = typed.trimmed() == QLatin1String("MD");
    t[1] = Col::Description;
    if (Session.AllowEditAmount) {
        t[2] = Col::UnitPrice;
        t[3] = 0;
    } else {
        t[2] = doctor ? int(Col::Amount) : int(Col::UnitPrice);
        t[3] = doctor ? 0 : int(Col::Amount);
    }
    const QString description = cell(row, Col::Description).trimmed();
    if (!old.isEmpty() && old != typed && !description.isEmpty()) {
        if (MsgBox(QStringLiteral("This will remove ") + description + QStringLiteral(".\r\n\r\nAre you sure you want to continue?"),
                   vbYesNo | vbQuestion, kConfirm)
            != vbYes) {
            setCell(row, Col::Dept, old);
            mshflexEntry->HideBox();
            return false;
        }
        mshflexEntry->ClearRow(row, Col::ItemCode, mshflexEntry->Cols() - 1);
    }
    return true;
}

// ---- item ----

bool frmRecievable::enterItem(int row)
{
    const QString dept = cell(row, Col::Dept).trimmed();
    if (!CheckDepartment(dept)) return true;
    if (const auto location = StockLocationOrNotice(SharedConnection(), dept)) return enterStockItem(row, *location);
    if (dept == QLatin1String("MD")) return enterProfessionalFee(row);
    return enterService(row, dept);
}

bool frmRecievable::enterStockItem(int row, const QString& location)
{
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    Connection& c = SharedConnection();
    const QString dept = cell(row, Col::Dept).trimmed();
    if (!(LeadingNumber(txtEntry->text()) > 0) && Session.DrugListCSR)
        txtEntry->setText(Session.DrugListCSR->ShowList(txtEntry->text(), false, location));
    if (!catalog->SearchDrug(txtEntry->text().trimmed(), location)) {
        MsgBox(QStringLiteral("Code does not exist."), vbInformation, kNotice);
        return false;
    }
    const DrugItem item = catalog->Drug;
    if (item.Status) {
        MsgBox(QStringLiteral("Record is inactive. Please check build file of items."), vbExclamation, kMessage);
        return false;
    }
    if (Session.HospitalInfo.AllowZeroOnHand && item.Invent.StockOnHand <= 0) {
        MsgBox(item.DrugName + QStringLiteral(" has no stocks left. The system can't process the specified item."), vbCritical, kNotice);
        return false;
    }
    txtEntry->setText(item.DrugCode);
    const clsParameters& p = StationParameters();
    if (p.CheckPNF() && !item.DrugCode.isEmpty() && GetInventoryType(c, location) != QLatin1String("C") && !OrErrorNotice(false, [&] { return IsPNFItem(c, item.DrugCode); })
        && OrErrorNotice(true, [&] { return IsCF4Required(c, txtID->text()); })) {
        if (p.NoPNFByPass()) {
            MsgBox(QStringLiteral("Item is not under PNF list."), vbInformation, kNotice);
            return false;
        }
        if (MsgBox(QStringLiteral("Item is not under PNF list. Would you like to continue?"), vbYesNo | vbQuestion, kConfirm) != vbYes)
            return false;
    }
    if (Check_Code(item.DrugCode)) {
        MsgBox(QStringLiteral("Can't charge the same item."), vbInformation, kNotice);
        setCell(row, Col::Description, QString());
        return false;
    }
    const double price = cashOutPatient() ? item.Invent.SellingPriceOut : item.Invent.SellingPriceIn;
    setCell(row, Col::ItemCode, item.DrugCode);
    setCell(row, Col::Description, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, Col::UnitPrice, AmountText(price));
    setCell(row, Col::Qty, QStringLiteral("1"));
    setCell(row, Col::Amount, AmountText(QuantityAmount(1, price)));
    setCell(row, Col::Location, location);
    setCell(row, Col::ARCode, GetARCode(c, dept, QStringLiteral("CL"), QStringLiteral("3")));
    setCell(row, Col::BasePrice, cell(row, Col::UnitPrice));
    setCell(row, Col::PackageCode, QString());
    if (p.ShowDosagePostMedicines() && OrErrorNotice(false, [&] { return IsPharmacyRevenue(c, dept); }) && Session.CodeSearch) {
        clsCodeSearch* search = Session.CodeSearch;
        if (OrSearchWarning([&] { return search->SearchListing(QString(), 16); })) {
            setCell(row, Col::DosageID, search->DosageRecord.ResultCode);
            setCell(row, Col::Qty, search->DosageRecord.Frequency);
            // a frequency is a quantity as well: the amount follows it
            setCell(row, Col::Amount, AmountText(QuantityAmount(LeadingNumber(cell(row, Col::Qty)), price)));
            if (Session.HospitalInfo.AllowZeroOnHand && item.Invent.StockOnHand < LeadingNumber(cell(row, Col::Qty))) {
                MsgBox(QStringLiteral("There is no stock left for ") + item.DrugName +
                           QStringLiteral(". The system can't process the specified item."),
                       vbCritical, kNotice);
                mshflexEntry->ClearRow(row, Col::ItemCode, mshflexEntry->Cols() - 1);
                mshflexEntry->HideBox();
                mshflexEntry->setCurrentCell(row, Col::ItemCode);
                return false;
            }
        } else if (cell(row, Col::DosageID).isEmpty()) {
            MsgBox(QStringLiteral("DOSAGE ID for ") + item.DrugName + QStringLiteral(" is empty. The system can't process the specified item."),
                   vbCritical, kNotice);
            mshflexEntry->MoveTo(row, Col::ItemCode);
            return false;
        }
    }
    return priceCheck(row);
}

bool frmRecievable::enterProfessionalFee(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !OrSearchWarning([&] { return search->SearchListing(txtEntry->text(), 1); })) return false;
    const CodeSearchDoctor doctor = search->DoctorRecord;
    const QString name = doctor.LastName.trimmed() + QStringLiteral(" ,") + doctor.FirstName.trimmed();
    Connection& c = SharedConnection();
    // The fee is settled before the row changes: a cancelled pick leaves the row as it was.
    double fee = 0;
    if (Session.HospitalInfo.IsShowAmount && !DoctorHasFeeItems(c, doctor.ResultCode.trimmed())) {
        fee = DoctorRateForClass(c, doctor.ResultCode.trimmed(), rateClass());
    } else {
        frmDoctorsFee* picker = frmDoctorsFee::instance();
        picker->DoctorCode = doctor.ResultCode;
        picker->DoctorName = name;
        if (!picker->SearchRecord()) {
            MsgBox(QStringLiteral("No Record(s) found in the Doctor's Fee table! \r\nPlease contact EDP for further assistance."),
                   vbCritical, kMessage);
            emptyRowToDepartment(row);
            return false;
        }
        if (!picker->ShowModal()) return false;
        fee = picker->SelectedDoctorFee;
    }
    txtEntry->setText(doctor.ResultCode);
    setCell(row, Col::ItemCode, doctor.ResultCode);
    setCell(row, Col::Description, name);
    setCell(row, Col::Qty, QStringLiteral("1"));
    setCell(row, Col::UnitPrice, AmountText(fee));
    setCell(row, Col::Amount, cell(row, Col::UnitPrice));
    setCell(row, Col::BasePrice, cell(row, Col::UnitPrice));
    setCell(row, Col::PackageCode, QString());
    return priceCheck(row);
}

bool frmRecievable::enterService(int row, const QString& department)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search) return false;
    search->OtherSectionID = department;
    if (!OrSearchWarning([&] { return search->SearchListing(txtEntry->text().trimmed(), 21); })) {
        MsgBox(QStringLiteral("Sorry, no items built yet for this revenue."), vbInformation, kNotice);
        return false;
    }
    const CodeSearchOtherRevenue record = search->OtherRevenueRecord;
    txtEntry->setText(record.ResultCode);
    if (Check_Code(record.ResultCode)) {
        MsgBox(QStringLiteral("Can't charge the same item."), vbInformation, kNotice);
        return false;
    }
    Connection& c = SharedConnection();
    Check_If_Package(department, record.ResultCode, mshflexPackageItems);
    setCell(row, Col::ItemCode, record.ResultCode);
    setCell(row, Col::Description, record.OtherRevenue);
    setCell(row, Col::PackageCode, QString());
    if (Session.PatientSearch) {
        if (IsOutPatientNumber(txtID->text().trimmed()))
            Session.PatientSearch->PatientClass()->clsOutPatient()->Refresh();
        else
            Session.PatientSearch->Admission()->Refresh();
    }
    // A class outside "A" to "H" has no rate: the price the row had stays.
    const QVariant rate = record.rate(rateClass());
    if (!rate.isNull()) setCell(row, Col::UnitPrice, AmountText(DbValue::toDouble(rate)));
    setCell(row, Col::Qty, QStringLiteral("1"));
    const clsParameters& p = StationParameters();
    if (Session.HospClientName == QLatin1String("QOLTA") && p.UseNewCLMarkUp()
        && (department == QLatin1String("CO") || department == QLatin1String("CQ"))) {
        DialogAnswers.resetMarkup();
        MainWindowLinks::ShowMarkUpChoice();
        setCell(row, Col::UnitPrice, AmountText(ApplyChargeMarkup(LeadingNumber(cell(row, Col::UnitPrice)),
                                                                  DialogAnswers.MarkupOperation, DialogAnswers.MarkupValue)));
    }
    if (p.AllowInternationalRate() && OrErrorNotice(false, [&] { return IsInternationalPatient(c, txtID->text()); }))
        setCell(row, Col::UnitPrice, AmountText(InternationalRate(LeadingNumber(cell(row, Col::UnitPrice)))));
    setCell(row, Col::Amount,
            AmountText(QuantityAmount(LeadingNumber(cell(row, Col::Qty)), LeadingNumber(cell(row, Col::UnitPrice)))));
    setCell(row, Col::ARCode, GetARCode(c, department, QStringLiteral("CL"), QStringLiteral("3")));
    setCell(row, Col::BasePrice, cell(row, Col::UnitPrice));
    return priceCheck(row);
}

bool frmRecievable::priceCheck(int row)
{
    if (LeadingNumber(cell(row, Col::UnitPrice)) > 0 || Session.HospitalInfo.IsShowAmount) return true;
    MsgBox(QStringLiteral("Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance."),
           vbCritical, kMessage);
    emptyRowToDepartment(row);
    return false;
}

void frmRecievable::emptyRowToDepartment(int row)
{
    mshflexEntry->ClearRow(row, Col::Dept, Col::PackageCode);
    txtEntry->clear();
    mshflexEntry->MoveTo(row, Col::Dept);
}

// ---- quantity, unit price, amount ----

bool frmRecievable::enterQuantity(int row)
{
    if (isOxygen(cell(row, Col::Dept))) return enterOxygenQuantity(row);
    const QString text = txtEntry->text();
    const QString refusal = QuantityRefusal(text);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbInformation, kNotice);
        mshflexEntry->HideBox();
        return false;
    }
    Connection& c = SharedConnection();
    if (Session.HospitalInfo.AllowZeroOnHand && Session.DrugCatalog && StockLocationOrNotice(c, cell(row, Col::Dept).trimmed())) {
        // the stock of the row's own item, not of the item looked up last
        const bool found = Session.DrugCatalog->SearchDrug(cell(row, Col::ItemCode).trimmed(), cell(row, Col::Location).trimmed());
        const double onHand = found ? Session.DrugCatalog->Drug.Invent.StockOnHand : 0;
        if (LeadingNumber(text) > onHand) {
            MsgBox(QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + AmountText(onHand),
                   vbInformation, kNotice);
            setCell(row, Col::Qty, QString());
            mshflexEntry->HideBox();
            mshflexEntry->MoveTo(row, Col::Qty);
            return false;
        }
    }
    setCell(row, Col::Amount, AmountText(QuantityAmount(LeadingNumber(text), LeadingNumber(cell(row, Col::UnitPrice)))));
    setCell(row, Col::Qty, text);
    return true;
}

bool frmRecievable::enterOxygenQuantity(int row)
{
    const double unit = LeadingNumber(cell(row, Col::UnitPrice));
    for (int c : {Col::InitialReading, Col::LastReading, Col::TankNumber}) setCell(row, c, QString());
    if (MsgBox(QStringLiteral("Is this a PSI Oxygen?"), vbYesNo | vbQuestion | vbDefaultButton2, kMessage) != vbYes) {
        setCell(row, Col::PSIMark, QStringLiteral("0"));
        setCell(row, Col::Amount, AmountText(QuantityAmount(LeadingNumber(txtEntry->text()), unit)));
        setCell(row, Col::Qty, txtEntry->text());
        return true;
    }
    DialogAnswers.ConsumedPSI = 0;
    setCell(row, Col::PSIMark, QStringLiteral("1"));
    ShowPSIReading(cell(row, Col::ItemCode), cell(row, Col::Description), mshflexEntry, row);
    const int psi = DialogAnswers.ConsumedPSI;
    setCell(row, Col::Qty, psi > 0 ? QString::number(psi) : QStringLiteral("1"));
    const PSIAmount a = OxygenPSIAmount(Session.HospitalInfo.PSIOxygenComputationType, psi, unit);
    setCell(row, Col::Amount, AmountText(a.amount));
    if (!a.read) {
        setCell(row, Col::PSIMark, QStringLiteral("0"));
        for (int c : {Col::InitialReading, Col::LastReading, Col::TankNumber}) setCell(row, c, QString());
    }
    return true;
}

bool frmRecievable::enterUnitPrice(int row)
{
    if (isOxygen(cell(row, Col::Dept))) return true;
    const QString floor = cell(row, Col::BasePrice);
    if (LeadingNumber(floor) > LeadingNumber(txtEntry->text())) {
        MsgBox(QStringLiteral("Unit Price should be greater >= ") + floor, vbInformation, kNotice);
        setCell(row, Col::UnitPrice, floor);
        txtEntry->setText(floor);
        return false;
    }
    setCell(row, Col::UnitPrice, txtEntry->text());
    setCell(row, Col::Amount,
            AmountText(QuantityAmount(LeadingNumber(cell(row, Col::Qty)), LeadingNumber(cell(row, Col::UnitPrice)))));
    return true;
}

bool frmRecievable::enterAmount(int row)
{
    if (isOxygen(cell(row, Col::Dept))) return true;
    const double typed = LeadingNumber(txtEntry->text());
    if (typed <= 0) {
        MsgBox(QStringLiteral("Amount should be greater than zero(0)!"), vbInformation, kNotice);
        return false;
    }
    const double qty = LeadingNumber(cell(row, Col::Qty));
    const double unit = LeadingNumber(cell(row, Col::UnitPrice));
    const double rounded = cents(typed);
    const double least = unit == 0 ? rounded : cents(unit * qty);
    if (rounded > 0 && rounded >= least) {
        setCell(row, Col::Amount, plainNumber(typed));
        // a row without a unit price takes it from the amount (none for a quantity of 0)
        if (unit == 0)
            if (const std::optional<double> u = UnitPriceFromAmount(typed, qty)) setCell(row, Col::UnitPrice, AmountText(*u));
        return true;
    }
    MsgBox(QStringLiteral("Total Amount should be greater than or equal to QTY * Unit Price!"), vbInformation, kNotice);
    const QString amount = AmountText(QuantityAmount(qty, unit));
    txtEntry->setText(amount);
    setCell(row, Col::Amount, amount);
    return false;
}
