#pragma once
#include <QDialog>

class FlexGrid;
class QLabel;
class QPushButton;

// "Communication File": the open requests other stations sent the department. STAT rows are red,
// printed rows light green. A request is revoked with a reason, or the chosen patient's requests
// are processed in frmProcessRequests. The list is read again at every activation (its first
// showing and every return from a window opened over it); with no open request left the window
// closes itself. The main window shows it modally.
class frmCommunication : public QDialog {
    Q_OBJECT
public:
    explicit frmCommunication(QWidget* parent = nullptr);

    FlexGrid* mfgrdPatient = nullptr;
    QPushButton* cmdChoose = nullptr; // "&Process"
    QPushButton* cmdRevoke = nullptr;
    QPushButton* cmdCancel = nullptr; // "&Close"
    QPushButton* cmdPrint = nullptr;  // hidden
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;

    // Reads the list again; False when no open request is left (the window then closes).
    bool Form_Activate();
    void ChangeColorPrintedStatus();
    void mfgrdPatient_EnterCell();
    void cmdChoose_Click();
    void cmdRevoke_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // After a window opened over this one closes: the list is read again.
    void Reactivate();
    QString cell(int col) const;
};
