#pragma once
#include <QDialog>
#include <QList>

class QDateEdit;
class QLabel;
class QPushButton;

// The report-date prompt: asks for a date range before a dated report is printed. The answer is
// ReportDateFrom and ReportDateTo ("mm/dd/yyyy"), both empty when the dialog closed without one.
//
// A caller sets NoMaxDate when it wants one, then the caption (which loads the window), may then
// set the pickers' upper limits itself, and shows it:
//     frmReport* f = frmReport::instance();
//     f->setCaption("Enter Report Date for Audit Report");
//     f->ShowModal();
//     if (!ReportDateFrom.isEmpty()) ... print ...
class frmReport : public QDialog {
    Q_OBJECT
public:
    // One window object for the run.
    static frmReport* instance();

    QLabel* lblFrom;
    QDateEdit* dtpFrom;
    QLabel* lblTo;
    QDateEdit* dtpTo;
    QList<QPushButton*> cmdOption; // 0 "&View", 1 "&Close"

    // The second date has no upper limit. Holds for the next showing only.
    void setNoMaxDate(bool on) { m_noMaxDate = on; }
    bool isLoaded() const { return m_loaded; }
    // Loads the window when it is not loaded.
    void Load();
    void setCaption(const QString& caption);
    // Loads, shows it modally and returns when it is closed.
    void ShowModal();

    void Form_Load();
    void cmdOption_Click(int index);
    void done(int result) override;

private:
    frmReport();
    void centreOnScreen();
    bool m_noMaxDate = false;
    bool m_loaded = false;
};
