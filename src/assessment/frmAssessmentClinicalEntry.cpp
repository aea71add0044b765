// Item entry and pricing of the clinical assessment: what Enter does in each column of the entry
// grid, and the moves of the arrow keys.
#include "assessment/ClinicalAssessmentData.h"
#include "assessment/frmAssessmentClinical.h"
#include "assessment/frmClinicalAssessmentRemarks.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ExamOrderChecks.h"
#include "shared/text/TextUtilities.h"

#include <QLineEdit>

namespace CR = ClinicalRow;

namespace {
const QString kClinicalNotice = QStringLiteral("Notification");
const QString kConfirm = QStringLiteral("Confirmation");
const QString kQuantityRefusal = QStringLiteral("Quantity should be greater than Zero(0)!");

bool isStockDepartment(const QString& department) { return StockLocationOrNotice(SharedConnection(), department).has_value(); }
} // namespace

bool frmAssessmentClinical::txtEntry_KeyDown(int key)
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row();
    if (row < 1) return true;
    switch (key) {
    case Qt::Key_Up:
        return moveVertically(-1);
    case Qt::Key_Down:
        return moveVertically(1);
    case Qt::Key_Left:
    case Qt::Key_Right:
        g.EnterCell();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        return false;
    }
    bool goOn = true;
    switch (g.Col()) {
    case CR::Dept:
        goOn = enterDepartment(row);
        break;
    case CR::ItemCode:
        goOn = enterItem(row);
        break;
    case CR::Qty:
        goOn = enterQuantity(row);
        break;
    case CR::UnitPrice:
        goOn = enterUnitPrice(row);
        break;
    default:
        break;
    }
    if (goOn) moveOn();
    return true;
}

bool frmAssessmentClinical::moveVertically(int step)
{
    EntryGrid& g = *mshflexEntry;
    const int target = g.Row() + step;
    if (target >= 1 && target <= g.Rows() - 1) g.setCurrentCell(target, g.Col());
    g.EnterCell();
    return true;
}

void frmAssessmentClinical::moveOn()
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row(), col = g.Col();
    if (col < 8 && CompleteRow(row)) AddRow(row);
    const bool finished = dept(row) == QLatin1String("MD") ? col == CR::UnitPrice
                                                             : col == (Session.AllowEditAmount ? int(CR::UnitPrice) : int(CR::Qty));
    if (finished) {
        g.MoveTo(row < g.Rows() - 1 ? row + 1 : row, CR::Dept);
        return;
    }
    enteringCell(row);
    g.MoveTo(row, g.NextOpenColumn(col, CR::Remarks));
}

void frmAssessmentClinical::clearRowFromDepartment(int row)
{
    mshflexEntry->ClearRow(row, CR::Dept, CR::Remarks);
    txtEntry->clear();
    mshflexEntry->MoveTo(row, CR::Dept);
}

QString frmAssessmentClinical::rateClass() const { return ClinicalRateClass(SharedConnection(), txtID->text(), txtRoom->text()); }

// The class rate into the unit price; a letter outside "A" to "H" (or no rate) leaves it as it was.
bool frmAssessmentClinical::setClassRate(int row, const QVariant& rate)
{
    if (!rate.isNull()) setCell(row, CR::UnitPrice, ClinicalNumberText(DbValue::toDouble(rate)));
    return true;
}

// ---- department ----

bool frmAssessmentClinical::enterDepartment(int row)
{
    const QString typed = txtEntry->text();
    setCell(row, CR::Dept, typed);
    if (CheckDepartment(typed)) return true;
    MsgBox(QStringLiteral("Department code does not exist."), vbInformation, kClinicalNotice);
    mshflexEntry->ClearRow(row, CR::Number, CR::Remarks);
    return false;
}

// ---- item code ----

bool frmAssessmentClinical::enterItem(int row)
{
    const QString department = dept(row);
    if (!CheckDepartment(department)) return true;
    if (const auto location = StockLocationOrNotice(SharedConnection(), department)) return enterStockItem(row, department, *location);
    if (cell(row, CR::Dept) == QLatin1String("MD")) return enterDoctor(row);
    return enterService(row, department);
}

