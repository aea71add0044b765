#pragma once
#include <QDialog>
#include <array>

class FlexGrid;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// The cash credit memo: the items paid under one official receipt, with their credit memo state.
// The user selects unprocessed items; "Save/Print" records them under one new advice number in
// one transaction and prints the slip; a pending advice can be reprinted from the list. The
// caller sets IDNum, Patient and ORNumber and runs ShowModal().
class frmCashCM : public QDialog {
    Q_OBJECT
public:
    explicit frmCashCM(QWidget* parent = nullptr);

    QString IDNum, Patient, ORNumber;

    FlexGrid* mshFlexCashCM = nullptr;
    std::array<QLabel*, 2> lblPatient{};
    std::array<QPushButton*, 2> lblExit{}; // 0 "Exit", 1 "Save/Print"
    QMenu* mnuReprint = nullptr;
    QAction* mnuReprintCM = nullptr;

    // Pictures of column 1, as the legend names them.
    enum Picture { Unselected = 1, Selected = 2, Processed = 3, Pending = 6 };
    // The picture a row shows (its number, 0 for none).
    int RowPicture(int row) const;

    void ShowModal();
    // Fills the list; a failed read shows the error notice and leaves the list empty.
    void LoadPaidItems();
    void mshFlexCashCM_Click();
    void SaveCashCreditMemo();
    void mnuReprintCM_Click();
    void lblExit_Click(int index);
    // The advice number of the last save ("" before one).
    QString LastAdviceNumber;

private:
    void setPicture(int row, int picture);
    void colourRow(int row);
    void printSlip(const QString& adviceNumber);
};
