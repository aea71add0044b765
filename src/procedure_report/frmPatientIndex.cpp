#include "procedure_report/frmPatientIndex.h"

#include "shared/GridBinding.h"
#include "procedure_report/ResultInquiryData.h"
#include "procedure_report/frmResultInquiry.h"

#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QColor kShapeColor(0, 114, 188);
const QColor kHoverColor(0, 0, 255);

void paint(QFrame* shape, const QColor& c)
{
    shape->setStyleSheet(QStringLiteral("background-color: %1;").arg(c.name()));
}

}

frmPatientIndex::frmPatientIndex()
{
    setObjectName(QStringLiteral("frmPatientIndex"));
    setWindowTitle(QStringLiteral("Result Inquiry"));
    auto* main = new QVBoxLayout(this);
    auto* banner = new QGroupBox(QStringLiteral("Result Searching"), this);
    auto* bl = new QVBoxLayout(banner);
    Picture1 = new QGroupBox(QStringLiteral("Search Category"), banner);
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    auto* g = new QGridLayout(Picture1);
    optAllDates = new QRadioButton(QStringLiteral("All Dates"), Picture1);
    optByDate = new QRadioButton(QStringLiteral("By Date"), Picture1);
    optToday = new QRadioButton(QStringLiteral("Today"), Picture1);
    optYesterday = new QRadioButton(QStringLiteral("Yesterday"), Picture1);
    dtpPicker = new QDateEdit(Picture1);
    dtpPicker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtpPicker->setCalendarPopup(true);
    g->addWidget(optAllDates, 0, 0);
    g->addWidget(optByDate, 0, 1);
    g->addWidget(dtpPicker, 0, 2);
    g->addWidget(optToday, 0, 3);
    g->addWidget(optYesterday, 0, 4);
    const char* labels[] = {"Enter Last Name :", "Enter Hospital No. :", "Enter Admission No. :"};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(new QLabel(QString::fromLatin1(labels[i]), Picture1), 1, i);
        txtSearch[i] = new QLineEdit(Picture1);
        txtSearch[i]->setObjectName(QStringLiteral("txtSearch%1").arg(i));
        txtSearch[i]->installEventFilter(this);
        g->addWidget(txtSearch[i], 2, i);
    }
    auto makeButton = [&](const QString& caption, QFrame*& shape, QLabel*& label, int col) {
        shape = new QFrame(Picture1);
        auto* sl = new QVBoxLayout(shape);
        sl->setContentsMargins(2, 2, 2, 2);
        label = new QLabel(caption, shape);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white;"));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        sl->addWidget(label);
        paint(shape, kShapeColor);
        g->addWidget(shape, 2, col);
    };
    makeButton(QStringLiteral("SEARCH"), Shape6, cmdSearch, 3);
    makeButton(QStringLiteral("CLOSE"), Shape4, cmdClose, 4);
    bl->addWidget(Picture1);
    main->addWidget(banner);
    MSHFlexList = new FlexGrid(this);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    MSHFlexList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexList->setMinimumSize(900, 360);
    main->addWidget(MSHFlexList, 1);

    optAllDates->setChecked(true);
    dtpPicker->setEnabled(false);
    connect(optByDate, &QRadioButton::clicked, this, [this] { dtpPicker->setEnabled(true); });
    for (QRadioButton* o : {optAllDates, optToday, optYesterday})
        connect(o, &QRadioButton::clicked, this, [this] { dtpPicker->setEnabled(false); });
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, [this] { MSHFlexList_DblClick(); });
}

void frmPatientIndex::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

void frmPatientIndex::resetGrid(const QString& secondHeading)
{
    MSHFlexList->clear();
    MSHFlexList->setRows(2);
    MSHFlexList->setFormatString(QStringLiteral("  |<Hospital #|<") + secondHeading +
                                 QStringLiteral("|< Patient Name                    |<Admission Date     "));
    MSHFlexList->setCols(5);
    const int widths[] = {1, 960, 960, 3840, 2100};
    for (int i = 0; i < 5; ++i) MSHFlexList->setColWidth(i, widths[i]);
    fitColumns();
}

// Each column wide enough to read its heading and values.
void frmPatientIndex::fitColumns()
{
    for (int i = 1; i < MSHFlexList->Cols(); ++i)
        MSHFlexList->setColumnWidth(i, WholeColumnWidth(MSHFlexList, i, MSHFlexList->columnWidth(i)));
}

