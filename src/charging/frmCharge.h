#pragma once
#include "platform/ui/WindowRegistry.h"
#include "shared/patient/PatientContext.h"

#include <QWidget>
#include <QtContainerFwd>
#include <array>
#include <map>

class EntryGrid;
class FlexGrid;
class PackageItemPanel;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class clsRevenueCode;

// The charging entry ("CHARGING ENTRY"): department and item codes typed into the entry grid, one
// charge per row, each looked up and priced for the account in the window's own header (txtID,
// txtRoom), never for whatever the patient lists select meanwhile. A modeless child window that
// exists once; the workspace fills its department list and header and shows it.
class frmCharge : public QWidget, public SingleWindow<frmCharge> {
    Q_OBJECT
public:
    // The patient the window acts on: the workspace's copy when it opened the window, shown in
    // the header boxes.
    PatientContext Patient;
    void setPatient(const PatientContext& patient);
    frmCharge();
    ~frmCharge() override;

    // The patient header, filled by the opener.
    QLineEdit *txtPatient = nullptr, *txtDoctor1 = nullptr, *txtDoctor2 = nullptr, *txtDoctor3 = nullptr, *txtID = nullptr,
              *txtPno = nullptr, *txtDateAdmitted = nullptr, *txtDateDischarged = nullptr, *txtDob = nullptr,
              *txtRoom = nullptr, *txtAge = nullptr, *txtSex = nullptr, *txtBloodType = nullptr, *txtStatus = nullptr,
              *txtAdiet = nullptr, *txtDiagnosis = nullptr;
    QLabel* lblDeptCode = nullptr;
    QTreeWidget* lvwDepartments = nullptr;
    QLabel* lblPackageName = nullptr;
    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QGroupBox* fraMessage = nullptr;
    QLabel* lblMessage = nullptr;
    // 5 "&Ignore All", 4 "&Delete", 0 "&Save", 1 "&View Packages", 2 "E&xit".
    std::map<int, QPushButton*> Command1;
    std::array<QRadioButton*, 3> Option1{}; // "Regular", "Over Time", "On-Call"
    QGroupBox* fraStat = nullptr;
    std::array<QRadioButton*, 2> optStat{}; // "YES", "NO"
    QLabel* lblAmount = nullptr;
    QLineEdit* txtGross = nullptr;
    FlexGrid* MSHFlexList = nullptr;
    FlexGrid* mshflexPackageItems = nullptr; // hidden; handed to the package picker, which keeps it
    QLineEdit* txtMessage = nullptr;         // "No Charges Entered", shown instead of an empty list
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdReturned = nullptr; // "Package Returned Items": shown for a line of the department's own code
    std::array<QPushButton*, 2> cmdOption{}; // "Re&print", "Revoke"
    QGroupBox* fraList = nullptr;     // "List of Charges Entered"
    QGroupBox* fraCharges = nullptr;  // the entry grid's frame

    // The item panels of the consigned package and of an equipment package (PackageItemPanel),
    // each with its own grid and box; opened from the main window's "Minor Packages" items.
    PackageItemPanel *pctConsigned = nullptr, *pctEquipment = nullptr;
    EntryGrid *mshConsignedItems = nullptr, *mshEquipment = nullptr;
    QLineEdit *txtConsigned = nullptr, *txtEquipment = nullptr;
    void LoadConsignedItems();
    void LoadEquipmentItems();
    void SetupConsignedGrid();
    void SetupIncludedGrid();
    // A right click on the entry grid: "Minor Packages" for the current row's package.
    void mshflexEntry_MouseDown(const QPoint& globalPos);

    // The consigned mark-up panel (frmChargeMarkup.cpp): offered once the quantity of a consigned
    // row is taken; a mark-up chosen multiplies that row's amount, "X" leaves it.
    QFrame* pctMarkup = nullptr;
    FlexGrid* grdMarkup = nullptr;
    QPushButton* cmdHideMarkUp = nullptr;
    int MarkupRow = 0;
    void OpenConsignedMarkup(int row);
    void LoadMarkupList();
    void EnableChargingControls(bool enabled);
    void grdMarkup_DblClick();
    void cmdHideMarkUp_Click();

    // Price class of medicines and supplies: "O" for a cash out-patient, else "I".
    QString PricePatientClass = QStringLiteral("I");

