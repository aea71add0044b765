#include "patients/PatientListWindow.h"

#include "patients/CensusChargingPrint.h"
#include "shared/MainWindowLinks.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListCommon.h"
#include "patients/PatientListData.h"
#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/clsParameters.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace PatientListCommon;

namespace {

// The background tile: a quiet pattern of our own.
QPixmap makeTile()
{
    QPixmap tile(64, 64);
    tile.fill(QColor(0xD8, 0xE4, 0xF0));
    QPainter p(&tile);
    p.setPen(QColor(0xCC, 0xDA, 0xEA));
    for (int i = -64; i < 64; i += 8) p.drawLine(i, 64, i + 64, 0);
    return tile;
}
}

PatientListWindow::PatientListWindow(const Style& style) : m_style(style)
{
    Image4 = makeTile();
    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setAutoFillBackground(true);
    Frame1->resize(TwipsToPixels(3600), TwipsToPixels(900));
    Label1[0] = new QLabel(QStringLiteral("Patient Searching"), Frame1);
    QFont heading = Label1[0]->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 3);
    Label1[0]->setFont(heading);
    (new QVBoxLayout(Frame1))->addWidget(Label1[0]);

    buildSearchPanel();
    MSHFlexList = new PatientGrid(this);
    SetupListGrid(MSHFlexList, m_style.admissionColumnWidth);
    MSHFlexList->setEnabled(false);
    buildPackagePanel();

    connect(MSHFlexList, &PatientGrid::RowColChange, this, &PatientListWindow::MSHFlexList_RowColChange);
    connect(MSHFlexList, &PatientGrid::Click, this, [this] { MSHFlexList_Click(); });
    connect(MSHFlexList, &PatientGrid::DblClick, this, [this] { MSHFlexList_DblClick(); });
    connect(MSHFlexList, &PatientGrid::EnterPressed, this, &PatientListWindow::MSHFlexList_KeyPressEnter);
    connect(MSHFlexList, &PatientGrid::RightButtonDown, this,
            [this](const QPoint& pos, int row) { MSHFlexList_MouseDownRight(pos, row); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &PatientListWindow::SysInfo1_DisplayChanged);
}

void PatientListWindow::buildSearchPanel()
{
    Picture1 = new QWidget(this);
    Picture1->setAutoFillBackground(true);
    Picture1->setMouseTracking(true);
    auto* v = new QVBoxLayout(Picture1);
    const SearchButtons buttons = BuildSearchPanel(*this, Picture1, v, QStringLiteral("Enter Last Name :"), QStringLiteral("&Refresh"), m_style.cashBasisColour, [this] { Command1_Click(); });
    Label6[0] = buttons.category;
    Command1 = buttons.search;
    Command2 = buttons.second;
    Command1->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this, &PatientListWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    lblLegend[1]->hide();
    m_actionArea = new QVBoxLayout;
    v->addLayout(m_actionArea);
    v->addStretch(1);
}

void PatientListWindow::buildPackagePanel()
{
    pctMultiPackage = new QFrame(this);
    pctMultiPackage->setFrameShape(QFrame::Panel);
    pctMultiPackage->setFrameShadow(QFrame::Raised);
    pctMultiPackage->setAutoFillBackground(true);
    pctMultiPackage->resize(TwipsToPixels(7800), TwipsToPixels(4200));
    auto* v = new QVBoxLayout(pctMultiPackage);
    Label7 = new QLabel(QStringLiteral("Please select case from the list below:"), pctMultiPackage);
    mshMultiPackage = new PatientGrid(pctMultiPackage);
    cmdSelect = new QPushButton(QStringLiteral("Select"), pctMultiPackage);
    cmdClose = new QPushButton(QStringLiteral("Close"), pctMultiPackage);
    v->addWidget(Label7);
    v->addWidget(mshMultiPackage, 1);
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(cmdSelect);
    h->addWidget(cmdClose);
    v->addLayout(h);
    pctMultiPackage->hide();
    connect(cmdSelect, &QPushButton::clicked, this, &PatientListWindow::cmdSelect_Click);
    connect(mshMultiPackage, &PatientGrid::DblClick, this, &PatientListWindow::cmdSelect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &PatientListWindow::cmdClose_Click);
}

// Called by the windows at the end of their constructors, once every control exists.
void PatientListWindow::finishBuilding()
{
    m_keys = new KeyPreview(this, [] { MainWindowLinks::ShowControlPanel(); });
    resize(TwipsToPixels(18000), TwipsToPixels(9000));
}

QWidget* PatientListWindow::panelFrame() const { return Frame1; }

void PatientListWindow::Command1_Click()
{
    beforeSearch();
    Selection.SelectedHospNum.clear();
    Selection.SelectedIDNum.clear();
    loadList();
    Selection.SelectedListRow = 1;
}

void PatientListWindow::Command2_Click() { Command1_Click(); }

void PatientListWindow::fillList(const Recordset& rs)
{
    FillPatientList(MSHFlexList, rs, [this] { ColourPatientRows(); }, [this] { MSHFlexList_RowColChange(); });
    StretchBillingColumn();
}

void PatientListWindow::ColourPatientRows()
{
    PatientListCommon::ColourPatientRows(MSHFlexList, m_style.evenRowColour, m_style.cashBasisColour);
}

