#pragma once
// A package item panel of the charging window: the items used under the consigned package
// ("pctConsigned") or included with an equipment charge ("pctEquipment"). It floats over the
// window with its own grid and entry box; its rows are not billed and do not count in the total:
// the save issues them from stock with the package's row, then the panel starts afresh.
#include <QFrame>
#include <QList>

class EntryGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class frmCharge;
struct PanelItemLine;
enum class PanelKind;

class PackageItemPanel : public QFrame {
    Q_OBJECT
public:
    PackageItemPanel(frmCharge& owner, PanelKind kind);

    // Panel columns (column 0 numbers the rows).
    enum Column { Dept = 1, ItemCode = 2, Description = 3, Qty = 4, UnitPrice = 5, Amount = 6, Location = 7, ColumnCount = 9 };

    QLabel* lblTitle = nullptr; // lblConsignedPackage, lblEquipment
    EntryGrid* grid = nullptr;  // mshConsignedItems, mshEquipment
    QLineEdit* box = nullptr;   // txtConsigned, txtEquipment
    QPushButton* cmdClose = nullptr;  // "OK"
    QPushButton* cmdDelete = nullptr; // "Delete"

    // Shows the panel titled after the entry row's description; the rows entered before stay.
    void Open(const QString& packageDescription);
    // Empties and lays out the grid: one row numbered " 1", the box on its department.
    void Setup();
    bool IsSetUp() const;
    // Set up, with an item code on some row: what a save of its package needs.
    bool HasItems() const;
    bool CompleteRow(int row) const;
    // The same department and item on another row (the last row is not looked at).
    bool CheckCode(const QString& code) const;
    // The complete rows, in order, as the save posts them.
    QList<PanelItemLine> Lines() const;
    // The box's key-down handler (Enter, Up, Down); True when the key was taken.
    bool EnterItem(int key);
    void cmdDelete_Click();

private:
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    bool enterDepartment(int row);
    bool enterItem(int row);
    bool enterQuantity(int row);
    void completionStep(int row, int col);
    void moveVertically(int step);
    bool acceptsDepartment(const QString& dept) const;

    frmCharge& m_owner;
    PanelKind m_kind;
};
