#pragma once
#include "platform/report/Report.h"
#include "platform/report/ReportRenderer.h"

#include <QPrinter>
#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The report viewer control: takes a report as its source, shows its pages with a toolbar
// (pages, zoom, print) and, when asked, a group tree beside them.
class ReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    // Renders the report (its data are read now); errors reach the caller. The viewer keeps the
    // report until it is gone.
    void setReportSource(std::shared_ptr<Report> report);
    std::shared_ptr<Report> reportSource() const { return m_report; }
    const RenderedReport* rendered() const { return m_rendered.get(); }

    void setDisplayGroupTree(bool on);
    bool displayGroupTree() const { return m_displayGroupTree; }
    void setEnableGroupTree(bool on);
    bool enableGroupTree() const;
    // The export button (save as PDF).
    void setEnableExportButton(bool on);
    bool enableExportButton() const;

    // Shows the pages.
    void viewReport();
    // Zoom in per cent (100: the page at its printed size).
    void zoom(int percent);
    int zoomPercent() const;
    // Prints the report: through the printer dialog while the report asks for one, else at once on
    // the default printer (or to PDF, see ReportOutput). Returns where it went, "" when the dialog
    // was cancelled. Errors reach the caller.
    QString printReport();

    int pageCount() const;
    int currentPage() const;
    void showPage(int page);
    // The report's text as laid out on its pages.
    QString text() const;

    QToolBar* toolbar = nullptr;
    QTreeWidget* groupTree = nullptr;
    QPrintPreviewWidget* preview = nullptr;
    QAction* actFirst = nullptr;
    QAction* actPrevious = nullptr;
    QAction* actNext = nullptr;
    QAction* actLast = nullptr;
    QAction* actZoomIn = nullptr;
    QAction* actZoomOut = nullptr;
    QAction* actFitWidth = nullptr;
    QAction* actPrint = nullptr;
    QAction* actExport = nullptr;
    QLabel* lblPage = nullptr;

    // Toolbar buttons: print with the printer dialog, save as PDF with a file dialog; their errors
    // are shown here.
    void printWithDialog();
    void exportWithDialog();

private:
    QString printThroughDialog();
    void updatePageLabel();
    void groupTree_itemActivated(QTreeWidgetItem* item);

    std::shared_ptr<Report> m_report;
    std::shared_ptr<const RenderedReport> m_rendered;
    QPrinter m_printer;
    QSplitter* m_splitter = nullptr;
    bool m_displayGroupTree = false;
};
