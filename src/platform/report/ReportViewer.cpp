#include "platform/report/ReportViewer.h"

#include "platform/report/ReportError.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QScrollBar>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent), m_printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("CRViewer1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("ReportToolbar"));
    layout->addWidget(toolbar);
    auto add = [this](QStyle::StandardPixmap icon, const QString& text, auto slot) {
        QAction* a = toolbar->addAction(style()->standardIcon(icon), text);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    actFirst = add(QStyle::SP_MediaSkipBackward, QStringLiteral("First Page"), [this] { showPage(1); });
    actPrevious = add(QStyle::SP_MediaSeekBackward, QStringLiteral("Previous Page"), [this] { showPage(currentPage() - 1); });
    lblPage = new QLabel(toolbar);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblPage->setContentsMargins(8, 0, 8, 0);
    toolbar->addWidget(lblPage);
    actNext = add(QStyle::SP_MediaSeekForward, QStringLiteral("Next Page"), [this] { showPage(currentPage() + 1); });
    actLast = add(QStyle::SP_MediaSkipForward, QStringLiteral("Last Page"), [this] { showPage(pageCount()); });
    toolbar->addSeparator();
    actZoomOut = toolbar->addAction(QStringLiteral("Zoom Out"));
    connect(actZoomOut, &QAction::triggered, this, [this] { zoom(qMax(10, zoomPercent() - 25)); });
    actZoomIn = toolbar->addAction(QStringLiteral("Zoom In"));
    connect(actZoomIn, &QAction::triggered, this, [this] { zoom(qMin(400, zoomPercent() + 25)); });
    actFitWidth = toolbar->addAction(QStringLiteral("Page Width"));
    connect(actFitWidth, &QAction::triggered, this, [this] { preview->fitToWidth(); });
    toolbar->addSeparator();
    actPrint = toolbar->addAction(QStringLiteral("Print"));
    connect(actPrint, &QAction::triggered, this, [this] { printWithDialog(); });
    actExport = toolbar->addAction(QStringLiteral("Export"));
    connect(actExport, &QAction::triggered, this, [this] { exportWithDialog(); });
    actExport->setVisible(false);

    m_splitter = new QSplitter(this);
    layout->addWidget(m_splitter, 1);
    groupTree = new QTreeWidget(m_splitter);
    groupTree->setObjectName(QStringLiteral("GroupTree"));
    groupTree->header()->hide();
    groupTree->setVisible(false);
    connect(groupTree, &QTreeWidget::itemActivated, this, &ReportViewer::groupTree_itemActivated);
    connect(groupTree, &QTreeWidget::itemClicked, this, &ReportViewer::groupTree_itemActivated);

    preview = new QPrintPreviewWidget(&m_printer, m_splitter);
    preview->setObjectName(QStringLiteral("ReportPages"));
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    connect(preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        if (!m_rendered) return;
        try {
            ReportOutput::paint(*printer, *m_rendered);
        } catch (const std::exception& e) {
            // a preview that cannot be painted stays blank; printing reports its own errors
            qWarning("The report preview could not be painted: %s", e.what());
        }
    });
    connect(preview, &QPrintPreviewWidget::previewChanged, this, &ReportViewer::updatePageLabel);
    updatePageLabel();
}

ReportViewer::~ReportViewer() = default;

void ReportViewer::setReportSource(std::shared_ptr<Report> report)
{
    if (!report) throw ReportError(QStringLiteral("There is no report to show."));
    auto rendered = ReportRenderer::render(*report);
    m_report = std::move(report);
    m_rendered = std::move(rendered);
    m_printer.setPageLayout(ReportOutput::pageLayout(m_rendered->page));
    m_printer.setDocName(m_rendered->title.isEmpty() ? m_rendered->fileName : m_rendered->title);

    groupTree->clear();
    const ReportDocument doc(*m_rendered, m_printer.pageLayout());
    for (const ReportGroupNode& g : m_rendered->groups) {
        auto* item = new QTreeWidgetItem(groupTree, QStringList(g.label));
        item->setData(0, Qt::UserRole, doc.pageOfAnchor(g.anchor));
    }
}

