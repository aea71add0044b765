#pragma once
#include "patients/PatientListCommon.h"
#include <QPixmap>
#include <QWidget>

class PatientGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
namespace PatientListCommon { class KeyPreview; }

// What the general patient list (frmSearch) and the department case list (frmCathPatients) have in
// common: the search panel, the list grid with its colours, legend and row counter, the row
// entry, the keys, the package selection panel for the census charging print, re-layout and the
// background. Each window adds its own panel of actions and its own load.
class PatientListWindow : public QWidget, public PatientListCommon::SearchPanel {
    Q_OBJECT
public:
    QFrame* Frame1;
    QWidget* Picture1;          // the search panel
    QLabel* Label6[2];          // "Search Category", "Clinical Procedures"
    QPushButton* Command1;      // "&Search"
    QPushButton* Command2;      // "&Refresh"
    PatientGrid* MSHFlexList;

    // Package selection panel (hidden until ShowMultiPackageSelection).
    QFrame* pctMultiPackage;
    QLabel* Label7;
    PatientGrid* mshMultiPackage;
    QPushButton* cmdSelect;
    QPushButton* cmdClose;

    // The search: empties the selection, reloads the list with the texts in the boxes.
    void Command1_Click();
    virtual void Command2_Click();
    void ColourPatientRows();
    // The grid's current cell changed.
    void MSHFlexList_RowColChange();
    virtual void MSHFlexList_Click() = 0;
    virtual void MSHFlexList_DblClick() = 0;
    // Enter on the grid: the click, then the double-click.
    void MSHFlexList_KeyPressEnter();
    virtual void MSHFlexList_MouseDownRight(const QPoint& globalPos, int rowUnderPointer) = 0;

    // The admission's packages, for the census charging print of one of them.
    void ShowMultiPackageSelection();
    void cmdSelect_Click();
    void cmdClose_Click();

    void Form_Resize();
    // The billing date column takes what the other columns leave of the grid (when the style says so).
    void StretchBillingColumn();
    // The screen's work area changed: the active window is fitted into it.
    void SysInfo1_DisplayChanged();

protected:
    struct Style {
        int admissionColumnWidth;
        qint64 evenRowColour;
        qint64 cashBasisColour;
        bool stretchBillingColumn;
        bool trapPackageErrors;   // otherwise a failure reaches the caller
    };
    explicit PatientListWindow(const Style& style);

    // The list load of the window (the statement and how the grid is prepared).
    virtual void loadList() = 0;
    // Runs before every search (the case list puts its action shapes back).
    virtual void beforeSearch() {}
    // The general list may hand the print to the census format dialog.
    virtual bool printThroughFormatDialog(const QString& refNum) { Q_UNUSED(refNum); return false; }
    // The left column of panels under the heading (the general list's patient-type frame).
    virtual QWidget* panelFrame() const;
    // Where the window puts its own actions, inside the search panel.
    QVBoxLayout* actionArea() const { return m_actionArea; }

    // The common part of a load: binds the result, colours a filled list and enters row 1 of a
    // visible grid; an empty result leaves the grid as the load prepared it.
    void fillList(const class Recordset& rs);
    void PrintCensusCharging(const QString& refNum);
    QSize workArea() const;
    void finishBuilding();

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

    Style m_style;
    PatientListCommon::KeyPreview* m_keys = nullptr;

private:
    void fillPackagePanel();
    void buildSearchPanel();
    void buildPackagePanel();
    QVBoxLayout* m_actionArea;
    QPixmap Image4;
};
