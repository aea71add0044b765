#include "procedure_report/frmResultInquiry.h"

#include "shared/GridBinding.h"
#include "procedure_report/ResultInquiryData.h"
#include "procedure_report/frmAngiogram.h"
#include "procedure_report/frmCoronaryAngiographyVRNK.h"

#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
QLineEdit* lockedBox(QWidget* parent)
{
    auto* b = new QLineEdit(parent);
    b->setReadOnly(true);
    return b;
}


const int kWidths[] = {50, 1400, 800, 5000, 1000, 1600, 2000, 1500, 1500, 1500, 0, 0, 0};
}

frmResultInquiry::frmResultInquiry()
{
    setObjectName(QStringLiteral("frmResultInquiry"));
    setWindowTitle(QStringLiteral("Result Inquiry"));
    auto* main = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* hosp = new QGroupBox(QStringLiteral("Hospital Information"), this);
    auto* hg = new QGridLayout(hosp);
    auto* pat = new QGroupBox(QStringLiteral("Patient Information"), this);
    auto* pg = new QGridLayout(pat);
    txtHospNum = lockedBox(hosp);
    txtIDNum = lockedBox(hosp);
    txtAdmDate = lockedBox(hosp);
    txtRoom = lockedBox(hosp);
    txtPname = lockedBox(pat);
    txtSex = lockedBox(pat);
    txtAge = lockedBox(pat);
    txtBdate = lockedBox(pat);
    txtCivilStatus = lockedBox(pat);
    const QList<QPair<QString, QLineEdit*>> h = {{QStringLiteral("Hospital No."), txtHospNum}, {QStringLiteral("Admission No."), txtIDNum},
                                                 {QStringLiteral("Admission Date"), txtAdmDate}, {QStringLiteral("Room No."), txtRoom}};
    for (int i = 0; i < h.size(); ++i) {
        hg->addWidget(new QLabel(h[i].first), i, 0);
        hg->addWidget(h[i].second, i, 1);
    }
    const QList<QPair<QString, QLineEdit*>> p = {{QStringLiteral("Patient Name"), txtPname}, {QStringLiteral("Sex"), txtSex},
                                                 {QStringLiteral("Age"), txtAge}, {QStringLiteral("Birth Date"), txtBdate},
                                                 {QStringLiteral("Civil Status"), txtCivilStatus}};
    for (int i = 0; i < p.size(); ++i) {
        pg->addWidget(new QLabel(p[i].first), i, 0);
        pg->addWidget(p[i].second, i, 1);
    }
    top->addWidget(hosp);
    top->addWidget(pat, 1);
    main->addLayout(top);
    mshFlexExams = new FlexGrid(this);
    mshFlexExams->setObjectName(QStringLiteral("mshFlexExams"));
    mshFlexExams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshFlexExams->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshFlexExams->setMinimumSize(1000, 300);
    main->addWidget(mshFlexExams, 1);
    auto* bottom = new QHBoxLayout;
    const QList<QPair<QString, QColor>> legend = {{QStringLiteral("NO RESULT"), StatusColor(QString(), QString())},
                                                  {QStringLiteral("DRAFT"), StatusColor(QString(), QStringLiteral("x"))},
                                                  {QStringLiteral("VERIFIED"), StatusColor(QStringLiteral("x"), QString())}};
    for (const auto& [text, color] : legend) {
        auto* l = new QLabel(text, this);
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(100);
        l->setStyleSheet(QStringLiteral("background-color: %1;").arg(color.name()));
        bottom->addWidget(l);
    }
    bottom->addStretch(1);
    cmdSelect = new QPushButton(QStringLiteral("Select"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdSelect->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    bottom->addWidget(cmdSelect);
    bottom->addWidget(cmdClose);
    main->addLayout(bottom);
    resize(1200, 560);
    connect(cmdSelect, &QPushButton::clicked, this, &frmResultInquiry::cmdSelect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(mshFlexExams, &QTableWidget::cellDoubleClicked, this, [this] { cmdSelect_Click(); });
}

QColor frmResultInquiry::StatusColor(const QString& dateVerified, const QString& resultDate)
{
    if (!dateVerified.isEmpty()) return QColor(192, 255, 192);
    if (!resultDate.isEmpty()) return QColor(255, 192, 192);
    return QColor(255, 255, 255);
}

void frmResultInquiry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

void frmResultInquiry::Form_Load()
{
    txtHospNum->setText(m_hospNo);
    txtIDNum->setText(m_idNum);
    txtPname->setText(m_pName);
    FormatExamGrid();
    LoadPatientExams();
    ColorExamRows();
}

void frmResultInquiry::FormatExamGrid()
{
    mshFlexExams->clear();
    mshFlexExams->setFormatString(QStringLiteral("<# |<Chargeslip No.   |<Item Code|<Description    |<Request No. |<Process Date     "
                                                 "|<Processed By     |<Date Verified      |<Verified By"));
    mshFlexExams->setFixedRows(1);
    mshFlexExams->setCols(13);
    mshFlexExams->setRows(2);
    mshFlexExams->setTextMatrix(1, 0, QStringLiteral(" 1"));
    for (int i = 0; i < 13; ++i) mshFlexExams->setColWidth(i, kWidths[i]);
    mshFlexExams->setCurrentCell(1, 1);
}

void frmResultInquiry::LoadPatientExams()
{
    try {
        const Recordset rows = ResultInquiryData::LoadPatientExams(SharedConnection(), txtIDNum->text(), StationParameters().MainRevenueID());
        if (rows.isEmpty()) return;
        BindRecordsetUnderLayout(mshFlexExams, rows);
        for (int i = 0; i < 13 && i < mshFlexExams->Cols(); ++i) {
            mshFlexExams->setColWidth(i, kWidths[i]);
            // wide enough to read what the column holds; the hidden ones stay hidden
            if (kWidths[i] > 0) mshFlexExams->setColumnWidth(i, WholeColumnWidth(mshFlexExams, i, mshFlexExams->columnWidth(i)));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmResultInquiry::PaintExamRow(int row, const QColor& color)
{
    for (int col = 0; col < mshFlexExams->Cols(); ++col) {
        QTableWidgetItem* it = mshFlexExams->item(row, col);
        if (!it) {
            mshFlexExams->setTextMatrix(row, col, mshFlexExams->TextMatrix(row, col));
            it = mshFlexExams->item(row, col);
        }
        if (it) it->setBackground(color);
        mshFlexExams->setCurrentCell(row, col);
    }
}

void frmResultInquiry::ColorExamRows()
{
    if (mshFlexExams->Cols() < 10) return;
    for (int row = 1; row < mshFlexExams->Rows(); ++row)
        PaintExamRow(row, StatusColor(mshFlexExams->TextMatrix(row, 7), mshFlexExams->TextMatrix(row, 9)));
    mshFlexExams->horizontalScrollBar()->setValue(0);
}

void frmResultInquiry::cmdSelect_Click()
{
    try {
        const int row = mshFlexExams->currentRow();
        if (row > 0 && mshFlexExams->Cols() >= 13 && !mshFlexExams->TextMatrix(row, 4).trimmed().isEmpty()) {
            auto cell = [&](int col) { return mshFlexExams->TextMatrix(row, col); };
            const QString format = cell(10).trimmed();
            if (format.isEmpty()) {
                MsgBox(QStringLiteral("Exam is not yet formatted."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
            } else if (format == QLatin1String("A")) {
                frmAngiogram* entry = frmAngiogram::instance();
                entry->setSetHospNum(txtHospNum->text());
                entry->setSetIDNum(txtIDNum->text());
                entry->setSetRequestNo(cell(4));
                entry->setSetTransdate(ResultInquiryData::ShortDateOf(cell(5)));
                entry->setSetPName(txtPname->text());
                entry->setSetBdate(txtBdate->text());
                entry->setSetAge(txtAge->text());
                entry->setSetSex(txtSex->text());
                entry->setSetCStatus(txtCivilStatus->text());
                entry->setSetAdmDate(txtAdmDate->text());
                entry->setSetRoom(txtRoom->text());
                entry->setSetProcedure(cell(3));
                entry->setSetDoctorID(cell(11));
                entry->setSetDoctor(cell(12));
                entry->setSetExamID(cell(2));
                entry->setSetRefNo(cell(1));
                runModal(entry);
            } else if (format == QLatin1String("4")) {
                frmCoronaryAngiographyVRNK* generator = frmCoronaryAngiographyVRNK::instance();
                if (generator->isVisible()) // open from the main menu: it cannot be shown modally as well
                    throw std::runtime_error("The report generator is already open.");
                runModal(generator);
            }
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    FormatExamGrid();
    LoadPatientExams();
    ColorExamRows();
}
