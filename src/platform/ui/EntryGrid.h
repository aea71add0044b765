#pragma once
#include "platform/text/NumberRange.h"
#include "platform/ui/FlexGrid.h"

#include <QHash>
#include <QPointer>
#include <QVector>
#include <functional>

class QLabel;
class QLineEdit;
class QKeyEvent;

// The entry windows' grid: cells are never edited in place; one box, txtEntry, floats over the
// current cell and is the only way to type into the grid. The grid keeps the per-column tables
// (maximum length, key kind, prompt), the table of columns the box skips, the row rules
// (CompleteRow, AddRow behind a complete last row, F3) and the moves; the window supplies, through
// the hooks below, what a row means: when it is complete, where the box may open, what Enter does.
//
// Row 0 is the header and column 0 the fixed column, as in FlexGrid; data rows are 1 to Rows - 1.
class EntryGrid : public FlexGrid {
    Q_OBJECT
public:
    enum class Keys {
        Upper,   // letters upper-cased, everything else as typed (the default)
        Numeric, // only NumericChars and Backspace
        AsTyped, // every character as typed
        None,    // nothing can be typed (the cell is filled by a pick)
    };
    enum class PromptMode {
        OnPlaceClearOthers, // the prompt is set when the box is placed; a column without one empties it
        OnPlaceKeepOthers,  // set when placed; a column without one keeps the previous prompt
        OnTyping,           // set when the box's text changes
    };

    explicit EntryGrid(QWidget* parent = nullptr);
    ~EntryGrid() override;

    // The floating box.
    QLineEdit* txtEntry = nullptr;

    // Per-column tables. A column without an entry has no length limit, upper-case keys and no prompt.
    void setColumnMaxLength(int col, int length);
    int ColumnMaxLength(int col) const;
    void setColumnKeys(int col, Keys keys);
    Keys ColumnKeys(int col) const;
    QString NumericChars = QStringLiteral("0123456789./");
    // The bounds of a number column: Enter on a text of digits and points that is no number of
    // the range, or on another text whose leading number is above its maximum, shows the range's
    // message and keeps the box. Texts without a digit, and the window's own rules (a whole
    // number, above zero), are left to the window.
    void setColumnRange(int col, const NumberRange& range);
    void setColumnPrompt(int col, const QString& prompt);
    void setPromptLabel(QLabel* label, PromptMode mode = PromptMode::OnPlaceClearOthers);
    // A control (pick button, up-down) that stands at the box's right edge in this column.
    void setColumnSideWidget(int col, QWidget* side);

    // The columns the box skips: entries that hold 0 name column 0, which is thus always skipped.
    // Only the first ExemptSearched entries are looked at.
    QVector<int> ExemptColumnTable = QVector<int>(8, 0);
    int ExemptSearched = 6;
    bool ExcemptCol(int col) const;

    // Hooks of the window.
    // Whether the row is complete: required before AddRow can append anything.
    std::function<bool(int row)> completeRule;
    // Whether a column is skipped, when it depends on more than the table (replaces ExcemptCol's
    // table look-up; ListedExempt gives the table's answer).
    std::function<bool(int col)> exemptRule;
    // Whether the box may open over a non-exempt cell of the row (e.g. only the code cell of a row
    // without an item). Default: always.
    std::function<bool(int col, int row)> openRule;
    // Runs as a cell is entered, before the box is placed: per-row changes of the exempt table.
    std::function<void(int row, int col)> enteringCell;
    // Fills a row AddRow has just appended (row numbers).
    std::function<void(int row)> rowAdded;
    // The key-down handler of the box: Enter and the navigation keys (Up, Down, Left, Right, Home,
    // End) go here; without one, or when it answers False, Navigate handles the navigation keys.
    std::function<bool(int key)> keyDown;
    // F3 anywhere the grid watches (the box, the grid, the controls given to WatchWindowKeys).
    // Default: DeleteRow(Row()). Set to an empty function for a window without F3.
    std::function<void()> f3;
    // Runs when the user scrolls, before the box is hidden: the window may keep what the box holds.
    std::function<void()> userScrolling;
    bool SwallowApostrophe = true;
    // Leaving a cell of a column below this appends a row behind a complete row.
    int AddRowBelowColumn = 7;
    // The columns F3 empties on row 1 (last -1: the last column).
    int F3FirstClearedColumn = 1;
    int F3LastClearedColumn = -1;
    // Navigate's End goes no further right than this column (-1: the last column with a table entry).
    int EndLimitColumn = -1;

    // Current cell.
    int Row() const { return currentRow(); }
    int Col() const { return currentColumn(); }

    // Lays the box over the cell and loads the cell's text into it; an exempt column or a refused
    // open only loads the text.
    void PutTextBox(int col, int row);
    // The cell-entry handling: length limit, text (all selected), placing, focus.
    void EnterCell();
    // Moves the current cell and runs the cell entry (also when the cell does not change).
    void MoveTo(int row, int col);
    // The box hidden and emptied, the cell keeping its text.
    void HideBox();

    bool ListedExempt(int col) const;
    bool CompleteRow(int row) const;
    // Appends an empty row when row is complete and, with two data rows or more, the last row is
    // complete too. True when a row was appended.
    bool AddRow(int row);
    // The F3 deletion: row 1 is emptied (F3FirstClearedColumn to F3LastClearedColumn), any other
    // row removed; then the box goes to column 1 of the last row.
    void DeleteRow(int row);
    // Whether any cell of the row (columns 1 to the last) holds text after trimming.
    bool QualifiedRow(int row) const;
    // Empties columns first to last of a row.
    void ClearRow(int row, int first, int last);

    // The first column after col (up to last) that the box does not skip; col itself when none.
    int NextOpenColumn(int col, int last) const;
    int PreviousOpenColumn(int col) const;
    // Up, Down, Left, Right, Home and End: move and run the cell entry; other keys do nothing.
    bool Navigate(int key);

    // Routes F3 and swallows the apostrophe in every control of the window (the window's key preview).
    void WatchWindowKeys(QWidget* window);

    // The rectangle the box takes over a cell, in the grid viewport's coordinates.
    QRect BoxRect(int row, int col) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    void cellChanged(int row, int col, int prevRow, int prevCol);
    bool filterKeyPress(QKeyEvent* e);
    bool refusedNumber();
    void placeSide(int col);
    void followCell();
    void setPrompt(int col);

    QHash<int, int> m_maxLength;
    QHash<int, Keys> m_keys;
    QHash<int, NumberRange> m_ranges;
    QHash<int, QString> m_prompts;
    QHash<int, QPointer<QWidget>> m_sides;
    QPointer<QLabel> m_prompt;
    PromptMode m_promptMode = PromptMode::OnPlaceClearOthers;
    int m_boxRow = -1, m_boxCol = -1;
    bool m_removing = false;
};
