#pragma once
#include <QDialog>
#include <QVariantList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The code picker: runs a statement on the shared connection, lists its rows and hands back the
// code (column 1) of the row the user chooses. One window for the run; its properties keep their
// values between showings. Callers set SearchCaption, HospNum, Criteria and Query (QueryParams for the
// statement's "?" values, DisableSearch if wanted), call ShowModal, then read Valid and ResultCode.
class frmSearchCodes : public QDialog {
    Q_OBJECT
public:
    static frmSearchCodes* instance();

    QString SearchCaption;
    QString HospNum; // the hospital number of the patient the search is for, shown above the list
    QString Query;              // "##" stands for Criteria (see SearchStatement.h)
    QVariantList QueryParams;
    QString Criteria;
    bool DisableSearch = false;
    QString ResultCode;         // column 1 of the chosen row
    bool Valid = false;         // a row was chosen in this showing

    // Empties this showing's answers, loads the window (an error of its first search reaches the
    // caller) and shows it modally.
    int ShowModal();

    QLabel* lblTitle;
    QLabel* lblSTitle;
    QLabel* lblHospital;
    QLabel* lblHelpTip;
    QLabel* imgHelpTip;
    QLabel* imgTitle;
    QLineEdit* txtSearchStr;
    QCheckBox* chkAutoSearch;
    QGroupBox* fraDispWinFrame;
    QTableWidget* grdDispWindow;
    QPushButton* cmdSelect;
    QPushButton* cmdCancel;

    void Form_Load();
    void RunSearch();
    void cmdSelect_Click();
    void cmdCancel_Click();

    // The grid as the hospital's grids count it: row 0 is the header row, data from row 1.
    int GridRows() const;
    int GridRow() const;                  // current row, 0 when none
    QString TextMatrix(int row, int col) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    frmSearchCodes();
    void FormatResultGrid();
    void txtSearchStr_Change();
    void grdDispWindow_RowColChange();
    int topVisibleRow() const;

    bool m_typing = false;
};
