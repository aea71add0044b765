#include "patients/PatientListCommon.h"

#include "components/StationComponents.h"
#include "patients/PatientGrid.h"

#include "platform/db/Recordset.h"
#include "platform/ui/KeyFilters.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace PatientListCommon {

const QString kFormatString = QStringLiteral(
    "  |<Hospital #|<ADM. Num.|< Patient Name                    |<Admission Date     |<Discharged Date    "
    "|<Billing Date       ");

void SetupListGrid(PatientGrid* grid, int admissionColumnWidth)
{
    grid->Clear();
    grid->setRows(2);
    grid->setFormatString(kFormatString);
    grid->setCols(9);
    const int widths[9] = {1, 960, admissionColumnWidth, 3840, 2160, 2160, 2160, 1, 1};
    for (int c = 0; c < 9; ++c) grid->setColWidth(c, widths[c]);
}

void FillPatientList(PatientGrid* grid, const Recordset& rs, const std::function<void()>& colourRows,
                     const std::function<void()>& rowChange)
{
    if (rs.recordCount() < 1) return;
    grid->bind(rs);
    if (grid->Rows() < 2) grid->setRows(2);
    if (ListIsFilled(grid)) {
        grid->setEnabled(true);
        colourRows();
        grid->setRow(1);
        if (grid->isVisible()) {
            grid->setFocus();
            rowChange();
        }
    } else {
        grid->setRows(2);
        grid->setEnabled(false);
    }
}

void ShowRowState(PatientGrid* grid, int row, QLabel* cashBasisLegend, QLabel* recNum)
{
    grid->setCol(1);
    grid->setForeColorSel(grid->CellForeColor(row, 1));
    if (IsCashBasisRow(grid, row)) {
        cashBasisLegend->setText(CashBasisText(grid, row));
        cashBasisLegend->show();
    } else {
        cashBasisLegend->hide();
        cashBasisLegend->clear();
    }
    recNum->setText(RecNumText(row, grid->Rows() - 1));
}

bool ListIsFilled(const PatientGrid* grid)
{
    return grid->Rows() > 2 || (grid->Rows() == 2 && !grid->TextMatrix(1, 1).isEmpty());
}

void ColourPatientRows(PatientGrid* grid, qint64 evenRowColour, qint64 cashBasisColour)
{
    grid->setRedraw(false);
    const int rows = grid->Rows();
    for (int i = 1; i < rows; ++i) {
        const bool billed = !grid->TextMatrix(i, 6).trimmed().isEmpty();
        if (billed) grid->setTextMatrix(i, 7, QStringLiteral("0"));
        const qint64 fore = billed ? kBilledColour : IsCashBasisRow(grid, i) ? cashBasisColour : vbWindowText;
        const qint64 back = (i % 2) ? kWhite : evenRowColour;
        grid->setRowColours(i, fore, back);
    }
    grid->setRedraw(true);
}

bool IsCashBasisRow(const PatientGrid* grid, int row)
{
    // a blank or non-numeric column counts as not 1; the flag as the list gives it is read at once
    const QString flag = grid->TextMatrix(row, 7);
    if (flag.size() == 1 && (flag[0] == u'0' || flag[0] == u'1')) return flag[0] == u'1';
    bool ok = false;
    const double v = flag.trimmed().toDouble(&ok);
    return ok && v == 1;
}

QString CashBasisText(const PatientGrid* grid, int row)
{
    const QString text = grid->TextMatrix(row, 8).trimmed();
    return text.isEmpty() ? QString() : text.left(text.size() - 1);
}

QString RecNumText(int row, int rows)
{
    return QString::number(row) + QStringLiteral("  out of  ") + QString::number(rows);
}

namespace {
QFrame* legendBox(QWidget* parent, qint64 colour)
{
    auto* box = new QFrame(parent);
    box->setFixedSize(20, 13);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, VbColor(colour));
    box->setPalette(pal);
    return box;
}
}

