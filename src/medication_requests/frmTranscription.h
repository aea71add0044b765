#pragma once
#include "medication_requests/RequestPatient.h"

#include <QDialog>
#include <array>

class EntryGrid;
class QLabel;
class QLineEdit;
class QPushButton;

// "PHARMACY TRANSCRIPTION NOTES": a doctor's medication orders transcribed for the pharmacy, one
// row per medicine priced at the in-patient price, saved together under one transcription number.
class frmTranscription : public QDialog {
    Q_OBJECT
public:
    frmTranscription(const RequestPatient& patient, QWidget* parent = nullptr);

    QLineEdit *txtPatient = nullptr, *txtDoctor1 = nullptr, *txtDoctor2 = nullptr, *txtPno = nullptr, *txtID = nullptr,
              *txtDateAdmitted = nullptr, *txtAccount = nullptr, *txtDiagnosis = nullptr, *txtRoom = nullptr, *txtStatus = nullptr,
              *txtSex = nullptr, *txtAge = nullptr, *txtAssessment = nullptr;
    EntryGrid* mshflexEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QLabel* lblMessage = nullptr;
    std::array<QPushButton*, 3> cmdMedOption{}; // 0 "&Save", 1 "&Exit", 2 "&Delete"
    QPushButton* cmdListTranscription = nullptr;
    int RowNumberCounter = 1;
    RequestPatient Patient;

    bool CompleteRow(int row) const;
    // Row 1 emptied (its hidden columns kept), any other row removed.
    void DeleteRow(int row);
    bool Check_Code(const QString& code) const;
    bool EnterTranscriptionItem(int key);
    void cmdMedOption_Click(int index);
    void cmdListTranscription_Click();

private:
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    bool enterCode(int row);
    void moveOn(int col);
    void deleteButton();
    void SaveTranscriptionNotes();
};
