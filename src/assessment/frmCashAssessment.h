#pragma once
#include "assessment/ClinicalAssessmentData.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/patient/PatientContext.h"

#include <QWidget>
#include <array>
#include <map>

class EntryGrid;
class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Columns of a row of the cash assessment's entry grid: the clinical assessment's up to the PSI
// readings (one save reads both grids by these positions), then its own.
namespace CashRow {
using namespace ClinicalRow;
enum {
    ARCode = 8,     // the department's receivable code
    ListPrice = 10, // the price looked up: a typed unit price may not go below it
    PackageCode = 15,
    ColumnCount = 20,
};
}

// The cash assessment ("Cash Assessment Entry"): what a cash-basis patient must pay before a
// service is given, entered by department and item code, saved under one assessment number and
// printed as the slip the patient takes to the cashier. The window acts on the patient of its own
// header only (filled by the workspace when it opens the window), lists that admission's
// assessments, and reprints or revokes a pending one. A modeless child window that exists once.
class frmCashAssessment : public QWidget, public SingleWindow<frmCashAssessment> {
    Q_OBJECT
public:
    // The patient the window acts on: the workspace's copy when it opened the window, shown in
    // the header boxes.
    PatientContext Patient;
    void setPatient(const PatientContext& patient);
    frmCashAssessment();

    QLineEdit *txtPatient = nullptr, *txtDoctor1 = nullptr, *txtDoctor2 = nullptr, *txtDoctor3 = nullptr, *txtID = nullptr,
              *txtPno = nullptr, *txtDateAdmitted = nullptr, *txtDateDischarged = nullptr, *txtDob = nullptr,
              *txtRoom = nullptr, *txtAge = nullptr, *txtSex = nullptr, *txtBloodType = nullptr, *txtStatus = nullptr,
              *txtAdiet = nullptr, *txtDiagnosis = nullptr;
    QLabel* lblDeptCode = nullptr;
    QLabel* lblNote = nullptr;
    QTreeWidget* lvwDepartments = nullptr;
    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QGroupBox* fraMessage = nullptr;
    QLabel* lblMessage = nullptr;
    FlexGrid* MSHFlexList = nullptr;
    QLineEdit* txtMessage = nullptr; // "No Assessment Entered"
    FlexGrid* mshflexPackageItems = nullptr;       // hidden: the stock items of the packages entered
    FlexGrid* mshflexCancelPackageItems = nullptr; // hidden, unused
    // 0 "&Save", 1 "&Ignore", 2 "E&xit", 3 "Refresh", 4 "&Delete", 5 "View Package"
    std::map<int, QPushButton*> Command1;
    std::array<QPushButton*, 2> cmdOption{}; // "Reprint", "Revoke"
    QPushButton* cmdCashCM = nullptr;        // "Cash Credit Memo"
    QPushButton* cmdCDF = nullptr;           // "CDF", kept disabled

    // The number of the last entry row (column 0 of the rows added).
    int EntryRowCount = 1;
    // Set by "Is this a PSI Oxygen?": Yes locks the typed unit price until an oxygen row is answered No.
    bool IsPSIOxygen = false;

    void Form_Load();
    void Form_Activate();
    void LoadAssessments();
    void ColourRevokedRows();
    void MSHFlexList_Click();
    void MSHFlexList_DblClick();
    void cmdOption_Click(int index);
    void Command1_Click(int index);
    void cmdCashCM_Click();

    bool CompleteRow(int row) const;
    bool AddRow(int row);
    void DeleteRow(int row);
    bool CheckDepartment(const QString& code) const;
    bool Check_Code(const QString& code) const;
    bool QualifiedRow(int row) const;
    void Check_If_Package(const QString& revenue, const QString& package);
    void Remove_PackageItems(const QString& revenue, const QString& package);
    void ColourPackageRows();

    // The box's key-down handler (frmCashAssessmentEntry.cpp). True when the key was taken.
    bool txtEntry_KeyDown(int key);
    // "&Save" (frmCashAssessmentSave.cpp): every row checked, then one transaction, then the slip.
    void SaveAssessment();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* e) override;

private:
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    void setRowExemptions(int row);
    bool boxMayOpen(int col, int row) const;
    void ignoreRows();
    void viewPackages();
    void deleteCurrentRow();
    QString rateClass() const;
    // item entry steps (frmCashAssessmentEntry.cpp); False ends the key there
    bool enterDepartment(int row);
    bool enterItem(int row);
    bool enterStockItem(int row, const QString& location);
    bool enterProfessionalFee(int row);
    bool enterService(int row);
    bool lookedUpPrice(int row);
    bool enterQuantity(int row);
    bool enterOxygenQuantity(int row);
    void askStat(int row);
    bool enterUnitPrice(int row);
    void moveOn(int row, int col);
    void emptyRow(int row);
};
