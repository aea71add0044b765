#pragma once
#include <QDialog>
#include <array>

class EntryGrid;
class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The return of medicines or supplies issued to one admission: the items picked by charge slip
// from what was issued, the quantities returned and the reasons, posted as one credit memo.
// The opener sets isCSRMode, PatientID and ReturnOrAdjustment, then shows it modally.
class frmReturn : public QDialog {
    Q_OBJECT
public:
    explicit frmReturn(QWidget* parent = nullptr);

    // Entry grid columns.
    enum Col { ChargeSlip = 0, Code, Description, QtyIssued, QtyReturned, Stock, Amount, Remarks, Price, Unused9, ActualAmount, Unused11 };
    static constexpr int EntryRows = 30;

    void setIsCSRMode(bool csr) { m_isCSRMode = csr; }
    QString PatientID() const { return m_patientID; }
    void setPatientID(const QString& id) { m_patientID = id; }
    int ReturnOrAdjustment() const { return m_returnOrAdjustment; }
    void setReturnOrAdjustment(int v) { m_returnOrAdjustment = v; }
    int InorOut() const { return m_inOrOut; }
    void setInorOut(int v) { m_inOrOut = v; }

    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 13> Label1{};   // 0-7, 10, 12 used
    std::array<QLabel*, 10> lblPatInfo{};
    QGroupBox* fraList = nullptr;
    EntryGrid* flexMSEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QPushButton* cmdEntry = nullptr;
    QWidget* UpDown = nullptr;
    QToolButton* UpDownUp = nullptr;
    QToolButton* UpDownDown = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;      // never shown
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdPosted = nullptr;
    FlexGrid* mshflexReturnDrugs = nullptr; // the rows of one posting, never shown

    bool ReturnValidated = false, ReturnWritten = false, ReturnPosted = false;

    void Form_Load();
    void cmdEntry_Click() { PickIssuedItem(); }
    void UpDown_UpClick();
    void UpDown_DownClick();
    void cmdClearRow_Click();
    void cmdClose_Click();
    void cmdPosted_Click();
    void cmdPrintSave_Click() { PostReturnedItems(); }
    void PostReturnedItems();
    // Enter in the box, or a double-click on it.
    void CommitCell();

    bool CompleteRow(int row) const;
    bool HasCompleteRow() const;
    bool IsBlankRow(int row) const;
    QString TotalAmount() const;
    int Check_Code(const QString& code, const QString& chargeSlip) const;
    void FillReturnPrintGrid();
    QString cell(int row, int col) const;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void PickIssuedItem();
    QString GetActualAmount(const QString& chargeSlip, const QString& itemID);
    // The quantity typed for the row, taken only when it is 0 or more and no more than was issued:
    // every road into the cell comes here. False (the cell unchanged) when refused.
    bool StoreQuantity(int row, const QString& typed, bool tell);
    void SetButtons();
    void setCell(int row, int col, const QString& text);
    QString stockLocation() const;
    void moveToNextRow(int row);

    bool m_isCSRMode = false;
    QString m_patientID;
    int m_returnOrAdjustment = 1;
    int m_inOrOut = 0;
    bool m_loaded = false;
};
