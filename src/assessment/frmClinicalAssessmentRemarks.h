#pragma once
#include <QDialog>

class FlexGrid;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// "Entry for Clinical Assessment Remarks and Lab Specimen": the remarks of one clinical assessment
// line and, for a laboratory exam, the specimen to take. Made afresh for each line: the caller
// sets ExamID and DeptID, runs ShowModal() and reads DialogAnswers.AssessmentRemarks and
// DialogAnswers.AssessmentSpecimen. It writes nothing to the database.
class frmClinicalAssessmentRemarks : public QDialog {
    Q_OBJECT
public:
    explicit frmClinicalAssessmentRemarks(QWidget* parent = nullptr);

    QString ExamID, DeptID;

    // Loads the dialog from the two properties and shows it modally. True when "&Ok" accepted it; a
    // dialog closed any other way leaves both answers empty.
    bool ShowModal();

    QPlainTextEdit* txtRemarks = nullptr;
    QLabel* lblSpecimen[3] = {};
    QToolButton* cmdSpecimen = nullptr;
    QFrame* fraSpecimen = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* lblHeading = nullptr;
    FlexGrid* mshflexSpecimen = nullptr;
    QPushButton* cmdOption = nullptr;

    void Form_Load();
    void Form_Activate();
    void Form_Click();
    void cmdSpecimen_Click();
    void mshflexSpecimen_Click();
    void cmdOption_Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layOutSpecimenList();
    bool isLaboratory() const;
    void limitRemarks();

    QString m_specimenCode;
    bool m_severalSpecimens = false;
    bool m_accepted = false;
};
