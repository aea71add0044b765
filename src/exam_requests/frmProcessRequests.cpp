#include "exam_requests/frmProcessRequests.h"

#include "access/UserValidation.h"
#include "components/StationComponents.h"
#include "exam_requests/RequestProcessingData.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/GridBinding.h"
#include "shared/clsParameters.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/packages/PackageLookups.h"
#include "shared/reports/modReports.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QColor kPackageBack(255, 192, 192);
const int kRequestWidths[10] = {50, 1000, 6000, 500, 0, 1500, 1500, 0, 0, 0};
const char* const kRequestHeader = "<# |<Item Code|<Description    |<Quantity |<Amount  |<Request No. |<Revenue ID|";

QLineEdit* box(QWidget* parent, const char* name, bool readOnly = true)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    return e;
}
} // namespace

frmProcessRequests::frmProcessRequests(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProcessRequests"));
    setWindowTitle(QStringLiteral("Process Requests"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    auto* hospital = new QGroupBox(QStringLiteral("Hospital Information"), this);
    auto* hf = new QFormLayout(hospital);
    txtHospNum = box(hospital, "txtHospNum");
    txtIDNum = box(hospital, "txtIDNum");
    txtAdmDate = box(hospital, "txtAdmDate");
    txtRoom = box(hospital, "txtRoom");
    txtCompany = box(hospital, "txtCompany");
    txtDoctorID = box(hospital, "txtDoctorID", false);
    txtDoctor = box(hospital, "txtDoctor");
    cmdDoctor = new QPushButton(QStringLiteral("..."), hospital);
    cmdDoctor->setObjectName(QStringLiteral("cmdDoctor"));
    cmdDoctor->setAutoDefault(false);
    hf->addRow(QStringLiteral("Hospital No."), txtHospNum);
    hf->addRow(QStringLiteral("Admission No."), txtIDNum);
    hf->addRow(QStringLiteral("Admission Date"), txtAdmDate);
    hf->addRow(QStringLiteral("Room No."), txtRoom);
    hf->addRow(QStringLiteral("Company"), txtCompany);
    auto* doctorRow = new QHBoxLayout;
    doctorRow->addWidget(txtDoctorID);
    doctorRow->addWidget(cmdDoctor);
    doctorRow->addWidget(txtDoctor, 1);
    hf->addRow(QStringLiteral("Req. Doctor"), doctorRow);
    auto* patient = new QGroupBox(QStringLiteral("Patient Information"), this);
    auto* pf = new QFormLayout(patient);
    txtLname = box(patient, "txtLname");
    txtFname = box(patient, "txtFname");
    txtMname = box(patient, "txtMname");
    txtSex = box(patient, "txtSex");
    txtBdate = box(patient, "txtBdate");
    txtAge = box(patient, "txtAge");
    pf->addRow(QStringLiteral("Last Name "), txtLname);
    pf->addRow(QStringLiteral("First Name  "), txtFname);
    pf->addRow(QStringLiteral("Middle Name "), txtMname);
    pf->addRow(QStringLiteral("Sex"), txtSex);
    pf->addRow(QStringLiteral("Birth Date"), txtBdate);
    pf->addRow(QStringLiteral("Age"), txtAge);
    frames->addWidget(hospital, 1);
    frames->addWidget(patient, 1);
    root->addLayout(frames);

    fraRequests = new QGroupBox(QStringLiteral("Exams Requested"), this);
    auto* rl = new QVBoxLayout(fraRequests);
    mshflexRequests = new FlexGrid(fraRequests);
    mshflexRequests->setObjectName(QStringLiteral("mshflexRequests"));
    mshflexRequests->viewport()->installEventFilter(this);
    rl->addWidget(mshflexRequests);
    root->addWidget(fraRequests, 1);

    pctPackageItems = new QFrame(this);
    pctPackageItems->setObjectName(QStringLiteral("pctPackageItems"));
    pctPackageItems->setAutoFillBackground(true);
    pctPackageItems->setStyleSheet(QStringLiteral("QFrame#pctPackageItems { background: rgb(255, 192, 192); }"));
    auto* pl = new QVBoxLayout(pctPackageItems);
    lblPackageName = new QLabel(QStringLiteral("Package Name"), pctPackageItems);
    mshFlexPackageItems = new FlexGrid(pctPackageItems);
    mshFlexPackageItems->setObjectName(QStringLiteral("mshFlexPackageItems"));
    cmdClosePackageItems = new QPushButton(QStringLiteral("Close"), pctPackageItems);
    cmdClosePackageItems->setAutoDefault(false);
    pl->addWidget(lblPackageName);
    pl->addWidget(mshFlexPackageItems, 1);
    pl->addWidget(cmdClosePackageItems, 0, Qt::AlignRight);
    pctPackageItems->hide();
    root->addWidget(pctPackageItems, 1);

    // The rate options, mark-up, holiday and STAT boxes and the total are never shown: the
    // amounts processed are the requested amounts as loaded.
    fraRateOption = new QGroupBox(this);
    auto* ol = new QHBoxLayout(fraRateOption);
    const char* options[] = {"Regular", "On-Call", "Over Time"};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(QString::fromLatin1(options[i]), fraRateOption);
        ol->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { ApplyRateOption(i); });
    }
    Option1[0]->setChecked(true);
    chkMarkUp = new QCheckBox(QStringLiteral("&Mark Up Fee"), this);
    chkHolidaySundayAfter5pm = new QCheckBox(QStringLiteral("&Holiday/Sunday/After 5 P.M."), this);
    chkStat = new QCheckBox(QStringLiteral("&Stat"), this);
    pctMarkup = new QFrame(this);
    auto* ml = new QVBoxLayout(pctMarkup);
    grdMarkup = new FlexGrid(pctMarkup);
    cmdCloseMarkUp = new QPushButton(QStringLiteral("X"), pctMarkup);
    ml->addWidget(cmdCloseMarkUp, 0, Qt::AlignRight);
    ml->addWidget(grdMarkup);
    lblAmount = new QLabel(QStringLiteral("Total Charges :"), this);
    txtGross = box(this, "txtGross");
    txtGross->setText(QStringLiteral("0.00"));
    for (QWidget* w : std::initializer_list<QWidget*>{fraRateOption, chkMarkUp, chkHolidaySundayAfter5pm, chkStat, pctMarkup, lblAmount, txtGross})
        w->hide();
    connect(chkMarkUp, &QCheckBox::toggled, pctMarkup, &QWidget::setVisible);
    connect(cmdCloseMarkUp, &QPushButton::clicked, pctMarkup, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSavePrint = new QPushButton(QStringLiteral("Save/Print"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {cmdSave, cmdSavePrint, cmdClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    root->addLayout(buttons);

    mnuPop = new QMenu(this);
    mnuExclude = mnuPop->addAction(QStringLiteral("Exclude"));
    mnuItems = mnuPop->addAction(QStringLiteral("View Package Items"));

    txtDoctorID->installEventFilter(this);
    connect(cmdDoctor, &QPushButton::clicked, this, &frmProcessRequests::SearchDoctor);
    connect(mnuExclude, &QAction::triggered, this, &frmProcessRequests::mnuExclude_Click);
    connect(mnuItems, &QAction::triggered, this, &frmProcessRequests::mnuItems_Click);
    connect(cmdClosePackageItems, &QPushButton::clicked, this, &frmProcessRequests::cmdClosePackageItems_Click);
    connect(cmdSave, &QPushButton::clicked, this, [this] { ProcessRequestRows(0); });
    connect(cmdSavePrint, &QPushButton::clicked, this, [this] { ProcessRequestRows(1); });
    connect(cmdClose, &QPushButton::clicked, this, &frmProcessRequests::cmdClose_Click);
    resize(TwipsToPixels(11500), TwipsToPixels(7500));
    SetUpRequestGrid();
}

void frmProcessRequests::SetUpRequestGrid()
{
    mshflexRequests->clearContents();
    mshflexRequests->setFixedRows(1);
    mshflexRequests->setRows(2);
    mshflexRequests->setFormatString(QString::fromLatin1(kRequestHeader));
    mshflexRequests->setCols(10);
    mshflexRequests->setTextMatrix(1, 0, QStringLiteral(" 1"));
    for (int c = 0; c < 10; ++c) mshflexRequests->setColWidth(c, kRequestWidths[c]);
    mshflexRequests->setCurrentCell(1, 1);
}

void frmProcessRequests::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    try {
        LoadProcessingPatientHeader();
        LoadRequestsForProcessing();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmProcessRequests::LoadProcessingPatientHeader()
{
    txtHospNum->setText(OrErrorNotice(QString(), [&] { return GetHospNum(SharedConnection(), txtIDNum->text()); }));
    const RequestProcessingData::ProcessingHeader h =
        RequestProcessingData::LoadProcessingHeader(SharedConnection(), txtIDNum->text(), txtHospNum->text());
    if (!h.found) return; // the boxes keep what they held
    txtSex->setText(h.sex);
    txtBdate->setText(h.birthDate);
    txtAdmDate->setText(h.admissionDate);
    txtAge->setText(h.age);
    txtRoom->setText(h.room);
    txtCompany->setText(h.company);
}

void frmProcessRequests::LoadRequestsForProcessing()
{
    const Recordset rs = RequestProcessingData::RequestsForProcessing(SharedConnection(), txtIDNum->text(),
                                                                      StationParameters().MainRevenueID());
    if (rs.isEmpty()) {
        mshflexRequests->setEnabled(false);
        mshflexRequests->setRows(2);
    } else {
        BindRecordset(mshflexRequests, rs);
        mshflexRequests->setCols(qMax(10, mshflexRequests->Cols()));
        const QStringList heads = QString::fromLatin1(kRequestHeader).split(QLatin1Char('|'));
        for (int c = 0; c < heads.size(); ++c) mshflexRequests->setTextMatrix(0, c, heads[c].mid(1).trimmed());
        for (int c = 0; c < 10; ++c) mshflexRequests->setColWidth(c, kRequestWidths[c]);
        mshflexRequests->setEnabled(true);
        mshflexRequests->setCurrentCell(1, 1);
    }
    txtDoctorID->setText(mshflexRequests->TextMatrix(qMax(1, mshflexRequests->currentRow()), 7));
    if (!txtDoctorID->text().trimmed().isEmpty()) SearchDoctor();
    ComputeTotals();
    MarkPackageRows();
}

void frmProcessRequests::ComputeTotals()
{
    double total = 0;
    for (int r = 1; r < mshflexRequests->Rows(); ++r) total += Fmt::val(mshflexRequests->TextMatrix(r, 4));
    txtGross->setText(Fmt::amount(total));
}

void frmProcessRequests::MarkPackageRows()
{
    for (int r = 1; r < mshflexRequests->Rows(); ++r) {
        bool package = false;
        try {
            package = !GetLinkedPackageCode(SharedConnection(), mshflexRequests->TextMatrix(r, 1)).isEmpty();
        } catch (const std::exception& e) {
            ShowErrorNotice(e); // once: the rows left are shown unmarked
            return;
        }
        for (int c = 1; c < mshflexRequests->Cols(); ++c) {
            if (!mshflexRequests->item(r, c)) mshflexRequests->setTextMatrix(r, c, QString());
            mshflexRequests->item(r, c)->setBackground(package ? kPackageBack : QColor(Qt::white));
        }
    }
}

void frmProcessRequests::SearchDoctor()
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !OrSearchWarning([&] { return search->SearchListing(txtDoctorID->text(), 1); })) return;
    const auto& d = search->DoctorRecord;
    txtDoctor->setText(d.LastName + QStringLiteral(",") + d.FirstName + QStringLiteral(" ") + d.MiddleName);
    txtDoctorID->setText(d.ResultCode);
}

void frmProcessRequests::txtDoctorID_KeyPress(QKeyEvent* key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        // A typed character or an erasure changes the code: the name no longer belongs to it.
        if (!key->text().isEmpty()) txtDoctor->clear();
        return;
    }
    if (txtDoctorID->text() == QLatin1String("0")) {
        // A doctor who is not on file is typed by name.
        cmdDoctor->setEnabled(false);
        txtDoctor->setReadOnly(false);
        txtDoctor->clear();
        txtDoctor->setFocus();
        return;
    }
    try {
        SearchDoctor();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

bool frmProcessRequests::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtDoctorID && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        txtDoctorID_KeyPress(key);
        if (SendKeyInUpperCase(txtDoctorID, key)) return true;
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    }
    if (watched == mshflexRequests->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            mshflexRequests_RightClick(mouse->position().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmProcessRequests::mshflexRequests_RightClick(const QPoint& pos)
{
    mshflexRequests->setFocus();
    const int row = mshflexRequests->rowAt(pos.y());
    if (row < 1) return;
    mshflexRequests->setCurrentCell(row, qMax(1, mshflexRequests->columnAt(pos.x())));
    if (mshflexRequests->TextMatrix(row, 2).isEmpty()) return;
    const QTableWidgetItem* it = mshflexRequests->item(row, 1);
    mnuItems->setVisible(it && it->background().color() == kPackageBack);
    mnuPop->popup(mshflexRequests->viewport()->mapToGlobal(pos));
}

void frmProcessRequests::mnuExclude_Click()
{
    const int row = mshflexRequests->currentRow();
    if (row < 1) return;
    if (MsgBox(QStringLiteral("Are you sure you want to exclude ") + mshflexRequests->TextMatrix(row, 2) + QStringLiteral("?"),
               vbYesNo | vbQuestion, QStringLiteral("Confirmation")) != vbYes)
        return;
    if (mshflexRequests->Rows() - 1 <= 1) {
        MsgBox(QStringLiteral("There must be at least one item to process."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    // Only the list changes: the request stays open.
    mshflexRequests->RemoveItem(row);
    ComputeTotals();
}

void frmProcessRequests::setPanelOpen(bool open)
{
    for (QWidget* w : std::initializer_list<QWidget*>{fraRequests, fraRateOption, cmdSavePrint, cmdSave, cmdClose}) w->setEnabled(!open);
    pctPackageItems->setVisible(open);
}

void frmProcessRequests::mnuItems_Click()
{
    const int row = qMax(1, mshflexRequests->currentRow());
    setPanelOpen(true);
    try {
        ShowPackageItems(GetLinkedPackageCode(SharedConnection(), mshflexRequests->TextMatrix(row, 1)));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    lblPackageName->setText(mshflexRequests->TextMatrix(row, 2));
}

void frmProcessRequests::ShowPackageItems(const QString& packageCode)
{
    FlexGrid* g = mshFlexPackageItems;
    g->hide();
    g->clearContents();
    g->setCols(11);
    g->setRows(2);
    const int widths[11] = {0, 350, 600, 1000, 3500, 500, 1000, 0, 0, 0, 0};
    const char* heads[11] = {"", "#", "Code", "Revenue", "Description", "Qty", "Amt", "Location", "", "Specimen", ""};
    g->show();
    const Recordset rs = SharedConnection().call(QStringLiteral("CLINICAL_AREA..CLGet_ADMPackage_Items"),
                                                 {packageCode.trimmed(), 12, QStringLiteral("I")});
    if (!rs.isEmpty()) BindRecordset(g, rs);
    g->setEnabled(!rs.isEmpty());
    for (int c = 0; c < 11; ++c) {
        g->setTextMatrix(0, c, QString::fromLatin1(heads[c]));
        g->setColWidth(c, widths[c]);
    }
    for (int r = 1; r < g->Rows(); ++r)
        if (!rs.isEmpty()) g->setTextMatrix(r, 1, QString::number(r));
}

void frmProcessRequests::cmdClosePackageItems_Click()
{
    setPanelOpen(false);
}

void frmProcessRequests::ApplyRateOption(int index)
{
    try {
        for (int r = 1; r < mshflexRequests->Rows(); ++r) {
            const QString item = mshflexRequests->TextMatrix(r, 1), section = mshflexRequests->TextMatrix(r, 6);
            if (index == 0) mshflexRequests->setTextMatrix(r, 4, mshflexRequests->TextMatrix(r, 9));
            else if (index == 2) mshflexRequests->setTextMatrix(r, 4, QString::number(GetCathOverTimeRateFor(SharedConnection(), item, section)));
            else mshflexRequests->setTextMatrix(r, 4, QString::number(GetCathOnCallRateFor(SharedConnection(), item, section)));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    ComputeTotals();
}

void frmProcessRequests::ProcessRequestRows(int printChoice)
{
    FlexGrid* g = mshflexRequests;
    if (g->TextMatrix(1, 1).trimmed().isEmpty() && g->Rows() == 2) {
        MsgBox(QStringLiteral("Can't save a blank data! Please enter charges first."), vbOKOnly | vbExclamation, QStringLiteral("Notification"));
        g->setFocus();
        return;
    }
    for (int r = 1; r < g->Rows(); ++r) {
        if (Fmt::val(g->TextMatrix(r, 4)) == 0) {
            MsgBox(QStringLiteral("Zero amount is not allowed for processing."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
            return;
        }
    }
    if (txtDoctorID->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please provide requesting doctor."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    // This save's own answers: later dialogs never change who processed it.
    const ValidatedUser validated = ValidateUser().value_or(ValidatedUser{});
    const QString user = validated.userID, userName = validated.userName;
    if (user.isEmpty()) {
        MsgBox(QStringLiteral("Requests were not processed."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    const QString idNum = txtIDNum->text();
    QVector<RequestProcessingData::ProcessRow> rows;
    RequestProcessingData::ProcessOutcome outcome;
    bool anySkipped = false;
    try {
        const QDateTime serverDate = GetServerDate();
        // Every row is checked before anything is written.
        for (int r = 1; r < g->Rows(); ++r) {
            if (IsPackageAlreadyCharged(SharedConnection(), g->TextMatrix(r, 1), idNum, g->TextMatrix(r, 6).trimmed())) {
                MsgBox(g->TextMatrix(r, 2) + QStringLiteral(" was previously charged. Please double-check list of charges."),
                       vbOKOnly | vbInformation, QStringLiteral("Notification"));
                anySkipped = true;
                continue;
            }
            rows << RequestProcessingData::ProcessRow{g->TextMatrix(r, 5).trimmed(), g->TextMatrix(r, 2)};
        }
        outcome = RequestProcessingData::ProcessRequests(SharedConnection(), rows, user, serverDate, txtDoctorID->text(),
                                                         txtDoctor->text(), printChoice == 1);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // nothing was processed; the list stays as it is
        return;
    }
    if (!outcome.changed.isEmpty()) {
        QStringList names;
        for (const auto& row : outcome.changed) names << QStringLiteral("   ") + row.description;
        MsgBox(QStringLiteral("These requests were processed or revoked at another workstation meanwhile and were left as they were:\r\n") +
                   names.join(QStringLiteral("\r\n")),
               vbOKOnly | vbInformation, QStringLiteral("Notification"));
    }
    if (outcome.processed.isEmpty() && (anySkipped || !outcome.changed.isEmpty()))
        MsgBox(QStringLiteral("No request was processed: every item on the list was skipped."), vbOKOnly | vbInformation,
               QStringLiteral("Notification"));
    if (printChoice == 1) {
        for (const auto& row : outcome.processed) {
            try {
                PrepareReport(ReportFilePath(QStringLiteral("CathLabRequestForm.RPT")),
                              {Session.HospName, Session.HospAddress, userName, row.requestNum, QStringLiteral("0")});
                ShowReport(false, QStringLiteral("Print Request Form"), false, true);
            } catch (const std::exception& e) {
                ShowErrorNotice(e);
            }
        }
    }
    accept();
}

void frmProcessRequests::cmdClose_Click()
{
    if (MsgBox(QStringLiteral("Are you sure to close this window?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbYes)
        reject();
}
