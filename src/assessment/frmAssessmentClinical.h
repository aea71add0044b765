#pragma once
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

// "Assessment Entry For Clinical Department": the services, supplies and fees a patient of a
// clinical department is assessed for, one row each in the entry grid, saved together under one
// assessment number with a slip for the cashier; beside it the patient's earlier assessment lines
// with their status. A modeless window that exists once; the workspace fills its department list
// and header and shows it. It acts on the patient of its own header only.
class frmAssessmentClinical : public QWidget, public SingleWindow<frmAssessmentClinical> {
    Q_OBJECT
public:
    // The patient the window acts on: the workspace's copy when it opened the window, shown in
    // the header boxes.
    PatientContext Patient;
    void setPatient(const PatientContext& patient);
    frmAssessmentClinical();

    QLineEdit *txtPatient = nullptr, *txtDoctor1 = nullptr, *txtDoctor2 = nullptr, *txtDoctor3 = nullptr, *txtID = nullptr,
              *txtPno = nullptr, *txtDateAdmitted = nullptr, *txtDateDischarged = nullptr, *txtDob = nullptr,
              *txtRoom = nullptr, *txtAge = nullptr, *txtSex = nullptr, *txtBloodType = nullptr, *txtStatus = nullptr,
              *txtAdiet = nullptr, *txtDiagnosis = nullptr;
    QTreeWidget* lvwDepartments = nullptr;
    QLabel* lblDeptCode = nullptr;
    QLabel* lblNote = nullptr;
    QGroupBox* fraList = nullptr;
    FlexGrid* MSHFlexList = nullptr;
    QLineEdit* txtMessage = nullptr; // "No Assessment Entered", over an empty list
    QGroupBox* fraMessage = nullptr;
    QLabel* lblMessage = nullptr;
    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    // 0 "&Save", 1 "&Ignore", 2 "E&xit", 3 "Refresh", 4 "&Delete".
    std::map<int, QPushButton*> Command1;
    std::array<QPushButton*, 2> cmdOption{}; // 0 "Reprint", 1 "Revoke"
    QPushButton* cmdCDF = nullptr;

    int EntryRowCount = 1;

    void Form_Load();
    void Form_Activate();
    void LoadAssessmentStatus();
    void Command1_Click(int index);
    void MSHFlexList_Click();
    void MSHFlexList_DblClick();
    void cmdOption_Click(int index);

    // Grid routines.
    bool CompleteRow(int row) const;
    bool AddRow(int row);
    void DeleteRow(int row);
    bool CheckDepartment(const QString& code) const;
    bool Check_Code(const QString& code) const;
    bool QualifiedRow(int row) const;
    // The professional fee a laboratory exam adds for this window's patient.
    double GetPFAmountByClass(const QString& itemCode) const;

    // The box's key-down handler (item entry and pricing): Enter, Up, Down, Left, Right.
    bool txtEntry_KeyDown(int key);

    // "&Save": every row checked, then all complete rows posted under one new assessment number in
    // one transaction, then the slip printed.
    void SaveClinicalAssessment();
    // The assessment number of the last save ("" before one, or when nothing was posted).
    QString LastAssessmentNumber;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* event) override;

private:
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    QString dept(int row) const;
    void enteringCell(int row);
    bool boxMayOpen(int col, int row) const;
    void ignoreRows();
    void deleteCurrentRow();
    void clearRowFromDepartment(int row);
    void numberRow(int row);

    // Item entry steps.
    bool enterDepartment(int row);
    bool enterItem(int row);
    bool enterStockItem(int row, const QString& department, const QString& location);
    bool enterDoctor(int row);
    bool enterService(int row, const QString& department);
    bool enterExam(int row, const QString& department);
    bool enterCatalogueDrug(int row, const QString& department);
    bool finishPricedRow(int row);
    bool zeroPriceRefused(int row);
    bool enterQuantity(int row);
    bool enterOxygenQuantity(int row);
    bool askStat(int row);
    bool enterUnitPrice(int row);
    void moveOn();
    bool moveVertically(int step);
    QString rateClass() const;
    bool setClassRate(int row, const QVariant& rate);
};