bool frmAssessmentClinical::enterStockItem(int row, const QString& department, const QString& location)
{
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    const QString typed = txtEntry->text();
    const bool byNumber = ClinicalCellNumber(typed) > 0;
    if (byNumber) {
        if (!catalog->SearchDrug(typed.trimmed(), location)) {
            MsgBox(QStringLiteral("Code does not exist."), vbInformation, kClinicalNotice);
            return false;
        }
    } else {
        const QString code = Session.DrugListCSR ? Session.DrugListCSR->ShowList(typed, false, location) : QString();
        txtEntry->setText(code);
        if (code.isEmpty() || !catalog->SearchDrug(code, location)) {
            MsgBox(QStringLiteral("Code does not exist!"), vbInformation, kClinicalNotice);
            return false;
        }
    }
    const DrugItem item = catalog->Drug;
    txtEntry->setText(item.DrugCode);
    if (Check_Code(item.DrugCode)) {
        MsgBox(byNumber ? QStringLiteral("Can't charge the same Medicine/Supply.") : QStringLiteral("Can't charge the same Medicine/Supply!"),
               vbInformation, kClinicalNotice);
        setCell(row, CR::Description, QString());
        return false;
    }
    if (Session.HospitalInfo.AllowZeroOnHand && item.Invent.StockOnHand <= 0) {
        MsgBox(item.DrugName + QStringLiteral(" has no stocks left. The system can't process the specified item."), vbCritical, kClinicalNotice);
        return false;
    }
    setCell(row, CR::ItemCode, item.DrugCode);
    setCell(row, CR::Description, item.DrugName + QStringLiteral(" ") + item.Description);
    // A package is priced for this window's own patient, by its class.
    if (item.DrugCode.trimmed().endsWith(QLatin1Char('P')))
        setCell(row, CR::UnitPrice, GetPackageRate(SharedConnection(), cell(row, CR::ItemCode), rateClass()));
    else
        setCell(row, CR::UnitPrice, ClinicalNumberText(item.Invent.SellingPriceIn));
    if (cell(row, CR::Dept) == QLatin1String("PH") && Session.HospClientName == QLatin1String("QOLTA"))
        setCell(row, CR::UnitPrice, ClinicalNumberText(item.Invent.SellingPriceOut));
    setCell(row, CR::Qty, QStringLiteral("1"));
    setCell(row, CR::Amount, ClinicalNumberText(ClinicalCellNumber(cell(row, CR::Qty)) * ClinicalCellNumber(cell(row, CR::UnitPrice))));
    setCell(row, CR::Location, location);
    setCell(row, CR::Spare, QString());
    Q_UNUSED(department);
    return !zeroPriceRefused(row);
}

bool frmAssessmentClinical::enterDoctor(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !OrSearchWarning([&] { return search->SearchListing(txtEntry->text(), 1); })) return false;
    const CodeSearchDoctor doctor = search->DoctorRecord;
    txtEntry->setText(doctor.ResultCode);
    setCell(row, CR::ItemCode, doctor.ResultCode);
    setCell(row, CR::Description, doctor.LastName.trimmed() + QStringLiteral(", ") + doctor.FirstName.trimmed());
    setCell(row, CR::UnitPrice, QStringLiteral("0"));
    return true;
}

bool frmAssessmentClinical::enterService(int row, const QString& department)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search) return false;
    search->OtherSectionID = department;
    if (!OrSearchWarning([&] { return search->SearchListing(txtEntry->text().trimmed(), 21); })) return enterExam(row, department);
    const CodeSearchOtherRevenue record = search->OtherRevenueRecord;
    txtEntry->setText(record.ResultCode);
    if (Check_Code(record.ResultCode)) {
        MsgBox(QStringLiteral("Can't charge the same service!"), vbInformation, kClinicalNotice);
        return false;
    }
    const QString letter = rateClass(); // a failed look-up stops the row before anything is written
    setCell(row, CR::ItemCode, record.ResultCode);
    setCell(row, CR::Description, record.OtherRevenue);
    setClassRate(row, record.rate(letter));
    setCell(row, CR::Spare, QString());
    setCell(row, CR::Qty, QStringLiteral("1"));
    return finishPricedRow(row);
}

