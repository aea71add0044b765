#pragma once
#include <QObject>
#include <QString>
#include <functional>

class PatientGrid;
class Recordset;
class QLabel;
class QLineEdit;
class QFrame;
class QPushButton;
class QVBoxLayout;
class QWidget;

// What the general list, the department case list and the patient picker share: the list grid's
// layout and colours, the legend and row counter, the search boxes and the window's key preview.
namespace PatientListCommon {
// Header captions of the list grid, as its layout string gives them.
extern const QString kFormatString;
constexpr qint64 kBilledColour = 0xFF0000;   // blue
constexpr qint64 kWhite = 0xFFFFFF;

// Clears the grid and gives it the header row and one blank row, 9 columns and the widths
// (column 2 differs between the windows).
void SetupListGrid(PatientGrid* grid, int admissionColumnWidth);
// A list counts as filled when it has more than the blank row, or a blank row that is not blank.
bool ListIsFilled(const PatientGrid* grid);
// Every cell of columns 1 onward: ordinary text, white and coloured rows by turn; a billed row
// in blue (and never cash basis afterwards), else a cash-basis row in the cash-basis colour.
void ColourPatientRows(PatientGrid* grid, qint64 evenRowColour, qint64 cashBasisColour);
// Whether the row is a cash-basis row (column 7 reads 1).
bool IsCashBasisRow(const PatientGrid* grid, int row);
// The legend's cash-basis text of the row: column 8 trimmed, less its last character.
QString CashBasisText(const PatientGrid* grid, int row);
// "3  out of  25".
QString RecNumText(int row, int rows);
// Fills the list from a search result: with rows, the grid is enabled and coloured, the first row
// made current and, when the grid is shown, focused and its row change run; without, the blank row
// stays and the grid is disabled. An empty result leaves the grid as its load left it.
void FillPatientList(PatientGrid* grid, const Recordset& rs, const std::function<void()>& colourRows,
                     const std::function<void()>& rowChange);
// The current row's selection colour, cash-basis legend and row counter.
void ShowRowState(PatientGrid* grid, int row, QLabel* cashBasisLegend, QLabel* recNum);

// The controls of the search panel that the lists and the picker share, below "Search Category";
// the windows take them as members of their own.
struct SearchPanel {
    QLabel* Label1[3] = {};             // [0] "Patient Searching" (the window's), [1] "Cash Basis Patient", [2] "Billed Patient"
    QLabel *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr; // captions of the three boxes
    QLineEdit* txtSearch[3] = {};       // last name, hospital number, admission number
    QLabel* lblLegend[2] = {};          // "LEGEND:", the cash-basis text of the current row
    QFrame *Shape1 = nullptr, *Shape2 = nullptr; // legend boxes: billed, cash basis
    QLabel *lbl1 = nullptr, *lblRecNum = nullptr; // "Rec. No." and the counter
};
struct SearchButtons {
    QLabel* category;                   // "Search Category"
    QPushButton* search;                // "&Search"
    QPushButton* second;                // the window's second button
};
// Adds the "Search Category" heading, the boxes (with their SearchBoxes rules running `search`), the two buttons, the legend and
// the row counter to the panel's layout.
SearchButtons BuildSearchPanel(SearchPanel& p, QWidget* panel, QVBoxLayout* layout, const QString& lastNameCaption,
                               const QString& secondButton, qint64 cashBasisColour, std::function<void()> search);

// The three search boxes: entering one empties the other two; a change enables the search button
// when the box is not empty; the last-name box drops digits and takes letters in upper case, the
// admission-number box takes letters in upper case too; Enter in any box runs the search.
class SearchBoxes : public QObject {
public:
    SearchBoxes(QLineEdit* const boxes[3], QPushButton* searchButton, std::function<void()> search);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_boxes[3];
    QPushButton* m_button;
    std::function<void()> m_search;
};

// The window sees every key before its controls: an apostrophe is discarded anywhere in it, and
// F10 runs the given handler (when there is one).
class KeyPreview : public QObject {
public:
    KeyPreview(QWidget* window, std::function<void()> onF10 = {});
    // Watches the controls added after the window was built.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onF10;
};
}
