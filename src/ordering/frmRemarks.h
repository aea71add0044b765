#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <QRadioButton>
#include <array>

class QLabel;
class QPushButton;

// The exam-request details dialog, which exists once.
// So far it holds the routine/STAT choice that the shared order checks preset and the members the
// request entry sets before showing it; the exam ordering fills in the rest. Its Enter button
// (Command1) stores the answers in the exam-order variables and accepts the dialog: any other way
// of closing it is a cancel (runModal answers Rejected).
class frmRemarks : public QDialog, public SingleWindow<frmRemarks> {
    Q_OBJECT
public:
    frmRemarks();

    // Element 0 "Routine" (chosen when the dialog opens), element 1 "Stat".
    std::array<QRadioButton*, 2> Option1{};
    // The section of the exam, and the exam code for a laboratory exam.
    QString DeptID, ExamID;
    // The specimen choice: label 1 and its button, enabled when the dialog loads.
    std::array<QLabel*, 2> lblSpecimen{};
    QPushButton* cmdSpecimen = nullptr;
    QPushButton* Command1 = nullptr; // "&Enter"
    void Command1_Click();
};