bool frmAssessmentClinical::enterExam(int row, const QString& department)
{
    if (department == QLatin1String("PH") || department == QLatin1String("CS")) return enterCatalogueDrug(row, department);
    struct Catalogue {
        const char* dept;
        int kind;
    };
    static const Catalogue catalogues[] = {{"LB", 18}, {"XR", 29}, {"US", 27}, {"CT", 14}, {"HS", 17}, {"NU", 20}, {"PT", 23}, {"PA", 25}};
    int kind = -1;
    for (const Catalogue& c : catalogues)
        if (department == QLatin1String(c.dept)) kind = c.kind;
    if (kind < 0) return finishPricedRow(row);
    clsCodeSearch* search = Session.CodeSearch;
    if (!OrSearchWarning([&] { return search->SearchListing(txtEntry->text().trimmed(), kind); })) return false;
    const CodeSearchRates* rates = nullptr;
    QString code, name;
    switch (kind) {
    case 18: rates = &search->LabExamRecord, code = search->LabExamRecord.ResultCode, name = search->LabExamRecord.LabExam; break;
    case 29: rates = &search->XrayExamRecord, code = search->XrayExamRecord.ResultCode, name = search->XrayExamRecord.XrayExam; break;
    case 27: rates = &search->UltrasoundRecord, code = search->UltrasoundRecord.ResultCode, name = search->UltrasoundRecord.UltraExam; break;
    case 14: rates = &search->CTExamRecord, code = search->CTExamRecord.ResultCode, name = search->CTExamRecord.CTExam; break;
    case 17: rates = &search->HSExamRecord, code = search->HSExamRecord.ResultCode, name = search->HSExamRecord.HSExam; break;
    case 20: rates = &search->NuclearExamRecord, code = search->NuclearExamRecord.ResultCode, name = search->NuclearExamRecord.NuclearExam; break;
    case 23: rates = &search->PTExamRecord, code = search->PTExamRecord.ResultCode, name = search->PTExamRecord.PTExam; break;
    default: rates = &search->RTSExamRecord, code = search->RTSExamRecord.ResultCode, name = search->RTSExamRecord.RTSExam; break;
    }
    const QString letter = rateClass();
    txtEntry->setText(code);
    setCell(row, CR::Description, name);
    setCell(row, CR::ItemCode, code);
    setClassRate(row, rates->rate(letter));
    setCell(row, CR::Spare, QString());
    setCell(row, CR::Qty, QStringLiteral("1"));
    if (department == QLatin1String("LB") && StationParameters().NurseClinicalAssessmentGetPF())
        setCell(row, CR::UnitPrice, ClinicalNumberText(ClinicalCellNumber(cell(row, CR::UnitPrice)) + GetPFAmountByClass(cell(row, CR::ItemCode))));
    if (department == QLatin1String("XR")
        && MsgBox(QStringLiteral("Use Portable Machine?"), vbYesNo | vbInformation, kConfirm) == vbYes)
        setCell(row, CR::UnitPrice, ClinicalNumberText(ClinicalCellNumber(cell(row, CR::UnitPrice)) + 100));
    return finishPricedRow(row);
}

bool frmAssessmentClinical::enterCatalogueDrug(int row, const QString& department)
{
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    bool found = false;
    if (department == QLatin1String("PH")) {
        found = catalog->SearchDrug(txtEntry->text().trimmed());
    } else {
        const QString code = Session.DrugListCSR ? Session.DrugListCSR->ShowList(txtEntry->text(), false, QStringLiteral("21")) : QString();
        found = !code.isEmpty() && catalog->SearchDrug(code, QStringLiteral("21"));
    }
    if (!found) {
        MsgBox(QStringLiteral("Code does not exist!"), vbInformation, kClinicalNotice);
        return false;
    }
    const DrugItem item = catalog->Drug;
    if (item.Status) {
        MsgBox(department == QLatin1String("PH") ? QStringLiteral("Record is inactive. Please enter an active item.")
                                                 : QStringLiteral("Record is inactive. Please check build file of items."),
               vbExclamation, kClinicalNotice);
        return false;
    }
    txtEntry->setText(item.DrugCode);
    setCell(row, CR::Description, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, CR::ItemCode, item.DrugCode);
    setCell(row, CR::UnitPrice, ClinicalNumberText(item.Invent.SellingPriceIn));
    setCell(row, CR::Spare, QString());
    setCell(row, CR::Qty, QStringLiteral("1"));
    return finishPricedRow(row);
}

// The amount, the remarks and specimen of the line, then the refusal of a zero price.
bool frmAssessmentClinical::finishPricedRow(int row)
{
    setCell(row, CR::Amount, ClinicalNumberText(ClinicalCellNumber(cell(row, CR::Qty)) * ClinicalCellNumber(cell(row, CR::UnitPrice))));
    frmClinicalAssessmentRemarks remarks(this);
    remarks.ExamID = cell(row, CR::ItemCode).trimmed();
    remarks.DeptID = dept(row);
    remarks.ShowModal();
    setCell(row, CR::Specimen, DialogAnswers.AssessmentSpecimen);
    setCell(row, CR::Remarks, DialogAnswers.AssessmentRemarks);
    return !zeroPriceRefused(row);
}

