#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <array>

class FlexGrid;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
struct PatientContext;

// "Remarks Entry": the priority, remarks, reason of procedure and, for a laboratory exam, the
// specimen of the exam being ordered. One instance at a time, made afresh at each opening.
// Enter is the only way to accept it: closed any other way it counts as cancelled and the
// opener adds nothing. It writes nothing to the database; the patient's transplant and dialysis
// flags it settles go with the order's save.
class frmRemarks : public QDialog, public SingleWindow<frmRemarks> {
    Q_OBJECT
public:
    frmRemarks();

    // Section and laboratory exam of the opening; they outlive the window, and Enter empties them.
    static inline QString DeptID, ExamID;
    // The order's transplant and dialysis codes: the caller gives its patient's, OK answers the chosen.
    static inline QString TransplantID, DialysisID;
    // The texts the transplant and dialysis boxes start with.
    static inline QString TransplantText, DialysisText;
    // Gives the codes and starting texts of the patient the order is for.
    static void givePatient(const PatientContext& patient);
    // The doctor last found in the physiatrist panel.
    static inline QString PhysiatristCode;

    // Runs the loading steps, shows the dialog modally and answers whether Enter accepted it.
    // The window is deleted before it returns.
    bool ShowModal();
    // Greys the specimen row (every non-laboratory opener does).
    void DisableSpecimen();

    QLabel* lblExam = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // 0 "Routine", 1 "Stat"
    QCheckBox* chkAMPickUp = nullptr;
    QFrame* fraSpecimen = nullptr;
    QLabel* lblSpecimen[2] = {};
    QToolButton* cmdSpecimen = nullptr;
    QFrame* fraPT = nullptr;
    QLineEdit* txtPhysiatrist = nullptr;
    QToolButton* cmdPhysiatrist = nullptr;
    QDateTimeEdit *dtpReffered = nullptr, *dtpOrdered = nullptr;
    QRadioButton* optHanded[2] = {};
    QCheckBox* chkPortable = nullptr;
    QPlainTextEdit *txtRemarks = nullptr, *txtReason = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* lblHeading = nullptr;
    FlexGrid* mshflexSpecimen = nullptr;
    QComboBox *cboTransplant = nullptr, *cboDialysis = nullptr;
    QLabel* lblLBExamID = nullptr;
    QPushButton* Command1 = nullptr;

    void Command1_Click();
    void chkAMPickUp_Click();
    void cmdSpecimen_Click();
    void mshflexSpecimen_Click();
    void cmdPhysiatrist_Click();
    // Leaving the physiatrist box; false keeps the focus there.
    bool txtPhysiatrist_Validate();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void LayOutSpecimenGrid();
    void ListSpecimens();
    bool m_accepted = false;
};