void PatientListWindow::MSHFlexList_RowColChange()
{
    const int row = MSHFlexList->Row();
    if (row < 1) return;
    Selection.SelectedHospNum = MSHFlexList->TextMatrix(row, 1);
    Selection.SelectedIDNum = MSHFlexList->TextMatrix(row, 2);
    Selection.SelectedGridRow = row;
    Selection.SelectedListRow = row;
    ShowRowState(MSHFlexList, row, lblLegend[1], lblRecNum);
    MainWindowLinks::EnableToolbarButton4();
}

void PatientListWindow::MSHFlexList_KeyPressEnter()
{
    MSHFlexList_Click();
    MSHFlexList_DblClick();
}

void PatientListWindow::ShowMultiPackageSelection()
{
    if (!m_style.trapPackageErrors) {
        fillPackagePanel();
        return;
    }
    try {
        fillPackagePanel();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void PatientListWindow::fillPackagePanel()
{
    pctMultiPackage->show();
    pctMultiPackage->raise();
    mshMultiPackage->hide();
    mshMultiPackage->Clear();
    mshMultiPackage->setCols(3);
    mshMultiPackage->setRows(2);
    mshMultiPackage->setColWidth(0, 0);
    mshMultiPackage->setColWidth(1, 6000);
    mshMultiPackage->setColWidth(2, 1000);
    mshMultiPackage->setTextMatrix(0, 1, QStringLiteral("Description"));
    mshMultiPackage->setTextMatrix(0, 2, QStringLiteral("Ref. No"));
    mshMultiPackage->show();
    mshMultiPackage->setRow(1);
    Recordset rs = PatientListData::PostedPackages(SharedConnection(), Selection.SelectedIDNum);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const int r = mshMultiPackage->Row();
        mshMultiPackage->setTextMatrix(r, 1, CensusChargingPrint::PackageDescription(rs.text(QStringLiteral("PackageID"))));
        mshMultiPackage->setTextMatrix(r, 2, rs.text(QStringLiteral("RefNum")));
        mshMultiPackage->setRows(mshMultiPackage->Rows() + 1);
        mshMultiPackage->setRow(r + 1);
    }
    const int last = mshMultiPackage->Rows() - 1;
    if (last >= 1 && mshMultiPackage->TextMatrix(last, 1).trimmed().isEmpty()) mshMultiPackage->setRows(last);
    mshMultiPackage->setRow(qMin(1, mshMultiPackage->Rows() - 1));
}

void PatientListWindow::cmdSelect_Click()
{
    const int row = mshMultiPackage->Row();
    // Only a package row can be printed (the header row alone gives nothing to print).
    if (row < 1) return;
    const QString refNum = mshMultiPackage->TextMatrix(row, 2);
    if (printThroughFormatDialog(refNum)) return;
    PrintCensusCharging(refNum);
}

void PatientListWindow::PrintCensusCharging(const QString& refNum)
{
    CensusChargingPrint::Print(Selection.SelectedIDNum, Selection.SelectedHospNum, refNum);
}

void PatientListWindow::cmdClose_Click() { pctMultiPackage->hide(); }

QSize PatientListWindow::workArea() const
{
    // The space the window is given: the main window's client area (where it is shown maximised),
    // else its own.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (sub->mdiArea()) return sub->mdiArea()->viewport()->size();
    }
    return size();
}

void PatientListWindow::Form_Resize()
{
    const QSize area = workArea();
    QWidget* frame = panelFrame();
    Frame1->move(TwipsToPixels(20), 0);
    int top = Frame1->height();
    if (frame != Frame1) {
        frame->move(TwipsToPixels(20), top);
        frame->resize(Frame1->width(), Frame1->height());
        top += frame->height();
    }
    Picture1->setGeometry(TwipsToPixels(20), top, Frame1->width(), qMax(0, qMin(area.height(), height()) - top));
    const int gridLeft = frame->width() + TwipsToPixels(100);
    MSHFlexList->setGeometry(gridLeft, 0, qMax(0, area.width() - gridLeft), qMax(0, height() - TwipsToPixels(150)));
    pctMultiPackage->move(qMax(0, (area.width() - pctMultiPackage->width()) / 2),
                          qMax(0, (area.height() - pctMultiPackage->height()) / 2));
    StretchBillingColumn();
}

void PatientListWindow::StretchBillingColumn()
{
    if (!m_style.stretchBillingColumn) return;
    // the columns as drawn: one widened to show its values whole leaves the billing date less room
    int used = 0;
    for (int c = 0; c <= 5; ++c)
        if (!MSHFlexList->isColumnHidden(c)) used += PixelsToTwips(MSHFlexList->columnWidth(c));
    MSHFlexList->setColWidth(6, qMax(kTwipsPerPixel, PixelsToTwips(MSHFlexList->width()) - used - 100));
}

void PatientListWindow::SysInfo1_DisplayChanged()
{
    QWidget* active = QApplication::activeWindow();
    const QScreen* s = screen();
    if (!active || !s) return;
    const QRect area = s->availableGeometry();
    QRect g = active->geometry();
    if (area.width() < g.width()) g.setRect(area.left(), g.top(), area.width(), g.height());
    if (area.height() < g.height()) g.setRect(g.left(), area.top(), g.width(), area.height());
    active->setGeometry(g);
}

void PatientListWindow::closeEvent(QCloseEvent* event)
{
    MainWindowLinks::EnablePatientMenus(false);
    event->accept();
}

void PatientListWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void PatientListWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Form_Resize();
}

void PatientListWindow::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter p(this);
    const QSize area = workArea().expandedTo(size());
    for (int x = 0; x < area.width(); x += Image4.width())
        for (int y = 0; y < area.height(); y += Image4.height()) p.drawPixmap(x, y, Image4);
}
