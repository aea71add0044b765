#pragma once
#include "charging/pickers/PackagePicker.h"
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <array>

class EntryGrid;
class FlexGrid;
class QLabel;
class QPushButton;
class QToolButton;

// The package picker: lists the department's packages and the items of the one clicked; the user
// includes or excludes items, and Accept writes the included ones into the caller's entry grid.
// Shared by every entry window that charges packages: each caller sets SourceGrid, PackageGrid
// and PricePatientClass anew, calls ShowModal, and finds the new rows in its grid afterwards. The
// picker writes nothing to the database.
class frmListPackage : public QDialog, public KeptDialog<frmListPackage> {
    Q_OBJECT
public:
    QPointer<EntryGrid> SourceGrid; // receives the package rows
    QPointer<QWidget> PackageGrid;  // the caller's package item grid; kept, never read
    QString PricePatientClass = QStringLiteral("I"); // the caller's price class, "I" or "O"

    // Loads the package list (a failure shows the common notice and nothing is shown) and shows
    // the picker modally.
    void ShowModal();

    QLabel* lblPSI;
    std::array<QLabel*, 3> lblInfo{}; // "LIST OF PACKAGES", the package's description, its gross
    FlexGrid* mshflexPackage;
    FlexGrid* mshflexPackageItems;
    std::array<QPushButton*, 2> cmdOption{}; // (1) "Accept ", (0) "Exit"
    QToolButton* imgLegend;

    bool Form_Load();
    void mshflexPackage_Click(int row);
    void mshflexPackageItems_Click(int row);
    void cmdOption_Click(int index);
    // The items of the chosen package as listed now (their inclusion marks included).
    const QList<PickerItem>& Items() const { return m_items; }

private:
    friend class KeptDialog<frmListPackage>;
    frmListPackage();
    void LoadPackageItemList(const QString& packageCode);
    void showItemRow(int row);
    void paintItemRow(int row);
    QList<PickerPackage> m_packages;
    QList<PickerItem> m_items;
    int m_packageRow = 0; // the package list's row of the last click; 0 none
};
