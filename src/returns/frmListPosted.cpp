#include "returns/frmListPosted.h"

#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "returns/FirstLoad.h"
#include "returns/ReturnPosting.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPostedGridTwips = 12000;
constexpr int kKindColumn = 5, kAmountColumn = 7, kToolTipColumn = 13, kColumns = 14;

QLabel* postedValueLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}
}

frmListPosted::frmListPosted(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmListPosted"));
    auto* root = new QVBoxLayout(this);
    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), this);
    auto* head = new QGridLayout(fraPatInfo);
    const char* captions[] = {"Hospital No.", "Name", "Doctor", "Station", "Room No.", "Age", "Sex", "&Admission No."};
    for (int i = 0; i < 8; ++i) lblPatInfo[i] = postedValueLabel(fraPatInfo);
    // admission and name; hospital number and doctor; room, station, age and sex
    const int lines[][4] = {{7, 1, -1, -1}, {0, 2, -1, -1}, {4, 3, 5, 6}};
    for (int line = 0; line < 3; ++line)
        for (int pos = 0; pos < 4; ++pos) {
            const int i = lines[line][pos];
            if (i < 0) continue;
            auto* caption = new QLabel(QString::fromLatin1(captions[i]), fraPatInfo);
            caption->setBuddy(lblPatInfo[i]);
            head->addWidget(caption, line, pos * 2);
            head->addWidget(lblPatInfo[i], line, pos * 2 + 1, 1, line < 2 && pos == 1 ? 5 : 1);
        }
    root->addWidget(fraPatInfo);

    fraList = new QGroupBox(this);
    auto* listLayout = new QVBoxLayout(fraList);
    flexMSHList = new FlexGrid(fraList);
    flexMSHList->setObjectName(QStringLiteral("flexMSHList"));
    flexMSHList->setFixedCols(0);
    flexMSHList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listLayout->addWidget(flexMSHList);
    root->addWidget(fraList, 1);

    auto* totals = new QGridLayout;
    lblTotalPosted = postedValueLabel(this);
    lblTotalReturn = postedValueLabel(this);
    lblAdjusted = postedValueLabel(this);
    lblTotal = postedValueLabel(this);
    lblDiscount = postedValueLabel(this);
    const std::pair<const char*, QLabel*> rows[] = {{"Total Posted:", lblTotalPosted}, {"Total Returned:", lblTotalReturn},
                                                    {"Total Discount:", lblDiscount},  {"Total Adjusted:", lblAdjusted},
                                                    {"Total:", lblTotal}};
    int i = 0;
    for (const auto& [caption, label] : rows) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(110);
        totals->addWidget(new QLabel(QString::fromLatin1(caption), this), i / 3, (i % 3) * 2);
        totals->addWidget(label, i / 3, (i % 3) * 2 + 1);
        ++i;
    }
    root->addLayout(totals);

    auto* buttons = new QHBoxLayout;
    cmdPrint = new QPushButton(QStringLiteral("&Reprint CM"), this);
    cmdPrint->setToolTip(QStringLiteral("Print Charge Slip/Credit Memo"));
    cmdPrint->setEnabled(false);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setToolTip(QStringLiteral("Close this Window"));
    for (QPushButton* b : {cmdPrint, cmdClose}) b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    root->addLayout(buttons);
    txtFind = new QLineEdit(this);
    txtFind->hide();

    connect(flexMSHList, &QTableWidget::currentCellChanged, this, [this] { SetReprintState(); });
    connect(flexMSHList, &QTableWidget::cellClicked, this, [this] { SetReprintState(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    resize(TwipsToPixels(kPostedGridTwips + 600), TwipsToPixels(7500));
}

void frmListPosted::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    RunFirstLoad(m_loaded, [this] { Form_Load(); });
}

void frmListPosted::SetPostedListLayout()
{
    const QString caption = m_isCSRMode ? QStringLiteral("List of Posted Supplies") : QStringLiteral("List of Posted Medicines");
    setWindowTitle(caption);
    fraList->setTitle(caption);
    flexMSHList->clear();
    flexMSHList->setFormatString(m_isCSRMode
                                     ? QStringLiteral("<Trans. Date |<Ref. # |<Issued by |<Supply Name |<Item Code |<Transaction |<Quantity |<Encoder||||||")
                                     : QStringLiteral("<Trans. Date |<Ref. # |<Issued by |<Drug Name |<Drug Code |<Transaction |<Quantity |<Encoder||||||"));
    flexMSHList->setCols(kColumns);
    flexMSHList->setRows(2);
    const int w = qRound(kPostedGridTwips / 11.0);
    const int widths[kColumns] = {w + 200, w + 100, 3 * w - 100, 3 * w - 100, w, w + 100, w, w, w, 3 * w - 100, 3 * w - 100, w, 0, 0};
    for (int c = 0; c < kColumns; ++c) flexMSHList->setColWidth(c, widths[c]);
    for (int c = 12; c < kColumns; ++c) flexMSHList->setColumnHidden(c, true);
}

void frmListPosted::ClearPatientHeader()
{
    txtFind->clear();
    for (QLabel* l : lblPatInfo) l->clear();
    SetPostedListLayout();
}

void frmListPosted::Form_Load()
{
    SetPostedListLayout();
    if (!m_idNum.isEmpty()) {
        txtFind->setText(m_idNum.trimmed());
        txtFind->setEnabled(false);
        FindPostedItems();
    }
}

void frmListPosted::FindPostedItems()
{
    if (txtFind->text().trimmed().isEmpty() || !Session.PatientRecord || !Session.DrugCatalog) return;
    const QString id = txtFind->text().trimmed();
    Patient& p = *Session.PatientRecord;
    if (!p.LoadInfo(id)) {
        MsgBox(QStringLiteral("Patient number not found."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    ClearPatientHeader();
    flexMSHList->setUpdatesEnabled(false);
    txtFind->setText(QLatin1Char(' ') + p.AdmissionNumber);
    lblPatInfo[0]->setText(QLatin1Char(' ') + p.HospitalNumber);
    lblPatInfo[1]->setText(QLatin1Char(' ') + p.PatientName);
    lblPatInfo[2]->setText(QLatin1Char(' ') + p.Doctor);
    lblPatInfo[3]->setText(QLatin1Char(' ') + p.StationID + QStringLiteral(" - ") + p.Station);
    lblPatInfo[4]->setText(QLatin1Char(' ') + p.RoomNumber + QStringLiteral(" - ") + p.Room);
    lblPatInfo[5]->setText(QLatin1Char(' ') + p.Age);
    lblPatInfo[6]->setText(QLatin1Char(' ') + p.Sex.left(1));
    lblPatInfo[7]->setText(QLatin1Char(' ') + p.AdmissionNumber);
    const Recordset rs = m_isCSRMode ? Session.DrugCatalog->ListPostedCSR(id, 2) : Session.DrugCatalog->ListPostedDrugs(id, 2);
    if (rs.recordCount() > 0) {
        flexMSHList->setRows(rs.recordCount() + 1);
        if (rs.fieldCount() > flexMSHList->Cols()) flexMSHList->setCols(rs.fieldCount());
        // The list's own names stand over the columns the layout leaves without a caption.
        for (int f = 8; f < rs.fieldCount(); ++f) flexMSHList->setTextMatrix(0, f, rs.fieldName(f));
        for (int r = 0; r < rs.recordCount(); ++r) {
            for (int f = 0; f < rs.fieldCount(); ++f) {
                const QVariant v = rs.valueAt(r, f);
                QString text = DbValue::text(v);
                if (f == 0) text = Fmt::serverDateText(DbValue::toDateTime(v));
                else if (f == kAmountColumn) text = Fmt::amount(DbValue::toDouble(v));
                flexMSHList->setTextMatrix(r + 1, f, text);
            }
            // the line's remarks as the tool tip over the row
            const QString tip = flexMSHList->TextMatrix(r + 1, kToolTipColumn);
            for (int f = 0; f < flexMSHList->Cols(); ++f)
                if (QTableWidgetItem* cellItem = flexMSHList->item(r + 1, f)) cellItem->setToolTip(tip);
        }
        ComputePostedTotals();
    }
    flexMSHList->setUpdatesEnabled(true);
    flexMSHList->setCurrentCell(1, 0);
    SetReprintState();
}

void frmListPosted::ComputePostedTotals()
{
    double posted = 0, returned = 0, adjusted = 0;
    for (int r = 1; r < flexMSHList->Rows(); ++r) {
        const QString kind = flexMSHList->TextMatrix(r, kKindColumn).trimmed().toUpper();
        QString amountText = flexMSHList->TextMatrix(r, kAmountColumn);
        const double amount = Fmt::val(amountText.remove(QLatin1Char(',')));
        if (kind == QLatin1String("ISSUED")) posted += amount;
        else if (kind == QLatin1String("ADJUSTED")) adjusted += amount;
        else returned += amount;
    }
    lblTotalPosted->setText(Fmt::amount(posted));
    lblTotalReturn->setText(Fmt::amount(returned));
    lblAdjusted->setText(Fmt::amount(adjusted));
    lblTotal->setText(Fmt::amount(posted - adjusted - returned));
}

bool frmListPosted::IsReturnedLine(int row) const
{
    // A return is known by its kind in any letter case.
    return row >= 1 && row < flexMSHList->Rows() &&
        flexMSHList->TextMatrix(row, kKindColumn).trimmed().compare(QLatin1String("Returned"), Qt::CaseInsensitive) == 0;
}

void frmListPosted::SetReprintState()
{
    cmdPrint->setEnabled(IsReturnedLine(flexMSHList->currentRow()));
}

void frmListPosted::cmdPrint_Click()
{
    cmdPrint->setEnabled(false);
    const int row = flexMSHList->currentRow();
    if (IsReturnedLine(row)) {
        try {
            GetChargeRecords(txtFind->text().trimmed(), flexMSHList->TextMatrix(row, 1).trimmed(), 1);
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
        }
    }
    cmdPrint->setEnabled(true);
}

void frmListPosted::GetChargeRecords(const QString& idNum, const QString& cmNumber, int kind)
{
    Connection& c = SharedConnection();
    const QString user = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
    const QString remarks = ReturnPosting::MemoRemarks(c, cmNumber);
    const ReturnPosting::SlipPeople people = ReturnPosting::StageSlip(c, user, idNum, cmNumber, m_isCSRMode);
    if (!people.found) return;
    if (!Session.PatientRecord || !Session.PatientRecord->LoadInfo(idNum)) return;
    const Patient& p = *Session.PatientRecord;
    QVariantList params{p.PatientName.trimmed(),   p.AdmissionNumber.trimmed(), p.RoomNumber.trimmed(), p.HospitalNumber.trimmed(),
                        people.dispenser.trimmed(), people.encoder.trimmed(),   user.trimmed(),         cmNumber.trimmed(),
                        Session.HospName,           Session.HospAddress};
    if (kind != 1) return; // adjustment slips are not printed by this station
    params << remarks;
    PrepareReport(ReportFilePath(QStringLiteral("CMSlip.rpt")), params);
    ShowReport(false, QStringLiteral("Reprint Credit Memo Slip"), false, true);
}
