#pragma once
#include <QString>

class FlexGrid;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QWidget;
class SectionPicker;
struct PatientContext;

// The exam ordering of the procedures workspace: its pick lists, the section pickers and the
// request entry fill the orders grid; removing an order gives its exam back. An order is keyed by
// its section and exam code, and an entry is ticked exactly while its order is in the grid: a
// refused or cancelled add leaves the entry unticked and no row, and taking an order back needs
// no gate. The workspace hands its controls over once (Attach) and its events to the handlers.
class ExamOrdering {
public:
    struct Controls {
        QWidget* window = nullptr;
        QLineEdit* txtID = nullptr;
        FlexGrid* orders = nullptr;
        FlexGrid* profiles = nullptr;
        QListWidget *lab = nullptr, *xray = nullptr, *ultra = nullptr, *others = nullptr;
        // The workspace's patient: its room class prices, its type gates; the remarks dialog's
        // transplant and dialysis answers are kept on it for the save.
        PatientContext* patient = nullptr;
    };
    static ExamOrdering& instance();
    void Attach(const Controls& controls);
    const Controls& controls() const { return m_c; }

    // The ordering part of the workspace initialisation, after it has read the hospital
    // information: the order details back to "0", both grids laid out empty (AMOUNT shown as the
    // information says), every pick list (the workspace's and the pickers') filled afresh.
    void LoadOrderingLists();

    // A change of an entry's tick in the laboratory, ultrasound or x-ray list.
    void ListClicked(QListWidgetItem* item);
    // A change of an entry's tick in a section picker.
    void PickerClicked(SectionPicker* picker, QListWidgetItem* item);
    // A change of an entry's tick in "Other Departments": opens the section's picker or the
    // request entry.
    void OthersClicked(QListWidgetItem* item);
    // "Search Laboratory Exams" ("LB"), "Search Ultrasound Exams" ("US"), "Search Xray Exams" ("XR").
    void SearchClicked(const QString& section);
    // Double-click or Delete on the orders grid: the order of that row goes and its entry is
    // unticked.
    void RemoveOrderAt(int row);
    // Unticks the "Other Departments" entry of that text (a picker closing).
    void UntickOtherSection(const QString& entryText);

private:
    struct Source;
    bool AddExam(const Source& s);
    void Untick(QListWidgetItem* item);
    void TakeBack(const QString& dept, const QString& code);
    void OpenRequestEntry(const QString& caption, const QString& section);
    QListWidget* ListNamed(const QString& name) const;
    Controls m_c;
};
