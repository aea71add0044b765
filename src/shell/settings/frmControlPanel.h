#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <memory>

class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class clsRevenueCode;

// "Station - Control Panel": the revenue codes of the station parameters (read only), the links
// between the department's procedure items and admission packages, and the RVS codes of the
// department's procedures (frmControlPanel_RVS.cpp). The patient lists show it modally (F10).
class frmControlPanel : public QDialog, public SingleWindow<frmControlPanel> {
    Q_OBJECT
public:
    frmControlPanel();
    ~frmControlPanel() override;

    QTabWidget* SSTab1;

    // "Feature Settings"
    QGroupBox* Frame0;
    QLabel* lblRev[10];
    QLineEdit* txtRev[10];

    // "Package Code Link"
    FlexGrid* grdPackage;
    QLineEdit* txtEntry;
    QPushButton* cmdSave; // "Edit" / "Save"
    QPushButton* cmdExit; // "Close" / "Cancel"

    // "RVS"
    QLabel* lblProcedures;
    FlexGrid* grdProcedures;
    QGroupBox* frRVS;
    FlexGrid* grdRVS;
    QLineEdit* txtRVSEntry;
    QPushButton* cmdSaveRVS;  // "Edit" / "Save"
    QPushButton* cmdCloseRVS; // "Close" / "Cancel"
    int LastProcedureRow = 0;

    void Form_Load();
    void ShowRevenueParameters();
    void EnablePackageEditing(bool enabled);
    void SetupPackageGrid();
    void LoadPackageLinks();
    void PlaceEntryBox(int col, int row);
    void ConfirmAndLogSettings();
    void cmdSave_Click();
    void cmdExit_Click();
    void SSTab1_Click(int tab);
    void grdPackage_Click();
    void grdPackage_EnterCell();
    void grdPackage_LeaveCell();
    void grdPackage_Scroll();
    void txtEntry_KeyDown(int key);

    void LoadProcedures();
    void LoadProcedureRVS(const QString& itemID);
    void PlaceRVSEntryBox(int col, int row);
    void SaveProcedureRVS();
    void grdProcedures_Click();
    void grdRVS_EnterCell();
    void txtRVSEntry_KeyDown(int key);
    void cmdSaveRVS_Click();
    void cmdCloseRVS_Click();

    bool packageEditing() const;
    bool rvsEditing() const;
    // The procedure whose codes the RVS grid holds ("" when none is loaded).
    QString loadedProcedure() const { return m_rvsItem; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFeatureTab();
    QWidget* buildPackageTab();
    QWidget* buildRvsTab();
    void SetupRVSGrid(FlexGrid* grid, const QString& format, int col1Twips, int col2Twips);
    void setRvsEditing(bool editing);

    std::unique_ptr<clsRevenueCode> m_revenueCode;
    QString m_rvsItem;
};
