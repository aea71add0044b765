#pragma once
#include "platform/ui/WindowRegistry.h"
#include "receivables/ReceivableEntryRow.h"

#include <QWidget>
#include <array>
#include <map>

class EntryGrid;
class FlexGrid;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The receivable update ("Receivable Update"): late charges for a patient whose stay is finished
// and billed. The patient comes only from the window's own patient search (frmSearchRecievable),
// never from the patient lists; the rows are typed into the entry grid as in the charging entry.
// A modeless child of the main window that exists once.
class frmRecievable : public QWidget, public SingleWindow<frmRecievable> {
    Q_OBJECT
public:
    frmRecievable();
    ~frmRecievable() override;

    // The patient header, filled by LoadReceivablePatientHeader.
    QLineEdit *txtPatient = nullptr, *txtDoctor1 = nullptr, *txtDoctor2 = nullptr, *txtDoctor3 = nullptr, *txtID = nullptr,
              *txtPno = nullptr, *txtDateAdmitted = nullptr, *txtDateDischarged = nullptr, *txtDob = nullptr,
              *txtRoom = nullptr, *txtAge = nullptr, *txtSex = nullptr, *txtBloodType = nullptr, *txtStatus = nullptr,
              *txtAdiet = nullptr, *txtDiagnosis = nullptr;
    QTreeWidget* lvwDepartments = nullptr; // "Code", "Department"
    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QLabel* lblMessage = nullptr; // the prompt of the column being edited
    FlexGrid* MSHFlexList = nullptr; // the charges already posted to the patient
    QLineEdit* txtMessage = nullptr; // "No Charges Entered"
    QLabel* lblNote = nullptr;
    // 3 "Search Patient", 4 "&Delete", 0 "&Save", 1 "&View Packages", 2 "E&xit", 5 "&Refresh".
    std::map<int, QPushButton*> Command1;
    std::array<QPushButton*, 2> cmdOption{}; // 0 "Reprint", 1 "Revoke"
    // Hidden: the stock items of the packages entered, and the items of a package being revoked.
    FlexGrid* mshflexPackageItems = nullptr;
    FlexGrid* mshflexCancelPackageItems = nullptr;

    // Opening: the set-up and the department list (once for the life of the window).
    void Form_Load();
    // The set-up run when the window opens and again after every save: the grid back to one
    // empty row with the box over its department cell, the posted list disabled. The header, the
    // receivable values and the department list stay.
    void ResetEntry();

    // ---- the entry grid's routines ----
    void PutTextBox(int col, int row);
    bool ExcemptCol(int col) const;
    bool CompleteRow(int row) const;
    bool AddRow(int row);
    bool CheckDepartment(const QString& code) const;
    // F3: row 1 emptied (the whole row), any other row removed.
    void DeleteRow(int row);
    bool Check_Code(const QString& code) const;
    bool QualifiedRow(int row) const;
    // Some row carries a package code.
    bool HasPackageRows() const;
    // The complete rows of the grid, in grid order: what a save posts.
    ReceivableEntryRows CollectEntryRows() const;

    // The box's key-down handler (Enter, Home, End, Up, Down); True when the key was taken.
    bool EnterReceivableItem(int key);

    // ---- the patient, the department list and the posted charges ----
    void LoadReceivablePatientHeader();
    void LoadChargingCodes();
    // The posted charges of the patient in the header; a database error reaches the caller.
    void Get_Charges();
    void MSHFlexList_Click();

    // The six buttons of Command1.
    void Command1_Click(int index);

    // ---- filled by the save, the revocation and the package items ----
    void cmdSave_Click();                 // "&Save"
    void cmdRevoke_Click();               // "Revoke", and a double-click on the posted list
    void cmdReprint_Click();              // "Reprint"
    // The package's stock items into the package grid when the department is a package revenue.
    void Check_If_Package(const QString& department, const QString& itemCode, FlexGrid* packageGrid);
    // The row's package items out of the package grid.
    void Remove_PackageItems(const QString& department, const QString& itemCode, FlexGrid* packageGrid);

Q_SIGNALS:
    // A save or a revocation has changed the posted charges.
    void chargesPosted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    void runCommand(int index);
    void searchPatient();
    void clearHeader();
    void viewPackages();
    void deleteCurrentRow();
    void reloadPostedList();
    // Points the shared patient search back at the workspace's patient.
    void Form_Unload();

    // item entry (frmRecievableEntry.cpp)
    void moveOn(int col);
    void placeBox();
    bool enterDepartment(int row);
    bool enterItem(int row);
    bool enterStockItem(int row, const QString& location);
    bool enterProfessionalFee(int row);
    bool enterService(int row, const QString& department);
    bool priceCheck(int row);
    void emptyRowToDepartment(int row);
    bool enterQuantity(int row);
    bool enterOxygenQuantity(int row);
    bool enterUnitPrice(int row);
    bool enterAmount(int row);
    QString rateClass() const;
    bool cashOutPatient() const;

    bool m_unloaded = false;
};
