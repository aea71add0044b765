#include "platform/report/ReportOutput.h"

#include "platform/report/ReportError.h"
#include "platform/report/ReportHost.h"
#include "platform/ui/PrivateFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBlock>

namespace {
constexpr double kLayoutDpi = 96.0;

// Text is laid out for a device of 96 dots to the inch, whatever screen the program runs on.
QPaintDevice* layoutDevice()
{
    static QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
        img.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
        return img;
    }();
    return &device;
}

std::unique_ptr<QTextDocument> makeDocument(const QString& html, const ReportPage& page, double width,
                                            const QList<QPair<QString, QImage>>& images = {})
{
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(layoutDevice());
    QFont font(page.fontFamily);
    font.setPointSizeF(page.fontPt);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    for (const auto& [name, image] : images) doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    doc->setHtml(html);
    doc->setTextWidth(width);
    return doc;
}

std::function<QPrinterInfo()>& printerLookup()
{
    static std::function<QPrinterInfo()> f = [] { return QPrinterInfo::defaultPrinter(); };
    return f;
}

QString& documentsOverride()
{
    static QString folder;
    return folder;
}
}

ReportDocument::ReportDocument(const RenderedReport& report, const QPageLayout& layout) : m_report(report)
{
    const QRectF paint = layout.paintRect(QPageLayout::Inch);
    m_width = paint.width() * kLayoutDpi;
    m_pageHeight = paint.height() * kLayoutDpi;
    const QString header =
        QStringLiteral("<p align=\"center\" style=\"margin:0px\"><span style=\"font-size:%1pt; font-weight:bold\">%2</span><br>%3</p>"
                       "<p align=\"center\" style=\"margin-top:6px; margin-bottom:0px\"><span style=\"font-size:%4pt; font-weight:bold\">%5</span></p>"
                       "<hr>")
            .arg(report.page.fontPt + 4).arg(report.hospitalName.toHtmlEscaped(), report.hospitalAddress.toHtmlEscaped())
            .arg(report.page.fontPt + 2).arg(report.title.toHtmlEscaped());
    m_header = makeDocument(header, report.page, m_width);
    m_bodyTop = m_header->size().height() + 4;
    m_footerHeight = makeDocument(footerHtml(1, 1), report.page, m_width)->size().height() + 4;
    m_bodyHeight = qMax(72.0, m_pageHeight - m_bodyTop - m_footerHeight);
    m_body = makeDocument(report.html, report.page, m_width, report.images);
    m_body->setPageSize(QSizeF(m_width, m_bodyHeight));
}

QString ReportDocument::footerHtml(int page, int pages) const
{
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td><span style=\"font-size:%1pt\">Printed %2</span></td>"
                          "<td align=\"right\"><span style=\"font-size:%1pt\">Page %3 of %4</span></td></tr></table>")
        .arg(qMax(6.0, m_report.page.fontPt - 1))
        .arg(QLocale::c().toString(m_report.printed, QStringLiteral("MM/dd/yyyy hh:mm AP")))
        .arg(page)
        .arg(pages);
}

int ReportDocument::pageCount() const { return qMax(1, m_body->pageCount()); }

int ReportDocument::pageOfAnchor(const QString& anchor) const
{
    for (QTextBlock b = m_body->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor)) continue;
            const QRectF r = m_body->documentLayout()->blockBoundingRect(b);
            return int(r.top() / m_bodyHeight) + 1;
        }
    }
    return 0;
}

void ReportDocument::paintPage(QPainter& painter, int page, double deviceDpi) const
{
    painter.save();
    const double scale = deviceDpi / kLayoutDpi;
    painter.scale(scale, scale);
    m_header->drawContents(&painter, QRectF(0, 0, m_width, m_bodyTop));
    painter.save();
    painter.translate(0, m_bodyTop - (page - 1) * m_bodyHeight);
    m_body->drawContents(&painter, QRectF(0, (page - 1) * m_bodyHeight, m_width, m_bodyHeight));
    painter.restore();
    auto footer = makeDocument(footerHtml(page, pageCount()), m_report.page, m_width);
    painter.translate(0, m_pageHeight - m_footerHeight + 4);
    footer->drawContents(&painter, QRectF(0, 0, m_width, m_footerHeight));
    painter.restore();
}

