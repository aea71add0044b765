#pragma once
#include <QWidget>

class ReportViewer;

// Loads a viewer window's control: CurrentReport as its source, the group tree, then prints it
// (directPrint) or shows it at 100 per cent. Both viewers offer the export button.
void LoadReportViewerControl(ReportViewer* viewer, bool showGroupTree, bool directPrint);

// The general report viewer: a child window of the main window, opened maximized, modeless.
// A new one for every report shown; several may be open side by side.
class frmReportViewer : public QWidget {
    Q_OBJECT
public:
    frmReportViewer();

    ReportViewer* CRViewer1;

    void setShowGroupTree(bool on) { m_showGroupTree = on; }
    void setDirectPrint(bool on) { m_directPrint = on; }

    // Errors (the report cannot be read or printed) reach the caller.
    void Form_Load();
    void Form_Unload();
    // Shows it maximized inside the main window, in front of the other children (a window of its
    // own without one).
    void showInMainWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_showGroupTree = false;
    bool m_directPrint = false;
    bool m_unloaded = false;
};
