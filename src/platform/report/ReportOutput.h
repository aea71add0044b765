#pragma once
#include "platform/report/ReportRenderer.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <QString>
#include <QTextDocument>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// A rendered report laid out on the pages of one printer: the page header (the hospital's name
// and address, the title), the body cut into pages, and the footer (printing date, page number).
// Layout is in pixels of 96 to the inch; painting scales to the printer's resolution.
class ReportDocument {
public:
    ReportDocument(const RenderedReport& report, const QPageLayout& layout);
    int pageCount() const;
    // The page (1 = first) on which the named anchor lies; 0 when there is none.
    int pageOfAnchor(const QString& anchor) const;
    // Paints one page (1 = first) with the painter's origin at the page's printable area.
    void paintPage(QPainter& painter, int page, double deviceDpi) const;
    // The report's text: header, body and the last page's footer.
    QString plainText() const;

private:
    QString footerHtml(int page, int pages) const;
    const RenderedReport& m_report;
    std::unique_ptr<QTextDocument> m_header;
    std::unique_ptr<QTextDocument> m_body;
    double m_width = 0, m_pageHeight = 0, m_bodyTop = 0, m_bodyHeight = 0, m_footerHeight = 0;
};

namespace ReportOutput {
// The page setup of a report as a page layout.
QPageLayout pageLayout(const ReportPage& page);
// Paints the report on the printer (its page range when it has one). A printer that cannot be
// started throws ReportError.
void paint(QPrinter& printer, const RenderedReport& report);
// Prints without a dialog on the default printer; with no printer set up, writes a PDF to the
// user's documents folder and says so in the main window's status bar. Returns the printer's
// name or the PDF's path. Throws ReportError when neither works.
QString printDirect(const RenderedReport& report);
// The default printer, or a null one when none is set up.
QPrinterInfo defaultPrinter();
// A file name for the report in the documents folder that no file has yet.
QString newPdfPath(const RenderedReport& report);
// Makes the folder of that file; throws ReportError when it cannot be made.
void makeFolderFor(const QString& pdfPath);
// Tells in the main window's status bar where a report went for want of a printer.
void notifySavedAsPdf(const RenderedReport& report, const QString& path);
// Writes the report as a PDF file. Throws ReportError.
void exportPdf(const RenderedReport& report, const QString& path);

// The default printer lookup (QPrinterInfo::defaultPrinter) and the documents folder
// (QStandardPaths) can be replaced: tests print to PDF in a folder of their own.
void setPrinterLookup(std::function<QPrinterInfo()> lookup);
void setDocumentsFolder(const QString& folder);
QString documentsFolder();
}
