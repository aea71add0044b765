#pragma once
#include <QDialog>
#include <array>

class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What was posted to one admission from pharmacy (or, in supplies mode, central supply): every
// issued, returned and adjusted line with its totals, and the reprint of a return's credit memo.
// The caller sets isCSRMode and IDNum, then shows it modally; it loads that admission itself.
class frmListPosted : public QDialog {
    Q_OBJECT
public:
    explicit frmListPosted(QWidget* parent = nullptr);

    void setIsCSRMode(bool csr) { m_isCSRMode = csr; }
    QString IDNum() const { return m_idNum; }
    void setIDNum(const QString& id) { m_idNum = id; }

    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 8> lblPatInfo{};
    QGroupBox* fraList = nullptr;
    FlexGrid* flexMSHList = nullptr;
    QLabel* lblTotalPosted = nullptr;
    QLabel* lblTotalReturn = nullptr;
    QLabel* lblAdjusted = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* lblDiscount = nullptr;
    QPushButton* cmdPrint = nullptr; // "&Reprint CM"
    QPushButton* cmdClose = nullptr;
    QLineEdit* txtFind = nullptr;    // the admission worked on; never shown

    void Form_Load();
    void FindPostedItems();
    void ComputePostedTotals();
    void cmdPrint_Click();
    // Restages and prints the slip of one credit memo (kind 1). Errors reach the caller.
    void GetChargeRecords(const QString& idNum, const QString& cmNumber, int kind);
    // Whether the line is a return, whose credit memo can be reprinted.
    bool IsReturnedLine(int row) const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void SetPostedListLayout();
    void ClearPatientHeader();
    void SetReprintState();
    bool m_isCSRMode = false;
    QString m_idNum;
    bool m_loaded = false;
};