    // The box's length limits and numeric columns, which the entry grid and the item panels share.
    static void SetColumnTables(EntryGrid& g);
    void Form_Load();
    void Form_Activate();
    void SetupEntryGrid();
    bool CompleteRow(int row) const;
    bool AddRow(int row);
    void DeleteRow(int row);
    bool CheckDepartment(const QString& code) const;
    // The same department and item code on another row (the last row is not looked at).
    bool Check_Code(const QString& code) const;
    bool HasPackageRows() const;
    // Whether a row other than the given one holds an equipment with included items.
    bool HasOtherEquipmentPackage(int row) const;
    bool HasDuplicateItems() const;
    bool IsEntryGridEmpty() const;
    // The box's key-down handler: Enter, Up and Down. True when the key was taken.
    bool EnterChargeItem(int key);
    // The gross total in txtGross: a package counts once with its package amount.
    void ComputeTotals();
    double GridTotal() const;
    // Re-prices every row for a rate option: "A", "B" or "C".
    void RepriceRows(const QString& option);
    void Option1_Click(int index);
    void optStat_Click(int index);
    QString RateOptionLetter() const;
    void Command1_Click(int index);
    // "&View Packages": the package picker adds a package's items to the entry grid.
    void viewPackages();
    // The returned items of the package charged on the current line of the posted charges.
    void cmdReturned_Click();
    // A package's items into the grid from startRow on, one row each; False (after saying so) when
    // the package has no items. The consigned packages' loader differs only in that message.
    bool LoadPackageItems(const QString& packageCode, const QString& requestNum, int startRow);
    bool LoadConsignedPackageItems(const QString& packageCode, const QString& requestNum, int startRow);
    void ColourPackageRows();

    // The posted charges of the admission (ChargePostedList.cpp) and their revocation
    // (ChargeRevocation.cpp). Get_Charges lets a database error reach the caller.
    void Get_Charges();
    void cmdRefresh_Click();
    void cmdOption_Click(int index);
    void MSHFlexList_Click();
    void MSHFlexList_EnterCell();
    void RevokeCharge();

    // "&Save": every row checked, then all complete rows posted under one new charge slip number
    // in one transaction, then the slip printed and a new grid laid out.
    void SaveCharges();
    // "Re&print": the slip of the posted list's current row once more.
    void ReprintChargeSlip();
    // The charge slip number of the last save ("" before one).
    QString CurrentSlipNumber;

Q_SIGNALS:
    // A save has posted charges (the posted list reloads).
    void chargesPosted();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* e) override;

private:
    void buildMarkupPanel();
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    QString dept(int row) const;
    void setRowExemptions(int row, int col);
    bool boxMayOpen(int col, int row) const;
    bool stockDepartment(const QString& department) const;
    void completionStep();
    bool enterDepartment(int row);
    bool enterItem(int row);
    bool enterOtherRevenue(int row, const QString& department);
    bool enterStockItem(int row, const QString& department, const QString& location);
    QString pickStockItem(const QString& typed, const QString& location) const;
    bool priceOtherRevenue(int row);
    bool loadPackage(const QString& packageCode, const QString& requestNum, int startRow, const QString& noItemsMessage);
    // Loads the package typed on the row (after its refusals); the key stops there either way.
    void enterPackage(int row, const QString& itemCode, const QString& packageCode, bool consigned);
    void dropPackagesChargedBefore(const QSet<QString>& onGridBefore);
    bool enterProfessionalFee(int row);
    bool zeroPriceCheck(int row);
    // Empties the row's columns from the department on and puts the box back on its department.
    void emptyRowFromDepartment(int row);
    bool enterQuantity(int row);
    void enterUnitPrice(int row);
    bool enterAmount(int row);
    bool moveVertically(int step);
    bool allowEditAmount(int row) const;
    void deleteCurrentRow();
    // amount := quantity × unit price, in cents
    void recomputeAmount(int row);
    bool rowPriceEditable(int row) const;

    clsRevenueCode* m_revenue = nullptr;

    void SetupPostedList();
    void ReloadPostedList(bool onActivation);
    bool m_postedListFailed = false;
    QString m_postedListOf; // the admission the posted list shows
};