void frmPatientIndex::Form_Load()
{
    dtpPicker->setDate(Session.ServerDate.isValid() ? Session.ServerDate.date() : QDate::currentDate());
    resetGrid(QStringLiteral("Admission #"));
}

bool frmPatientIndex::resultMode() const { return m_mode.trimmed().toUpper() == QLatin1String("RESULT"); }

QString frmPatientIndex::SearchDateText()
{
    if (optToday->isChecked()) return Fmt::shortDate(GetServerDate().date());
    // The day before the server's date as read now, so that a window left open over midnight
    // still asks for yesterday.
    if (optYesterday->isChecked()) return Fmt::shortDate(GetServerDate().date().addDays(-1));
    if (optByDate->isChecked()) return Fmt::shortDate(dtpPicker->date());
    return QString();
}

void frmPatientIndex::cmdSearch_Click()
{
    try {
        const QString date = SearchDateText();
        resetGrid(QStringLiteral("ADM. Num."));
        if (!resultMode()) return;
        const Recordset rows = ResultInquiryData::SearchPatients(SharedConnection(), txtSearch[0]->text(), txtSearch[1]->text(),
                                                                 txtSearch[2]->text(), date, m_status);
        if (!rows.isEmpty()) {
            // The list shows the layout's columns under its headings; the further fields stay
            // in hidden columns for the double-click.
            const int shown = BindRecordsetUnderLayout(MSHFlexList, rows);
            fitColumns();
            for (int i = shown; i < MSHFlexList->Cols(); ++i) MSHFlexList->setColWidth(i, 0);
        }
    } catch (const std::exception& e) {
        resetGrid(QStringLiteral("ADM. Num."));
        ShowErrorNotice(e);
    }
}

void frmPatientIndex::MSHFlexList_DblClick()
{
    const int row = MSHFlexList->currentRow();
    if (row < 1 || row >= MSHFlexList->Rows() || MSHFlexList->Cols() < 10 || !resultMode()) return;
    auto cell = [&](int col) { return MSHFlexList->TextMatrix(row, col); };
    if (cell(1).isEmpty() || cell(2).isEmpty()) return;
    frmResultInquiry* list = frmResultInquiry::instance();
    list->setIDNum(cell(2));
    list->setHospNo(cell(1));
    list->setPName(cell(3));
    list->txtSex->setText(cell(5));
    list->txtCivilStatus->setText(cell(6));
    list->txtBdate->setText(cell(7).isEmpty() ? QString() : ResultInquiryData::ShortDateOf(cell(7)));
    list->txtAge->setText(cell(8));
    list->txtAdmDate->setText(ResultInquiryData::ShortDateOf(cell(4)));
    list->txtRoom->setText(cell(9));
    runModal(list);
}

bool frmPatientIndex::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 3; ++i) {
        if (watched != txtSearch[i] || event->type() != QEvent::KeyPress) continue;
        auto* key = static_cast<QKeyEvent*>(event);
        // One criterion at a time: a key in one box empties the other two.
        for (int j = 0; j < 3; ++j)
            if (j != i) txtSearch[j]->clear();
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            cmdSearch_Click();
            return true;
        }
        return false;
    }
    QLabel* label = watched == cmdSearch ? cmdSearch : watched == cmdClose ? cmdClose : nullptr;
    if (label) {
        QFont f = label->font();
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            f.setPointSizeF(f.pointSizeF() + 1);
            f.setUnderline(true);
            label->setFont(f);
            return true;
        case QEvent::MouseButtonRelease:
            f.setPointSizeF(f.pointSizeF() - 1);
            f.setUnderline(false);
            label->setFont(f);
            if (label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                if (label == cmdSearch) cmdSearch_Click();
                else close();
            }
            return true;
        case QEvent::MouseMove:
        case QEvent::Enter:
            paint(label == cmdSearch ? Shape6 : Shape4, kHoverColor);
            return false;
        default: return false;
        }
    }
    if (watched == Picture1 && event->type() == QEvent::MouseMove) {
        paint(Shape6, kShapeColor);
        paint(Shape4, kShapeColor);
    }
    return QDialog::eventFilter(watched, event);
}
