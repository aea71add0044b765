// The charging window's professional fees: department "MD" and a doctor in place of an item; the fee
// comes from the doctor's rate for the patient's class or from the doctor's own fee items.
#include "charging/frmCharge.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePricing.h"
#include "components/StationComponents.h"
#include "shared/orders/ExamPricing.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/DoctorFees.h"
#include "shared/doctors/frmDoctorsFee.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QLineEdit>

using namespace ChargeEntryRow;

// The fee is settled before the row changes: a cancelled pick or a failed look-up (thrown to the
// key handler's notice) leaves the row as it was.
bool frmCharge::enterProfessionalFee(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !OrSearchWarning([&] { return search->SearchListing(txtEntry->text(), 1); })) return false;
    const CodeSearchDoctor doctor = search->DoctorRecord;
    const QString name = doctor.LastName.trimmed() + QStringLiteral(" ,") + doctor.FirstName.trimmed();
    const QString current = cell(row, ItemCode).trimmed();
    if (!current.isEmpty() && current != doctor.ResultCode
        && MsgBox(QStringLiteral("Do you really want to replace ") + cell(row, Description) + QStringLiteral(" with ") + name +
                      QStringLiteral("?"),
                  vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
               != vbYes) {
        mshflexEntry->HideBox();
        return false;
    }
    Connection& c = SharedConnection();
    double fee = 0;
    if (Session.HospitalInfo.IsShowAmount && !DoctorHasFeeItems(c, doctor.ResultCode)) {
        fee = DoctorRateForClass(c, doctor.ResultCode, ChargeRateClass(c, txtID->text(), txtRoom->text()));
    } else {
        frmDoctorsFee* picker = frmDoctorsFee::instance();
        picker->DoctorCode = doctor.ResultCode;
        picker->DoctorName = name;
        if (!picker->SearchRecord()) {
            MsgBox(QStringLiteral("No Record(s) found in the Doctor's Fee table. \r\nPlease contact EDP for further assistance."),
                   vbCritical, QStringLiteral("Message"));
            emptyRowFromDepartment(row);
            return false;
        }
        if (!picker->ShowModal()) return false; // closed without a pick: nothing charged
        fee = picker->SelectedDoctorFee;
    }
    const QString feeText = AmountText(fee);
    txtEntry->setText(doctor.ResultCode);
    setCell(row, ItemCode, doctor.ResultCode);
    setCell(row, Description, name);
    setCell(row, Qty, QStringLiteral("1"));
    setCell(row, UnitPrice, feeText);
    setCell(row, Amount, feeText);
    setCell(row, BasePrice, feeText);
    return zeroPriceCheck(row);
}