// A price of 0 or less: the row is emptied and the box goes back to its department.
bool frmAssessmentClinical::zeroPriceRefused(int row)
{
    if (ClinicalCellNumber(cell(row, CR::UnitPrice)) > 0) return false;
    MsgBox(QStringLiteral("Record(s) indicate that the amount of the item is zero! ") + QStringLiteral("\r\n")
               + QStringLiteral("Please contact EDP for further assistance."),
           vbCritical, QStringLiteral("Message"));
    clearRowFromDepartment(row);
    return true;
}

// ---- quantity ----

bool frmAssessmentClinical::enterQuantity(int row)
{
    const QString typed = txtEntry->text();
    const double value = ClinicalCellNumber(typed);
    if (dept(row) == QLatin1String("OX")) return enterOxygenQuantity(row);
    if (dept(row) == QLatin1String("LB")) {
        const double limit = GetLabExamMaxQty(SharedConnection(), cell(row, CR::ItemCode));
        if (value <= 0 || value > limit) {
            MsgBox(QStringLiteral("Quantity should be > 0 and <= ") + ClinicalNumberText(limit) + QStringLiteral("!"), vbInformation, kClinicalNotice);
            mshflexEntry->HideBox();
            return false;
        }
    } else {
        if (value <= 0) {
            MsgBox(kQuantityRefusal, vbInformation, kClinicalNotice);
            mshflexEntry->HideBox();
            return false;
        }
        if (!IsAllDigits(typed)) {
            MsgBox(QStringLiteral("You are only allowed to enter whole number for quantity."), vbInformation, kClinicalNotice);
            mshflexEntry->HideBox();
            return false;
        }
        if (isStockDepartment(dept(row)) && Session.HospitalInfo.AllowZeroOnHand && Session.DrugCatalog) {
            // the stock of the row's own item at the row's own location
            const bool found = Session.DrugCatalog->SearchDrug(cell(row, CR::ItemCode).trimmed(), cell(row, CR::Location).trimmed());
            const double onHand = found ? Session.DrugCatalog->Drug.Invent.StockOnHand : 0;
            if (value > onHand) {
                MsgBox(QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + ClinicalNumberText(onHand),
                       vbInformation, kClinicalNotice);
                setCell(row, CR::Qty, QString());
                txtEntry->clear();
                mshflexEntry->HideBox();
                mshflexEntry->MoveTo(row, CR::Qty);
                return false;
            }
        }
    }
    setCell(row, CR::Amount, ClinicalNumberText(value * ClinicalCellNumber(cell(row, CR::UnitPrice))));
    setCell(row, CR::Qty, typed);
    return askStat(row);
}

// Stat or holiday: 30 % of one unit price on top; a PSI row surcharges its own PSI amount.
bool frmAssessmentClinical::askStat(int row)
{
    if (!Session.HospitalInfo.isstat) return true;
    const double price = ClinicalCellNumber(cell(row, CR::UnitPrice));
    const bool psi = cell(row, CR::PSIMark) == QLatin1String("1");
    if (MsgBox(QStringLiteral("Is it Stat/Holiday?"), vbYesNo | vbQuestion | vbDefaultButton2, kConfirm) == vbYes) {
        setCell(row, CR::Amount, ClinicalNumberText(psi ? ClinicalPSIStatAmount(ClinicalCellNumber(cell(row, CR::Amount)), price)
                                                    : ClinicalStatAmount(price, ClinicalCellNumber(cell(row, CR::Qty)))));
    } else if (!psi) {
        setCell(row, CR::Amount, ClinicalNumberText(ClinicalCellNumber(cell(row, CR::Qty)) * price));
    }
    return true;
}

// ---- unit price ----

bool frmAssessmentClinical::enterUnitPrice(int row)
{
    // an oxygen row (read in PSI or not) keeps its price
    if (dept(row) == QLatin1String("OX") || cell(row, CR::PSIMark) == QLatin1String("1")) return true;
    const QString typed = txtEntry->text();
    if (ClinicalCellNumber(typed) <= 0) {
        MsgBox(kQuantityRefusal, vbInformation, kClinicalNotice);
        return false;
    }
    if (ClinicalCellNumber(cell(row, CR::Qty)) <= 0) {
        // the fee of a row without its quantity yet: the quantity first
        MsgBox(kQuantityRefusal, vbInformation, kClinicalNotice);
        mshflexEntry->MoveTo(row, CR::Qty);
        return false;
    }
    setCell(row, CR::Amount, ClinicalNumberText(ClinicalCellNumber(typed) * ClinicalCellNumber(cell(row, CR::Qty))));
    setCell(row, CR::UnitPrice, typed);
    return true;
}
