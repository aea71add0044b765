// The quantity of an oxygen row: read in PSI through the reading dialog, or typed.
#include "assessment/ClinicalAssessmentData.h"
#include "assessment/frmAssessmentClinical.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/oxygen/frmPSIReading.h"

#include <QLineEdit>

namespace CR = ClinicalRow;

bool frmAssessmentClinical::enterOxygenQuantity(int row)
{
    const QString typed = txtEntry->text();
    const double price = ClinicalCellNumber(cell(row, CR::UnitPrice));
    if (MsgBox(QStringLiteral("Is this a PSI Oxygen?"), vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Confirmation")) == vbYes) {
        DialogAnswers.ConsumedPSI = 0;
        setCell(row, CR::PSIMark, QStringLiteral("1"));
        for (int c : {CR::InitialReading, CR::LastReading, CR::TankNumber}) setCell(row, c, QString());
        frmPSIReading* reading = frmPSIReading::instance();
        reading->Code = cell(row, CR::ItemCode);
        reading->Description = cell(row, CR::Description);
        reading->Grid = mshflexEntry;
        reading->SelectedRow = row;
        runModal(reading);
        const auto consumed = DialogAnswers.ConsumedPSI;
        setCell(row, CR::Qty, consumed > 0 ? QString::number(consumed) : QString());
        setCell(row, CR::Amount, ClinicalNumberText(ClinicalPSIAmount(price, consumed)));
        return askStat(row);
    }
    setCell(row, CR::PSIMark, QStringLiteral("0"));
    for (int c : {CR::InitialReading, CR::LastReading, CR::TankNumber}) setCell(row, c, QString());
    if (ClinicalCellNumber(typed) <= 0) {
        MsgBox(QStringLiteral("Quantity should be greater than Zero(0)!"), vbInformation, QStringLiteral("Notification"));
        mshflexEntry->HideBox();
        return false;
    }
    setCell(row, CR::Amount, ClinicalNumberText(ClinicalCellNumber(typed) * price));
    setCell(row, CR::Qty, typed);
    return askStat(row);
}
