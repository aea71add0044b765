#include "shared/search/frmSearchCodes.h"

#include "platform/db/Connection.h"
#include "platform/text/Twips.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WholeColumns.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/search/SearchStatement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

frmSearchCodes* frmSearchCodes::instance()
{
    // Not deleted on close: the window and its properties last for the run.
    static QPointer<frmSearchCodes> s_instance;
    if (!s_instance) {
        s_instance = new frmSearchCodes();
        WindowRegistry::add(s_instance);
    }
    return s_instance;
}

frmSearchCodes::frmSearchCodes()
{
    setModal(true);
    auto* root = new QVBoxLayout(this);

    auto* titleRow = new QHBoxLayout;
    imgTitle = new QLabel(this);
    lblTitle = new QLabel(this);
    lblSTitle = new QLabel(this);
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    lblTitle->setFont(big);
    lblHospital = new QLabel(this);
    titleRow->addWidget(imgTitle);
    titleRow->addWidget(lblTitle, 1);
    titleRow->addWidget(lblHospital);
    root->addLayout(titleRow);
    root->addWidget(lblSTitle);

    auto* searchRow = new QHBoxLayout;
    txtSearchStr = new QLineEdit(this);
    chkAutoSearch = new QCheckBox(QStringLiteral("AutoSearch"), this);
    chkAutoSearch->setChecked(true);
    searchRow->addWidget(txtSearchStr, 1);
    searchRow->addWidget(chkAutoSearch);
    root->addLayout(searchRow);

    fraDispWinFrame = new QGroupBox(QStringLiteral("Records List"), this);
    auto* frameLayout = new QVBoxLayout(fraDispWinFrame);
    grdDispWindow = new QTableWidget(fraDispWinFrame);
    KeepColumnsWhole(grdDispWindow);
    grdDispWindow->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDispWindow->setSelectionMode(QAbstractItemView::SingleSelection);
    grdDispWindow->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDispWindow->verticalHeader()->hide();
    frameLayout->addWidget(grdDispWindow);
    root->addWidget(fraDispWinFrame, 1);

    auto* bottom = new QHBoxLayout;
    imgHelpTip = new QLabel(this);
    lblHelpTip = new QLabel(QStringLiteral("Help Tip"), this);
    cmdSelect = new QPushButton(QStringLiteral("&Select"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdSelect->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    bottom->addWidget(imgHelpTip);
    bottom->addWidget(lblHelpTip);
    bottom->addStretch(1);
    bottom->addWidget(cmdSelect);
    bottom->addWidget(cmdCancel);
    root->addLayout(bottom);
    resize(480, 420);

    txtSearchStr->installEventFilter(this);
    grdDispWindow->installEventFilter(this);
    connect(txtSearchStr, &QLineEdit::textChanged, this, [this] { txtSearchStr_Change(); });
    connect(grdDispWindow, &QTableWidget::currentCellChanged, this, [this] { grdDispWindow_RowColChange(); });
    connect(grdDispWindow, &QTableWidget::cellDoubleClicked, this, [this] {
        if (cmdSelect->isEnabled()) cmdSelect_Click();
    });
    connect(cmdSelect, &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

int frmSearchCodes::ShowModal()
{
    // Only this showing's choice counts; closing by the frame answers "nothing chosen".
    Valid = false;
    ResultCode.clear();
    Form_Load();
    return runModal(this);
}

void frmSearchCodes::Form_Load()
{
    m_typing = false;
    grdDispWindow->clear();
    grdDispWindow->setRowCount(0);
    grdDispWindow->setColumnCount(3);
    {
        const QSignalBlocker block(txtSearchStr);
        txtSearchStr->clear();
    }
    lblHospital->setText(HospNum);
    setWindowTitle(SearchCaption);
    lblSTitle->setText(SearchCaption);
    lblTitle->setText(SearchCaption);
    txtSearchStr->setEnabled(!DisableSearch);
    if (!DisableSearch) RunSearch();
    QFont bold = grdDispWindow->horizontalHeader()->font();
    bold.setBold(true);
    grdDispWindow->horizontalHeader()->setFont(bold);
    if (GridRows() > 1) grdDispWindow->setCurrentCell(0, 1);
    grdDispWindow->setColumnWidth(0, TwipsToPixels(200));
    grdDispWindow->setColumnWidth(1, TwipsToPixels(1500));
    grdDispWindow->setColumnWidth(2, TwipsToPixels(4000));
    if (QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
}

void frmSearchCodes::RunSearch()
{
    const Recordset rs = OpenSearchStatement(SharedConnection(), Query, QueryParams, Criteria);
    const QSignalBlocker block(grdDispWindow);
    grdDispWindow->clear();
    grdDispWindow->setColumnCount(rs.fieldCount() + 1);
    QStringList headers{QString()};
    for (int c = 0; c < rs.fieldCount(); ++c) headers << rs.fieldName(c);
    grdDispWindow->setHorizontalHeaderLabels(headers);
    grdDispWindow->setRowCount(rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r)
        for (int c = 0; c < rs.fieldCount(); ++c)
            grdDispWindow->setItem(r, c + 1, new QTableWidgetItem(DbValue::text(rs.valueAt(r, c))));
    FormatResultGrid();
    cmdSelect->setEnabled(GridRows() > 1);
}

void frmSearchCodes::FormatResultGrid()
{
    const char* titles[] = {"Code", "Description"};
    for (int c = 1; c <= 2 && c < grdDispWindow->columnCount(); ++c)
        grdDispWindow->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(titles[c - 1])));
}

int frmSearchCodes::GridRows() const { return grdDispWindow->rowCount() + 1; }

int frmSearchCodes::GridRow() const { return grdDispWindow->currentRow() + 1; }

QString frmSearchCodes::TextMatrix(int row, int col) const
{
    if (row == 0) {
        const QTableWidgetItem* h = grdDispWindow->horizontalHeaderItem(col);
        return h ? h->text() : QString();
    }
    const QTableWidgetItem* item = grdDispWindow->item(row - 1, col);
    return item ? item->text() : QString();
}

int frmSearchCodes::topVisibleRow() const
{
    const int r = grdDispWindow->rowAt(0);
    return r < 0 ? 0 : r;
}

void frmSearchCodes::cmdSelect_Click()
{
    if (GridRow() < 1) return;
    ResultCode = TextMatrix(GridRow(), 1);
    Valid = true;
    accept();
}

void frmSearchCodes::cmdCancel_Click()
{
    Valid = false;
    reject();
}

void frmSearchCodes::txtSearchStr_Change()
{
    if (!m_typing) return;
    Criteria = txtSearchStr->text();
    try {
        RunSearch();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    m_typing = false;
}

void frmSearchCodes::grdDispWindow_RowColChange()
{
    const int row = GridRow();
    if (row < 1) return;
    txtSearchStr->setText(TextMatrix(row, 2));
}

bool frmSearchCodes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == txtSearchStr) {
        if (key->key() == Qt::Key_Down) {
            if (GridRows() > 1) grdDispWindow->setCurrentCell(topVisibleRow(), qMax(1, grdDispWindow->currentColumn()));
            grdDispWindow->setFocus();
            return true;
        }
        if (enter) {
            if (GridRows() > 1) {
                grdDispWindow->setCurrentCell(topVisibleRow(), qMax(1, grdDispWindow->currentColumn()));
                cmdSelect_Click();
            }
            return true;
        }
        m_typing = true;
        return SendKeyInUpperCase(txtSearchStr, key);
    }
    if (watched == grdDispWindow && enter) {
        if (cmdSelect->isEnabled()) cmdSelect_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSearchCodes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (DisableSearch) {
        grdDispWindow->setFocus();
    } else {
        txtSearchStr->setFocus();
        txtSearchStr->selectAll();
    }
}