SearchButtons BuildSearchPanel(SearchPanel& p, QWidget* panel, QVBoxLayout* v, const QString& lastNameCaption,
                               const QString& secondButton, qint64 cashBasisColour, std::function<void()> search)
{
    auto* category = new QLabel(QStringLiteral("Search Category"), panel);
    QFont bold = category->font();
    bold.setBold(true);
    category->setFont(bold);
    v->addWidget(category);
    p.Label3 = new QLabel(lastNameCaption, panel);
    p.Label4 = new QLabel(QStringLiteral("Enter Hospital Number :"), panel);
    p.Label5 = new QLabel(QStringLiteral("Enter Admission Number :"), panel);
    QLabel* captions[3] = {p.Label3, p.Label4, p.Label5};
    for (int i = 0; i < 3; ++i) {
        p.txtSearch[i] = new QLineEdit(panel);
        p.txtSearch[i]->setObjectName(QStringLiteral("txtSearch%1").arg(i));
        v->addWidget(captions[i]);
        v->addWidget(p.txtSearch[i]);
    }
    auto* buttons = new QHBoxLayout;
    const SearchButtons made{category, new QPushButton(QStringLiteral("&Search"), panel), new QPushButton(secondButton, panel)};
    for (QPushButton* b : {made.search, made.second}) {
        b->setAutoDefault(false); // Enter in a box searches; it must not also press a button
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    new SearchBoxes(p.txtSearch, made.search, std::move(search));

    v->addSpacing(8);
    p.lblLegend[0] = new QLabel(QStringLiteral("LEGEND:"), panel);
    p.lblLegend[0]->setFont(bold);
    v->addWidget(p.lblLegend[0]);
    auto* legend = new QGridLayout;
    p.Shape1 = legendBox(panel, kBilledColour);
    p.Shape2 = legendBox(panel, cashBasisColour);
    p.Label1[2] = new QLabel(QStringLiteral("Billed Patient"), panel);
    p.Label1[1] = new QLabel(QStringLiteral("Cash Basis Patient"), panel);
    legend->addWidget(p.Shape1, 0, 0);
    legend->addWidget(p.Label1[2], 0, 1);
    legend->addWidget(p.Shape2, 1, 0);
    legend->addWidget(p.Label1[1], 1, 1);
    legend->setColumnStretch(1, 1);
    v->addLayout(legend);
    p.lblLegend[1] = new QLabel(panel);
    p.lblLegend[1]->setWordWrap(true);
    QPalette red = p.lblLegend[1]->palette();
    red.setColor(QPalette::WindowText, VbColor(cashBasisColour));
    p.lblLegend[1]->setPalette(red);
    v->addWidget(p.lblLegend[1]);
    auto* counter = new QHBoxLayout;
    p.lbl1 = new QLabel(QStringLiteral("Rec. No."), panel);
    p.lblRecNum = new QLabel(panel);
    counter->addWidget(p.lbl1);
    counter->addWidget(p.lblRecNum, 1);
    v->addLayout(counter);
    return made;
}

SearchBoxes::SearchBoxes(QLineEdit* const boxes[3], QPushButton* searchButton, std::function<void()> search)
    : QObject(searchButton), m_button(searchButton), m_search(std::move(search))
{
    for (int i = 0; i < 3; ++i) {
        m_boxes[i] = boxes[i];
        boxes[i]->installEventFilter(this);
        QObject::connect(boxes[i], &QLineEdit::textChanged, this,
                         [this](const QString& text) { m_button->setEnabled(!text.isEmpty()); });
    }
}

bool SearchBoxes::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return false;
    if (event->type() == QEvent::FocusIn) {
        for (QLineEdit* other : m_boxes)
            if (other != box) other->clear();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        m_search();
        return true;
    }
    // Names and admission numbers are stored in capitals: what is typed shows as it is found.
    if (box == m_boxes[2]) return SendKeyInUpperCase(box, key);
    if (box != m_boxes[0] || key->text().size() != 1 || !key->text().at(0).isPrint()) return false;
    if (KeyPress::isNumber(key->text().at(0).unicode())) return true;
    return SendKeyInUpperCase(box, key);
}

KeyPreview::KeyPreview(QWidget* window, std::function<void()> onF10) : QObject(window), m_onF10(std::move(onF10))
{
    watch(window);
}

void KeyPreview::watch(QWidget* widget)
{
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    Q_UNUSED(watched);
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QLatin1String("'")) return true;
    if (key->key() == Qt::Key_F10 && m_onF10) {
        m_onF10();
        return true;
    }
    return false;
}

} // namespace PatientListCommon
