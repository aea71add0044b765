#pragma once
#include <QDialog>

class ReportViewer;

// The medication-sheet viewer: the report viewer as a modal window of its own, opened maximized,
// with its export button. Most slips and forms are shown in it.
class frmReportMedicationsheet : public QDialog {
    Q_OBJECT
public:
    explicit frmReportMedicationsheet(QWidget* parent = nullptr);

    ReportViewer* CRViewer1;

    void setShowGroupTree(bool on) { m_showGroupTree = on; }
    void setDirectPrint(bool on) { m_directPrint = on; }

    // Errors (the report cannot be read or printed) reach the caller.
    void Form_Load();
    void Form_Unload();

    void done(int result) override;

private:
    bool m_showGroupTree = false;
    bool m_directPrint = false;
    bool m_unloaded = false;
};