void ReportViewer::setDisplayGroupTree(bool on)
{
    m_displayGroupTree = on;
    groupTree->setVisible(on);
}

void ReportViewer::setEnableGroupTree(bool on) { groupTree->setEnabled(on); }
bool ReportViewer::enableGroupTree() const { return groupTree->isEnabled(); }
void ReportViewer::setEnableExportButton(bool on) { actExport->setVisible(on); }
bool ReportViewer::enableExportButton() const { return actExport->isVisible(); }

void ReportViewer::viewReport()
{
    preview->updatePreview();
    updatePageLabel();
}

void ReportViewer::zoom(int percent)
{
    const int page = qMax(1, currentPage());
    preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview->setZoomFactor(percent / 100.0);
    // the top of the page in view, not its middle
    if (page > 1) showPage(page);
    else if (auto* view = preview->findChild<QGraphicsView*>())
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
}

int ReportViewer::zoomPercent() const { return qRound(preview->zoomFactor() * 100); }

QString ReportViewer::printReport()
{
    if (!m_rendered) throw ReportError(QStringLiteral("There is no report to print."));
    if (!m_report->promptForPrinter) return ReportOutput::printDirect(*m_rendered);
    return printThroughDialog();
}

int ReportViewer::pageCount() const { return preview->pageCount(); }
int ReportViewer::currentPage() const { return preview->currentPage(); }

void ReportViewer::showPage(int page)
{
    if (pageCount() < 1) return;
    preview->setCurrentPage(qBound(1, page, pageCount()));
    updatePageLabel();
}

QString ReportViewer::text() const
{
    if (!m_rendered) return {};
    return ReportDocument(*m_rendered, m_printer.pageLayout()).plainText();
}

void ReportViewer::updatePageLabel()
{
    const int n = preview ? preview->pageCount() : 0;
    lblPage->setText(n > 0 ? QStringLiteral("%1 of %2").arg(preview->currentPage()).arg(n) : QStringLiteral("0 of 0"));
}

void ReportViewer::groupTree_itemActivated(QTreeWidgetItem* item)
{
    if (item) showPage(item->data(0, Qt::UserRole).toInt());
}

QString ReportViewer::printThroughDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportOutput::pageLayout(m_rendered->page));
    printer.setDocName(m_printer.docName());
    // Without a printer the dialog can only print to a file: it offers one in the documents
    // folder (not the title in the home folder), and the status bar says where it went.
    const bool noPrinter = ReportOutput::defaultPrinter().isNull();
    if (noPrinter) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ReportOutput::newPdfPath(*m_rendered));
    }
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, qMax(1, pageCount()));
    if (runModal(&dialog) != QDialog::Accepted) return {};
    if (noPrinter && printer.outputFormat() == QPrinter::PdfFormat) ReportOutput::makeFolderFor(printer.outputFileName());
    ReportOutput::paint(printer, *m_rendered);
    if (printer.outputFormat() != QPrinter::PdfFormat) return printer.printerName();
    if (noPrinter) ReportOutput::notifySavedAsPdf(*m_rendered, printer.outputFileName());
    return printer.outputFileName();
}

void ReportViewer::printWithDialog()
{
    if (!m_rendered) return;
    try {
        printThroughDialog();
    } catch (const ReportError& e) {
        MsgBox(e.description(), vbOKOnly | vbExclamation, QStringLiteral("Notification"));
    }
}

void ReportViewer::exportWithDialog()
{
    if (!m_rendered) return;
    QFileDialog dialog(this, QStringLiteral("Export"), ReportOutput::documentsFolder(), QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QFileInfo(m_rendered->fileName).completeBaseName() + QStringLiteral(".pdf"));
    if (runModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    try {
        ReportOutput::exportPdf(*m_rendered, dialog.selectedFiles().constFirst());
    } catch (const ReportError& e) {
        MsgBox(e.description(), vbOKOnly | vbExclamation, QStringLiteral("Notification"));
    }
}
