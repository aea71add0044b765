// The exam request entry's key handling: Enter commits the box to the current column (the code
// is looked up, priced, checked and given its remarks; quantity, STAT and remarks are checked and
// stored) and moves on; the navigation keys move the box.
#include "shared/orders/ExamPricing.h"
#include "exam_requests/RequestEntryRow.h"
#include "exam_requests/frmRequest.h"
#include "components/StationComponents.h"
#include "ordering/frmRemarks.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ExamOrderChecks.h"
#include "shared/orders/RequestChecks.h"
#include "ordering/ExamOrdering.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace RequestEntryRow;

namespace {

// The exam the code search found, whatever its section.
struct FoundExam {
    QString code, description, section;
    const CodeSearchRates* rates = nullptr;
};

bool searchExam(const QString& department, const QString& text, FoundExam& found)
{
    if (!Session.CodeSearch) return false;
    if (department == QLatin1String("LB")) {
        if (!OrSearchWarning([&] { return Session.CodeSearch->SearchListing(text, 18); })) return false;
        const CodeSearchLabExam& r = Session.CodeSearch->LabExamRecord;
        found = {r.ResultCode, r.LabExam, r.LabSectionID, &r};
    } else if (department == QLatin1String("XR")) {
        if (!OrSearchWarning([&] { return Session.CodeSearch->SearchListing(text, 29); })) return false;
        const CodeSearchXrayExam& r = Session.CodeSearch->XrayExamRecord;
        found = {r.ResultCode, r.XrayExam, QString(), &r};
    } else if (department == QLatin1String("US")) {
        if (!OrSearchWarning([&] { return Session.CodeSearch->SearchListing(text, 27); })) return false;
        const CodeSearchUltraExam& r = Session.CodeSearch->UltrasoundRecord;
        found = {r.ResultCode, r.UltraExam, QString(), &r};
    } else {
        Session.CodeSearch->OtherSectionID = department;
        if (!OrSearchWarning([&] { return Session.CodeSearch->SearchListing(text, 21); })) return false;
        const CodeSearchOtherRevenue& r = Session.CodeSearch->OtherRevenueRecord;
        found = {r.ResultCode, r.OtherRevenue, QString(), &r};
    }
    return true;
}

// The largest quantity of the exam in the sections that take one; 1 elsewhere.
double maxQuantity(const QString& department, const QString& code)
{
    if (department == QLatin1String("LB")) return GetLabExamMaxQty(SharedConnection(), code);
    if (department == QLatin1String("XR")) return GetXrayExamMaxQty(SharedConnection(), code);
    if (department == QLatin1String("US")) return GetUltraExamMaxQty(SharedConnection(), code);
    return 1;
}

bool takesQuantity(const QString& department)
{
    return department == QLatin1String("LB") || department == QLatin1String("XR") || department == QLatin1String("US");
}

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

bool frmRequest::EnterExamItem(int key)
{
    if (key != Qt::Key_Return) return mshflexEntry->Navigate(key);
    const int row = mshflexEntry->Row(), col = mshflexEntry->Col();
    if (row < 1) return true;
    switch (col) {
    case Code:
        if (!enterCode(row)) return true;
        break;
    case Qty:
        if (!enterQuantity(row)) return true;
        break;
    case Stat:
        enterStat(row);
        break;
    case Remarks:
        setCell(row, Remarks, txtEntry->text());
        break;
    default:
        break;
    }
    moveOn(row, col);
    return true;
}

void frmRequest::moveOn(int row, int col)
{
    if (CompleteRow(row) && col < 8) AddRow(row);
    if (col == Remarks)
        mshflexEntry->MoveTo(row < mshflexEntry->Rows() - 1 ? row + 1 : row, Code);
    else
        mshflexEntry->MoveTo(row, mshflexEntry->NextOpenColumn(col, Remarks));
}

// A refused exam leaves an empty row behind, its profile members gone with it.
void frmRequest::rejectRow(int row)
{
    forgetProfile(cell(row, Code));
    mshflexEntry->ClearRow(row, Code, MaxQty);
}

// False when the handler ends here: the cursor stays in the code cell.
bool frmRequest::enterCode(int row)
{
    const QString department = dept();
    FoundExam exam;
    if (!searchExam(department, txtEntry->text().trimmed(), exam)) return false;
    // A new exam on a coded row replaces the old one and the old one's profile members.
    forgetProfile(cell(row, Code));
    txtEntry->setText(exam.code);
    setCell(row, Code, exam.code);
    setCell(row, Description, exam.description);
    try {
        const ExamPrice price = PriceExam(SharedConnection(), *exam.rates, Patient.IDNum, Patient.PatientType, Patient.Room);
        // An unpriced row has no amount, so it cannot become complete.
        setCell(row, Amount, price.priced ? AmountText(price.unit) : QString());
        setCell(row, UnitPrice, price.priced ? AmountText(price.unit) : QString());
        if (department == QLatin1String("LB")) setCell(row, Section, exam.section);
        setCell(row, Qty, QStringLiteral("1"));
        setCell(row, Stat, QStringLiteral("N"));
        setCell(row, MaxQty, QString());

        if (Check_Code(exam.code)) {
            MsgBox(QStringLiteral("Can't Request the Same Examination!"), vbExclamation, QStringLiteral("Notification"));
            txtEntry->clear();
            rejectRow(row);
            return false;
        }
        if (IsInOrdersList(exam.code)) {
            MsgBox(QStringLiteral("Examination is already in the Orders List!"), vbExclamation, QStringLiteral("Notification"));
            txtEntry->clear();
            rejectRow(row);
            return false;
        }
        const QString code = cell(row, Code).trimmed();
        if (CheckExamRequestStatus(SharedConnection(), Patient.IDNum, code, department) || CheckExamProcessedToday(SharedConnection(), Patient.IDNum, code, department)) {
            rejectRow(row);
            return false;
        }
        if (department == QLatin1String("LB") && !labProfileChecks(row)) return false;
    } catch (const std::exception& e) {
        // A look-up that could not be made stops the row: it is never priced or passed on a guess.
        ShowErrorNotice(e);
        rejectRow(row);
        return false;
    }
    if (!askRemarks(row)) {
        rejectRow(row);
        return false;
    }
    if (takesQuantity(department)) {
        setCell(row, MaxQty, AmountText(maxQuantity(department, cell(row, Code))));
        setRowExemptions(row);
    }
    return true;
}

bool frmRequest::labProfileChecks(int row)
{
    const ExamOrdering::Controls& ws = ExamOrdering::instance().controls();
    if (LoadExamProfiles(SharedConnection(), txtEntry->text().trimmed(), *mshflexProfileList)) {
        if (CheckOrderExamInProfile(*mshflexProfileList, *mshflexEntry, Code)) {
            RemoveOrdersInProfiles(*mshflexProfileList, *mshflexEntry, Code);
            return false;
        }
        if (CheckOrderExamInProfile(*mshflexProfileList, *ws.orders, 2)) {
            RemoveOrdersInProfiles(*mshflexProfileList, *ws.orders, 2);
            return false;
        }
        return true;
    }
    const QString code = cell(row, Code).trimmed();
    if (CheckExamInProfile(code, *mshflexProfileList) || CheckExamInProfile(code, *ws.profiles)) {
        rejectRow(row);
        return false;
    }
    return true;
}

// False when the dialog was closed other than by its Enter button: the exam is not taken.
bool frmRequest::askRemarks(int row)
{
    frmRemarks* dlg = frmRemarks::instance();
    frmRemarks::DeptID = Department;
    // Only a laboratory exam has specimens: another section's dialog never looks up the exam of an
    // earlier laboratory row left behind by a dialog closed without Enter.
    frmRemarks::ExamID.clear();
    if (dept() == QLatin1String("LB")) {
        frmRemarks::ExamID = cell(row, Code).trimmed();
        frmRemarks::DeptID = QStringLiteral("LB");
    } else {
        dlg->DisableSpecimen();
    }
    // The dialog is gone when this returns, so the next exam opens a fresh one.
    frmRemarks::givePatient(Patient);
    if (!dlg->ShowModal()) return false;
    Patient.TransplantID = frmRemarks::TransplantID;
    Patient.DialysisID = frmRemarks::DialysisID;
    QString remarks = DialogAnswers.ExamOrderRemarks;
    remarks.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    setCell(row, Stat, DialogAnswers.ExamOrderStat);
    setCell(row, Remarks, remarks);
    setCell(row, Specimen, DialogAnswers.ExamOrderSpecimen);
    setCell(row, Transplant, Patient.TransplantID);
    setCell(row, Dialysis, Patient.DialysisID);
    setCell(row, AMPickUp, flag(DialogAnswers.ExamOrderAMPickUp));
    setCell(row, PortableMachine, flag(DialogAnswers.UsePortableMachine));
    setCell(row, ReasonOfProcedure, DialogAnswers.ExamOrderReason);
    return true;
}

// False when the quantity is refused: the box is refilled from the cell and the cursor stays.
bool frmRequest::enterQuantity(int row)
{
    const QString department = dept();
    if (!takesQuantity(department)) return true;
    const double max = maxQuantity(department, cell(row, Code));
    const QString typed = txtEntry->text();
    const double quantity = Fmt::val(typed);
    if (quantity <= 0 || quantity > max) {
        QString text;
        if (max == 1)
            text = department == QLatin1String("LB") ? QStringLiteral("You may only enter one(1) as quantity for this procedure.")
                                                      : QStringLiteral("You can only enter one(1) as quantity for this procedure.");
        else
            text = QStringLiteral("Quantity should be > 0 and <= ") + Lookup::signedNumberText(max) + QStringLiteral("!");
        MsgBox(text, vbInformation, QStringLiteral("Notification"));
        mshflexEntry_EnterCell();
        return false;
    }
    setCell(row, Qty, typed);
    // The amount comes from the row's own unit price, so a second quantity never multiplies twice.
    const QString unit = cell(row, UnitPrice);
    setCell(row, Amount, unit.isEmpty() ? QString() : AmountText(QuantityAmount(quantity, unit.toDouble())));
    return true;
}

void frmRequest::enterStat(int row)
{
    const QString text = txtEntry->text().toUpper();
    if (text == QLatin1String("Y") || text == QLatin1String("N")) {
        setCell(row, Stat, text);
        return;
    }
    txtEntry->clear();
    MsgBox(QStringLiteral("Please enter Y (STAT) or N (Routine)."), vbInformation, QStringLiteral("Notification"));
}
