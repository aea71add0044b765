#pragma once
#include "charging/ChargeReturnedItems.h"
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <array>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;

// "Package Returned Items": the items of a charged package, each marked for return or not, with
// the amount of those marked; Save replaces the items recorded as returned for the admission and
// slip. The caller sets the six properties and calls ShowModal.
class frmPackageReturnedItems : public QDialog, public SingleWindow<frmPackageReturnedItems> {
    Q_OBJECT
public:
    frmPackageReturnedItems();

    QString PackageName, PxName, HospNo, AdmNo, RefNo, PackageCode;

    // Loads the items (an error shows the common notice and nothing is shown) and shows the dialog.
    void ShowModal();

    QLineEdit *txtPName, *txtHosp, *txtAdmNum, *txtRefNo;
    QLabel* lblPackage;
    FlexGrid* mshflexPackageItems;
    QLabel* lblAmountReturned;
    std::array<QPushButton*, 2> cmdOption{}; // (0) "Exit", (1) "Save"

    bool Form_Load();
    void mshflexPackageItems_Click(int row, int col);
    void cmdOption_Click(int index);
    const QList<ReturnedItem>& Items() const { return m_items; }

private:
    void showRow(int row);
    void ComputeReturnedTotal();
    void SaveReturnedPackageItems();
    QList<ReturnedItem> m_items;
};
