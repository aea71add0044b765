#pragma once
#include "medication_requests/RequestPatient.h"

#include <QDialog>
#include <QStringList>
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
    };

protected:
    RequestEntryWindow(const Kind& kind, QWidget* parent);

    // Builds the controls; the entry sets its columns afterwards and then calls finishGrid().
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
    bool EnterQuantity(int row, int unitPriceColumn, const QString& notPositive);
    // The STAT entry: "Y" or "N"; anything else refused with the message and reset to "N".
    bool EnterStat(int row, const QString& refusal);

    // The save's own row checks (after the nothing-entered check): false stops the save.
    virtual bool CheckRows() = 0;
    virtual MedicationRequestData::RequestRow RequestRowOf(int row) const = 0;

    Kind m_kind;

private:
    void deleteRequest();
    void SaveRequests();
    bool validateUser();
    void PrintRequestForm();
};
