#pragma once
#include "platform/ui/WindowRegistry.h"
#include "shared/patient/PatientContext.h"

#include <QDialog>
#include <array>

class EntryGrid;
class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The exam request entry: for one department at a time the user types exams by code into the
// entry grid, one per row (RequestEntryRow); each is priced, checked and given its remarks.
// "&Accept" hands the complete rows to the workspace's orders grid and their profile members to
// its profile grid; nothing is written to the database here. A modal dialog that exists once.
class frmRequest : public QDialog, public SingleWindow<frmRequest> {
    Q_OBJECT
public:
    frmRequest();

    // Opens the window for a department ("LB", "US", "XR", "MI", ...) under its caption
    // ("Laboratory Request Entry", ...) and shows it modally; the dialog's result.
    static int OpenFor(const QString& department, const QString& caption);

    QString Department;
    // The patient the entry prices for and orders on (the workspace's, when the ordering opens it).
    PatientContext Patient;
    void setPatient(const PatientContext& patient) { Patient = patient; }
    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr; // the entry grid's floating box
    // The profile members (ProfileRow rows) of the exams entered here.
    FlexGrid* mshflexProfileList = nullptr;
    QLineEdit* txtDept = nullptr;
    QGroupBox* fraMessage = nullptr;
    QLabel* lblMessage = nullptr;
    QGroupBox* fraReq = nullptr;
    // 0 "&Accept", 1 "&Exit", 2 "&Delete".
    std::array<QPushButton*, 3> cmdOption{};

    // The department's skipped columns, applied to the current row.
    void Form_Activate();
    void PutTextBox(int col, int row);
    bool ExcemptCol(int col) const;
    bool CompleteRow(int row) const;
    bool AddRow(int row);
    // F3: the row emptied (row 1) or removed, with its profile's members.
    void DeleteRow(int row);
    // Another row of the grid holds the code.
    bool Check_Code(const QString& code) const;
    // The workspace's orders grid holds the code under this department.
    bool IsInOrdersList(const QString& code) const;
    bool QualifiedRow(int row) const;
    void mshflexEntry_EnterCell();
    // The box's key-down handler: Enter and the navigation keys. True when the key was handled.
    bool EnterExamItem(int key);
    void cmdOption_Click(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString dept() const;
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    void setRowExemptions(int row);
    void rejectRow(int row);
    void moveOn(int row, int col);
    bool enterCode(int row);
    bool labProfileChecks(int row);
    bool askRemarks(int row);
    bool enterQuantity(int row);
    void enterStat(int row);
    void accept_();
    void delete_();
    void forgetProfile(const QString& code);
};
