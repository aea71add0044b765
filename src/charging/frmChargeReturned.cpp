// The charging window's returned package items: the posted line of a charged package opens the
// returned-items dialog while the package is still on the patient's bill.
#include "charging/frmCharge.h"

#include "charging/ChargeReturnedItems.h"
#include "charging/frmPackageReturnedItems.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/packages/PackageLookups.h"

#include <QLineEdit>

void frmCharge::cmdReturned_Click()
{
    const int row = MSHFlexList->currentRow();
    if (row < 1) return;
    const QString slip = MSHFlexList->TextMatrix(row, 6);
    const QString item = MSHFlexList->TextMatrix(row, 2);
    Connection& c = SharedConnection();
    QString packageCode;
    try {
        if (!IsChargeStillBilled(c, txtID->text(), slip, StationParameters().MainRevenueID(), item)) {
            MsgBox(QStringLiteral("Please select a valid package."), vbInformation, QStringLiteral("Notification"));
            return;
        }
        packageCode = GetChargedPackageCode(c, item);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    frmPackageReturnedItems* dialog = frmPackageReturnedItems::instance();
    dialog->HospNo = txtPno->text();
    dialog->AdmNo = txtID->text();
    dialog->PxName = txtPatient->text();
    dialog->RefNo = slip;
    dialog->PackageCode = packageCode;
    dialog->PackageName = MSHFlexList->TextMatrix(row, 3);
    dialog->ShowModal();
}