QString ReportDocument::plainText() const
{
    return m_header->toPlainText() + QLatin1Char('\n') + m_body->toPlainText() + QLatin1Char('\n') +
           makeDocument(footerHtml(pageCount(), pageCount()), m_report.page, m_width)->toPlainText();
}

namespace ReportOutput {
QPageLayout pageLayout(const ReportPage& page)
{
    const QPageSize size(page.paper == QLatin1String("Letter") ? QPageSize::Letter
                         : page.paper == QLatin1String("Legal") ? QPageSize::Legal
                                                                 : QPageSize::A4);
    return QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(page.marginMm, page.marginMm, page.marginMm, page.marginMm), QPageLayout::Millimeter);
}

void paint(QPrinter& printer, const RenderedReport& report)
{
    // A file written over keeps its mode: it is made the user's alone before the report goes in.
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (!file.isEmpty() && QFileInfo::exists(file)) PrivateFiles::KeepPrivate(file);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFormat() == QPrinter::PdfFormat
                                  ? QStringLiteral("the file \"%1\"").arg(QDir::toNativeSeparators(printer.outputFileName()))
                                  : QStringLiteral("the printer \"%1\"").arg(printer.printerName());
        throw ReportError(QStringLiteral("The report \"%1\" could not be printed on %2.").arg(report.fileName, where));
    }
    const ReportDocument doc(report, printer.pageLayout());
    int from = 1, to = doc.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = qMax(1, printer.fromPage());
        to = qMin(to, printer.toPage() > 0 ? printer.toPage() : to);
    }
    for (int page = from; page <= to; ++page) {
        if (page > from) printer.newPage();
        doc.paintPage(painter, page, printer.resolution());
    }
    if (!painter.end())
        throw ReportError(QStringLiteral("The report \"%1\" could not be finished on the printer.").arg(report.fileName));
}

void exportPdf(const RenderedReport& report, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(pageLayout(report.page));
    printer.setDocName(report.title.isEmpty() ? report.fileName : report.title);
    printer.setCreator(QStringLiteral("CATH LABORATORY"));
    paint(printer, report);
    if (!QFileInfo(path).isFile())
        throw ReportError(QStringLiteral("The report could not be written to \"%1\".").arg(QDir::toNativeSeparators(path)));
}

QPrinterInfo defaultPrinter() { return printerLookup()(); }

QString newPdfPath(const RenderedReport& report)
{
    const QDir folder(documentsFolder());
    const QString base = QFileInfo(report.fileName).completeBaseName() + QLatin1Char('_') +
                         QLocale::c().toString(report.printed, QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = folder.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n) path = folder.filePath(QStringLiteral("%1_%2.pdf").arg(base).arg(n));
    return path;
}

void makeFolderFor(const QString& pdfPath)
{
    const QString folder = QFileInfo(pdfPath).absolutePath();
    if (documentsFolder().isEmpty() || !QDir().mkpath(folder))
        throw ReportError(QStringLiteral("No printer is set up and the documents folder \"%1\" cannot be made.")
                              .arg(QDir::toNativeSeparators(folder)));
}

void notifySavedAsPdf(const RenderedReport& report, const QString& path)
{
    ReportHost::notify(QStringLiteral("No printer is set up: the report \"%1\" was saved as %2")
                           .arg(report.title.isEmpty() ? report.fileName : report.title, QDir::toNativeSeparators(path)));
}

QString printDirect(const RenderedReport& report)
{
    const QPrinterInfo info = defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageLayout(pageLayout(report.page));
        printer.setDocName(report.title.isEmpty() ? report.fileName : report.title);
        paint(printer, report);
        return info.printerName();
    }
    const QString path = newPdfPath(report);
    makeFolderFor(path);
    exportPdf(report, path);
    notifySavedAsPdf(report, path);
    return path;
}
void setPrinterLookup(std::function<QPrinterInfo()> lookup)
{
    printerLookup() = lookup ? std::move(lookup) : [] { return QPrinterInfo::defaultPrinter(); };
}

void setDocumentsFolder(const QString& folder) { documentsOverride() = folder; }

QString documentsFolder()
{
    if (!documentsOverride().isEmpty()) return documentsOverride();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
}
