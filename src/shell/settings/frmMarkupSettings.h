#pragma once
#include <QDialog>

class FlexGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class Recordset;

// "Mark Up Settings": the additional mark-ups offered at charge time. The list, a search by the
// beginning of the description, and one row at a time added or edited. Shown modally from the
// main window; loads afresh each time.
class frmMarkupSettings : public QDialog {
    Q_OBJECT
public:
    explicit frmMarkupSettings(QWidget* parent = nullptr);

    FlexGrid* grdListing;
    QLabel* Label3;
    QLineEdit* txtSearch;
    QToolButton* tlbbtnSearch;
    QLabel *Label1, *Label2, *Label5;
    QLineEdit* txtCode;
    QLineEdit* txtDesc;
    QLineEdit* txtMarkup;
    QRadioButton* optMarkup[2]; // "*" and "+"
    QCheckBox* chkActive;
    QPushButton *cmdAdd, *cmdEdit, *cmdSave, *cmdExit;

    void load_Normalvalues();
    void tlbbtnSearch_Click();
    void grdListing_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdExit_Click();

private:
    void SetupGrid();
    void FillGrid(Recordset& rows);
    void EnableEntry(bool enabled);
    // Shows the mark-up of the grid's current row in the boxes; false when there is none.
    bool ShowRow(int row);
};
