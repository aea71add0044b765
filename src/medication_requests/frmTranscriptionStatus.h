#pragma once
#include <QDialog>
#include <array>

class FlexGrid;
class QLabel;
class QPushButton;

// "Transcription Status": the patient's pharmacy transcription notes with their status; a note the
// pharmacy has not processed may be revoked (Revoke or a double-click).
class frmTranscriptionStatus : public QDialog {
    Q_OBJECT
public:
    explicit frmTranscriptionStatus(const QString& idNum, QWidget* parent = nullptr);

    FlexGrid* MSHFlexAssess = nullptr;
    std::array<QPushButton*, 2> cmdOption{}; // 0 "&Revoke", 1 "&Exit"
    QLabel* lblMessage = nullptr;

    void Form_Load();
    void cmdOption_Click(int index);
    void RevokeTranscriptionNote();

private:
    QString m_idNum;
};
