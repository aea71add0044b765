#pragma once
#include "medication_requests/RequestPatient.h"

#include <QDialog>
#include <QStringList>
#include <QVector>
#include <array>

class EntryGrid;
class QLabel;
class QLineEdit;
class QPushButton;
struct DrugItem;
namespace MedicationRequestData {
struct RequestRow;
}

// What the pharmacy and the central supply request entries share: the entry grid with its
// row numbers, the row helpers, the Delete and Close buttons and the save of the requests. Each
// entry gives its columns, its item entry and its texts. The window acts on the patient copied
// into Patient before it is shown.
class RequestEntryWindow : public QDialog {
    Q_OBJECT
public:
    RequestPatient Patient;

    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 3> cmdMedOption{}; // 0 Save, 1 "&Close", 2 "&Delete"
    // The number of the last row.
    int RowNumberCounter = 1;
    // The request numbers of the save that closed the window.
    QStringList SavedRequestNumbers;

    void cmdMedOption_Click(int index);
    bool CompleteRow(int row) const;
    bool AddRow(int row);
    // Takes back a refused item: the row removed (or emptied when it is the last or only row), the
    // box on the code cell of the last row.
    void DeleteRow();
    // The code stands in another row.
    bool Check_Code(const QString& code) const;
    bool QualifiedRow(int row) const;
    bool HasCompanyAccount(const QString& idNum) const;

    // What makes an entry the pharmacy's or central supply's.
    struct Kind {
        QString revenue;          // "PH" or "CS"
        QString department;       // in the clearance refusal
        QString location;         // stock location of the company price
        int statColumn = 9;
        QString nothingEntered;   // row 1 without description
        QString validationQuestion;
        QString errorText, errorTitle;
        int errorIcon = 0;
        QString formCaption;
        bool clearsDoctorOnClick = false;
        QString quantityRefusal, statRefusal;
    };

    // The key handler of the entry box: Enter commits the typed value of the column and moves on;
    // the other keys are left to the grid. True when the key was taken.
    bool EnterItem(int key);
    // The save's row checks (after the nothing-entered check): the first incomplete row is told.
    bool CheckRows();
    MedicationRequestData::RequestRow RequestRowOf(int row) const;

protected:
    RequestEntryWindow(const Kind& kind, QWidget* parent);

    // Builds the controls; the entry lays out its columns (LayOutColumns), sets its own tables and
    // then calls finishGrid().
    // The grid's columns: the format string, the widths in twips (the amount's comes from the
    // hospital setting, read afresh here), the shared lengths and prompts, and the note naming the
    // department that will be notified.
    void LayOutColumns(const QString& format, const QVector<int>& widths, const QString& notifiedDepartment);
    void finishGrid();
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    // The cursor move after an accepted Enter in the column.
    void moveOn(int col);
    // A refused value: the box emptied and hidden, the cursor back on that column of the row.
    void backTo(int row, int col);
    // The unit price of the item for this patient: the company price where the account has one,
    // else the selling price of the patient's kind.
    double UnitPrice(const DrugItem& item) const;
    double SellingPrice(const DrugItem& item) const;
    // The catalogue's item of the row (looked up again); false for a row without one.
    bool RowItem(int row, DrugItem& item) const;
    // The quantity refusals shared by both entries; true when the quantity is taken and the amount set.
    bool EnterQuantity(int row);
    // The STAT entry: "Y" or "N"; anything else refused with the message and reset to "N".
    bool EnterStat(int row);

    // Enter in the code column: the entry's own look-up and checks; it moves on itself.
    virtual void EnterCode(int row) = 0;
    // Enter in the dosage column; false stops the key.
    virtual bool EnterDosage(int) { return true; }
    // The sheet of the pharmacy (dosage, generic flag, STAT in column 9) or of central supply.
    bool pharmacy() const { return m_kind.statColumn == 9; }
    // A brand item written into the row at its unit price for one unit: code, description,
    // amount, unit price (in its column) and STAT "N".
    void WriteItem(int row, const DrugItem& item, int unitPriceColumn);
    // With stock checks on, an item with nothing on hand is refused and its row taken back.
    bool RefusedForNoStock(const DrugItem& item);

    Kind m_kind;

private:
    void deleteRequest();
    void SaveRequests();
    void PrintRequestForm();
};
