#include "registration/frmCathlabSched.h"

#include "access/ActionApproval.h"
#include "patients/frmSearchCurrent.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "registration/Pickers.h"
#include "access/UserValidation.h"
#include "shared/text/ColumnFit.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/frmReport.h"
#include "shared/reports/modReports.h"

#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

namespace {

const char* const kPendingFormat =
    "|Station   |Room   |Adm. No.   | Patient Name                      |Schedule Date|Start Time  |Procedure"
    "                                 |Remarks                  |Requested In            | Requested By             ";
const char* const kConfirmedFormat =
    "|Station   |Room   |Adm. No.   | Patient Name                      |Schedule Date|Start Time  |Procedure"
    "                                 |Remarks                  |Requested In            | Requested By             "
    "| Confirmed In          | Confirmed By            ";

// The blanks of a header caption give its column's width, as the lists were laid out.
void widthsFromFormat(FlexGrid* grid, const char* format)
{
    const QStringList captions = QString::fromLatin1(format).split(QLatin1Char('|'));
    grid->setColWidth(0, 200);
    for (int c = 1; c < captions.size() && c < grid->Cols(); ++c) grid->setColWidth(c, int(captions[c].size()) * 105);
}

// A stored date-time, or a time kept as "HH:mm:ss" / "hh:mm AP" text.
QDateTime cellDateTime(const QString& text)
{
    for (const char* f : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd", "MM/dd/yyyy hh:mm:ss AP",
                          "MM/dd/yyyy"}) {
        const QDateTime dt = QDateTime::fromString(text.left(QString::fromLatin1(f).size() + 4).trimmed(), QString::fromLatin1(f));
        if (dt.isValid()) return dt;
    }
    const QDateTime dt = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    return dt;
}

QTime cellTime(const QString& text)
{
    for (const char* f : {"HH:mm:ss", "hh:mm AP", "hh:mm:ss AP", "H:mm"}) {
        const QTime t = QTime::fromString(text.trimmed(), QString::fromLatin1(f));
        if (t.isValid()) return t;
    }
    const QDateTime dt = cellDateTime(text);
    return dt.isValid() ? dt.time() : QTime();
}

} // namespace

frmCathlabSched::frmCathlabSched(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Catheterization Laboratory - Schedule Entry"));
    auto* layout = new QGridLayout(this);

    auto* entry = new QGroupBox(QStringLiteral("Request for Operation Schedule"), this);
    auto* el = new QGridLayout(entry);
    txtPxName = new QLineEdit(entry);
    txtHosp = new QLineEdit(entry);
    txtID = new QLineEdit(entry);
    for (QLineEdit* b : {txtPxName, txtHosp, txtID}) b->setReadOnly(true);
    cmdSearchPatient = new QPushButton(QStringLiteral("..."), entry);
    cmdSearchPatient->setMaximumWidth(40);
    dtpSchedule0 = DatePicker(entry);
    dtpSchedule1 = TimePicker(entry);
    txtOperation1 = new QLineEdit(entry);
    txtOperation1->setMaxLength(300);
    txtRemarks = new QPlainTextEdit(entry);
    txtRemarks->setMaximumHeight(60);
    FitToColumn(txtRemarks, QStringLiteral("SCHEDULE..TBCLSCHEDULE"), QStringLiteral("Remarks"));
    cmdSaveReq = new QPushButton(QStringLiteral("&Save"), entry);
    el->addWidget(new QLabel(QStringLiteral("Patient Name:")), 0, 0);
    el->addWidget(txtPxName, 0, 1, 1, 2);
    el->addWidget(cmdSearchPatient, 0, 3);
    el->addWidget(new QLabel(QStringLiteral("Hospital No.:")), 1, 0);
    el->addWidget(txtHosp, 1, 1);
    el->addWidget(new QLabel(QStringLiteral("Admission No.:")), 1, 2);
    el->addWidget(txtID, 1, 3);
    el->addWidget(new QLabel(QStringLiteral("Schedule Date:")), 2, 0);
    el->addWidget(dtpSchedule0, 2, 1);
    el->addWidget(new QLabel(QStringLiteral("Starting Time :")), 2, 2);
    el->addWidget(dtpSchedule1, 2, 3);
    el->addWidget(new QLabel(QStringLiteral("Procedure:")), 3, 0);
    el->addWidget(txtOperation1, 3, 1, 1, 3);
    el->addWidget(new QLabel(QStringLiteral("Remarks")), 4, 0);
    el->addWidget(txtRemarks, 4, 1, 1, 3);
    el->addWidget(cmdSaveReq, 5, 3);

    pctConfirm = new QFrame(this);
    pctConfirm->setFrameShape(QFrame::Box);
    auto* cl = new QGridLayout(pctConfirm);
    txtPNameConfirm = new QLineEdit(pctConfirm);
    txtPNameConfirm->setReadOnly(true);
    dtpScheduleConfirm = DatePicker(pctConfirm);
    dtpStartTimeConfirm = TimePicker(pctConfirm);
    txtProcedureConfirm = new QLineEdit(pctConfirm);
    txtProcedureConfirm->setMaxLength(300);
    txtRemarksConfirm = new QPlainTextEdit(pctConfirm);
    txtRemarksConfirm->setMaximumHeight(60);
    FitToColumn(txtRemarksConfirm, QStringLiteral("SCHEDULE..TBCLSCHEDULE"), QStringLiteral("Remarks"));
    cmdConfirmSave = new QPushButton(QStringLiteral("&Confirm"), pctConfirm);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), pctConfirm);
    cl->addWidget(new QLabel(QStringLiteral("Patient Name:")), 0, 0);
    cl->addWidget(txtPNameConfirm, 0, 1, 1, 3);
    cl->addWidget(new QLabel(QStringLiteral("Schedule Date:")), 1, 0);
    cl->addWidget(dtpScheduleConfirm, 1, 1);
    cl->addWidget(new QLabel(QStringLiteral("Starting Time :")), 1, 2);
    cl->addWidget(dtpStartTimeConfirm, 1, 3);
    cl->addWidget(new QLabel(QStringLiteral("Procedure:")), 2, 0);
    cl->addWidget(txtProcedureConfirm, 2, 1, 1, 3);
    cl->addWidget(new QLabel(QStringLiteral("Remarks")), 3, 0);
    cl->addWidget(txtRemarksConfirm, 3, 1, 1, 3);
    cl->addWidget(cmdConfirmSave, 4, 2);
    cl->addWidget(cmdCancel, 4, 3);
    pctConfirm->hide();

    auto* pending = new QGroupBox(QStringLiteral("PENDING REQUESTS"), this);
    auto* pl = new QGridLayout(pending);
    grdPending = new FlexGrid(pending);
    cmdEdit = new QPushButton(QStringLiteral("&Confirm"), pending);
    cmdRevoke = new QPushButton(QStringLiteral("&Revoke"), pending);
    pl->addWidget(grdPending, 0, 0, 1, 3);
    pl->addWidget(cmdEdit, 1, 1);
    pl->addWidget(cmdRevoke, 1, 2);

    auto* confirmed = new QGroupBox(QStringLiteral("CONFIRMED SCHEDULES"), this);
    auto* ql = new QGridLayout(confirmed);
    optConfirmed[0] = new QRadioButton(QStringLiteral("Currently Confined"), confirmed);
    optConfirmed[1] = new QRadioButton(QStringLiteral("By Schedule Date"), confirmed);
    optConfirmed[0]->setChecked(true);
    dtpDateConfirmed = DatePicker(confirmed);
    dtpDateConfirmed->setEnabled(false);
    grdConfirmed = new FlexGrid(confirmed);
    cmdRevokeConfirmed = new QPushButton(QStringLiteral("&Revoke"), confirmed);
    cmdPrint = new QPushButton(QStringLiteral("&Print List"), confirmed);
    cmdPrintSchedDetails = new QPushButton(QStringLiteral("&Print Schedule Details"), confirmed);
    ql->addWidget(optConfirmed[0], 0, 0);
    ql->addWidget(optConfirmed[1], 0, 1);
    ql->addWidget(dtpDateConfirmed, 0, 2);
    ql->addWidget(grdConfirmed, 1, 0, 1, 4);
    ql->addWidget(cmdRevokeConfirmed, 2, 1);
    ql->addWidget(cmdPrint, 2, 2);
    ql->addWidget(cmdPrintSchedDetails, 2, 3);

    cmdSchedLogbook = new QPushButton(QStringLiteral("Schedule Logbook"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    layout->addWidget(entry, 0, 0);
    layout->addWidget(pctConfirm, 0, 1);
    layout->addWidget(pending, 1, 0, 1, 2);
    layout->addWidget(confirmed, 2, 0, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdSchedLogbook);
    bottom->addStretch(1);
    bottom->addWidget(cmdClose);
    layout->addLayout(bottom, 3, 0, 1, 2);
    resize(1100, 760);

    for (FlexGrid* g : {grdPending, grdConfirmed}) {
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    connect(cmdSearchPatient, &QPushButton::clicked, this, &frmCathlabSched::cmdSearchPatient_Click);
    connect(cmdSaveReq, &QPushButton::clicked, this, &frmCathlabSched::cmdSaveReq_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmCathlabSched::cmdEdit_Click);
    connect(cmdConfirmSave, &QPushButton::clicked, this, &frmCathlabSched::cmdConfirmSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCathlabSched::cmdCancel_Click);
    connect(cmdRevoke, &QPushButton::clicked, this, [this] { Revoke(false); });
    connect(cmdRevokeConfirmed, &QPushButton::clicked, this, [this] { Revoke(true); });
    connect(optConfirmed[0], &QRadioButton::clicked, this, [this] { optConfirmed_Click(0); });
    connect(optConfirmed[1], &QRadioButton::clicked, this, [this] { optConfirmed_Click(1); });
    connect(dtpDateConfirmed, &QDateEdit::dateChanged, this, &frmCathlabSched::dtpDateConfirmed_Change);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCathlabSched::cmdPrint_Click);
    connect(cmdSchedLogbook, &QPushButton::clicked, this, &frmCathlabSched::cmdSchedLogbook_Click);
    connect(cmdPrintSchedDetails, &QPushButton::clicked, this, &frmCathlabSched::cmdPrintSchedDetails_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCathlabSched::cmdClose_Click);
    Form_Load();
}

void frmCathlabSched::Form_Load()
{
    ClearScheduleRequestEntry();
    PreparePendingGrid();
    LoadScheduleRequests(QStringLiteral("P"), QString(), QDate(), QStringLiteral("0"));
    PrepareConfirmedGrid();
    LoadScheduleRequests(QStringLiteral("C"), QString(), dtpDateConfirmed->date(), QStringLiteral("0"));
    SelectedRequestKey.clear();
}

void frmCathlabSched::ClearScheduleRequestEntry()
{
    QDateTime now;
    try {
        now = GetServerDate();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        now = QDateTime::currentDateTime();
    }
    dtpSchedule0->setMinimumDate(now.date());
    dtpSchedule0->setDate(now.date());
    dtpSchedule1->setTime(QTime(now.time().hour(), 0).addSecs(3600));
    const QSignalBlocker block(dtpDateConfirmed);
    dtpDateConfirmed->setDate(now.date());
    txtOperation1->clear();
    txtRemarks->clear();
    txtPxName->setText(PxName);
    txtHosp->setText(HospNo);
    txtID->setText(IDNo);
    SelectedRequestKey.clear();
}

void frmCathlabSched::PreparePendingGrid()
{
    grdPending->clearContents();
    grdPending->setRows(1);
    grdPending->setFormatString(QString::fromLatin1(kPendingFormat));
    grdPending->setCols(20);
    grdPending->setRows(2);
    widthsFromFormat(grdPending, kPendingFormat);
    for (int c = 11; c <= 19; ++c) grdPending->setColumnHidden(c, true);
}

void frmCathlabSched::PrepareConfirmedGrid()
{
    grdConfirmed->clearContents();
    grdConfirmed->setRows(1);
    grdConfirmed->setFormatString(QString::fromLatin1(kConfirmedFormat));
    grdConfirmed->setCols(20);
    grdConfirmed->setRows(2);
    widthsFromFormat(grdConfirmed, kConfirmedFormat);
    for (int c = 0; c < 20; ++c) grdConfirmed->setColumnHidden(c, c == 11 || c == 12 || c >= 15);
}

void frmCathlabSched::LoadScheduleRequests(const QString& status, const QString& second, const QDate& date, const QString& flag)
{
    FlexGrid* grid = status == QLatin1String("P") ? grdPending : grdConfirmed;
    try {
        const Recordset rs = SharedConnection().call(QStringLiteral("SCHEDULE..LoadCLScheduleRequests"),
                                                     {status, second, date.isValid() ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant(QString()),
                                                      flag});
        if (!rs.isEmpty()) {
            grid->setRows(rs.recordCount() + 1);
            for (int r = 0; r < rs.recordCount(); ++r)
                for (int c = 1; c < 20 && c < rs.fieldCount(); ++c) grid->setTextMatrix(r + 1, c, DbValue::text(rs.valueAt(r, c)));
        }
        grid->setCurrentCell(1, 1);
        FormatScheduleGrids();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathlabSched::FormatScheduleGrids()
{
    for (FlexGrid* grid : {grdPending, grdConfirmed}) {
        if (grid->Cols() < 20) continue; // not prepared yet
        for (int r = 1; r < grid->Rows(); ++r) {
            if (grid->TextMatrix(r, 11).trimmed().isEmpty()) continue;
            const QDateTime day = cellDateTime(grid->TextMatrix(r, 5));
            if (day.isValid()) grid->setTextMatrix(r, 5, day.toString(QStringLiteral("MM/dd/yyyy")));
            const QTime start = cellTime(grid->TextMatrix(r, 6));
            if (start.isValid()) grid->setTextMatrix(r, 6, start.toString(QStringLiteral("hh:mm:ss AP")));
            for (int c : {9, 13}) {
                if (c == 13 && grid == grdPending) continue;
                const QDateTime dt = cellDateTime(grid->TextMatrix(r, c).left(19));
                if (dt.isValid()) grid->setTextMatrix(r, c, dt.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")));
            }
        }
    }
}

void frmCathlabSched::ReloadLists()
{
    PreparePendingGrid();
    LoadScheduleRequests(QStringLiteral("P"), QString(), QDate(), QStringLiteral("0"));
    PrepareConfirmedGrid();
    LoadScheduleRequests(QStringLiteral("C"), QString(), dtpDateConfirmed->date(),
                         optConfirmed[0]->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
}

void frmCathlabSched::cmdSearchPatient_Click()
{
    DialogAnswers.resetPickedPatient();
    runModal(frmSearchCurrent::instance());
    txtPxName->setText(DialogAnswers.PickedPatientName);
    txtHosp->setText(DialogAnswers.PickedHospNum);
    txtID->setText(DialogAnswers.PickedIDNum);
    DialogAnswers.resetPickedPatient();
    PxName.clear();
    HospNo.clear();
    IDNo.clear();
}

void frmCathlabSched::cmdSaveReq_Click()
{
    if (txtID->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select patient to schedule."), vbInformation, QStringLiteral("Required Data"));
        return;
    }
    if (txtOperation1->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please enter procedure to schedule."), vbInformation, QStringLiteral("Required Data"));
        return;
    }
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString user = validated->userID;
    try {
        SharedConnection().call(QStringLiteral("Schedule..SaveCLScheduleRequest"),
                                {txtID->text().trimmed(), user, QDateTime(dtpSchedule0->date(), QTime(0, 0)), dtpSchedule1->time(),
                                 txtOperation1->text(), QString(), txtRemarks->toPlainText(), QStringLiteral("P"), QString(),
                                 QString(), user});
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    MsgBox(QStringLiteral("Successfully saved schedule request."), vbInformation, QStringLiteral("Notification"));
    ClearScheduleRequestEntry();
    ReloadLists();
}

int frmCathlabSched::currentDataRow(FlexGrid* grid) const
{
    const int r = grid->currentRow();
    return r >= 1 ? r : 1;
}

void frmCathlabSched::setConfirming(bool on)
{
    pctConfirm->setVisible(on);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdRevoke, grdPending, cmdEdit, cmdSearchPatient, cmdSaveReq, cmdClose,
                                                      cmdSchedLogbook, cmdPrint, cmdRevokeConfirmed, cmdPrintSchedDetails, grdConfirmed})
        w->setEnabled(!on);
}

void frmCathlabSched::cmdEdit_Click()
{
    const int r = currentDataRow(grdPending);
    if (grdPending->TextMatrix(r, 11).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select request to confirm."), vbInformation, QStringLiteral("Notification"));
        return;
    }
    SelectedRequestKey = grdPending->TextMatrix(r, 11);
    txtPNameConfirm->setText(grdPending->TextMatrix(r, 4));
    const QDate day = QDate::fromString(grdPending->TextMatrix(r, 5), QStringLiteral("MM/dd/yyyy"));
    if (day.isValid()) dtpScheduleConfirm->setDate(day);
    const QTime start = cellTime(grdPending->TextMatrix(r, 6));
    if (start.isValid()) dtpStartTimeConfirm->setTime(start);
    txtProcedureConfirm->setText(grdPending->TextMatrix(r, 7));
    txtRemarksConfirm->setPlainText(grdPending->TextMatrix(r, 8));
    setConfirming(true);
}

void frmCathlabSched::cmdConfirmSave_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to confirm schedule request for patient ") + txtPNameConfirm->text() +
                   QStringLiteral("?"),
               vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbNo)
        return;
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString user = validated->userID;
    int changed = 0;
    try {
        const Recordset rs = SharedConnection().call(
            QStringLiteral("Schedule..SaveCLScheduleRequest"),
            {QString(), user, QDateTime(dtpScheduleConfirm->date(), QTime(0, 0)), dtpStartTimeConfirm->time(), txtProcedureConfirm->text(),
             QString(), txtRemarksConfirm->toPlainText(), QStringLiteral("C"), SelectedRequestKey, QString(), QString(), user});
        changed = rs.isEmpty() ? 0 : rs.toInt(QStringLiteral("RowsAffected"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    // Another station confirmed or revoked it meanwhile: nothing was changed.
    if (changed == 0)
        MsgBox(QStringLiteral("This request is no longer pending: it was confirmed or revoked at another station. Nothing was saved."),
               vbInformation, QStringLiteral("Notification"));
    else
        MsgBox(QStringLiteral("Request successfully confirmed."), vbInformation, QStringLiteral("Notification"));
    ReloadLists();
    cmdCancel_Click();
}

void frmCathlabSched::cmdCancel_Click()
{
    txtPNameConfirm->clear();
    txtProcedureConfirm->clear();
    txtRemarksConfirm->clear();
    SelectedRequestKey.clear();
    setConfirming(false);
}

void frmCathlabSched::Revoke(bool confirmedList)
{
    FlexGrid* grid = confirmedList ? grdConfirmed : grdPending;
    const int r = currentDataRow(grid);
    const QString key = grid->TextMatrix(r, 11).trimmed();
    if (key.isEmpty()) {
        MsgBox(QStringLiteral("Please select request to revoke."), vbInformation, QStringLiteral("Notification"));
        return;
    }
    const QString name = grid->TextMatrix(r, 4);
    const QString question = confirmedList ? QStringLiteral("Are you sure you want to revoke schedule for patient ")
                                           : QStringLiteral("Are you sure you want to revoke schedule request for patient ");
    if (MsgBox(question + name + QStringLiteral("?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbNo) return;
    DialogAnswers.resetValidation();
    const std::optional<ValidatedUser> validated = ValidateUser(
        {.postOrCancel = 1, .reasonMaxLength = ReasonRoom(QStringLiteral("SCHEDULE..TBCLSCHEDULE"), QStringLiteral("RevokeReason"), false)});
    if (!validated) return;
    const QString user = validated->userID;
    int changed = 0;
    try {
        const QDateTime now = GetServerDate();
        const Recordset rs =
            SharedConnection().call(QStringLiteral("Schedule..SaveCLScheduleRequest"),
                                    {QString(), QString(), QString(), QString(), QString(), QString(), QString(), QStringLiteral("R"), key,
                                     QString(), QString(), QString(), now, user, DialogAnswers.CancelReason});
        changed = rs.isEmpty() ? 0 : rs.toInt(QStringLiteral("RowsAffected"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (changed == 0)
        MsgBox(QStringLiteral("This request had already been revoked at another station. Nothing was saved."), vbInformation,
               QStringLiteral("Notification"));
    else
        MsgBox(confirmedList ? QStringLiteral("Schedule successfully revoked.") : QStringLiteral("Request successfully revoked."),
               vbInformation, QStringLiteral("Notification"));
    ReloadLists();
}

void frmCathlabSched::optConfirmed_Click(int index)
{
    if (index == 0) {
        dtpDateConfirmed->setEnabled(false);
        PrepareConfirmedGrid();
        LoadScheduleRequests(QStringLiteral("C"), QString(), dtpDateConfirmed->date(), QStringLiteral("0"));
    } else {
        dtpDateConfirmed->setEnabled(true);
        dtpDateConfirmed_Change();
    }
}

void frmCathlabSched::dtpDateConfirmed_Change()
{
    if (!optConfirmed[1]->isChecked()) return;
    PrepareConfirmedGrid();
    LoadScheduleRequests(QStringLiteral("C"), QString(), dtpDateConfirmed->date(), QStringLiteral("1"));
}

void frmCathlabSched::cmdPrint_Click()
{
    const QDateTime day(dtpDateConfirmed->date(), QTime(0, 0));
    try {
        PrepareReport(ReportFilePath(QStringLiteral("ConfirmedCathlabScheds.rpt")),
                      {QStringLiteral("C"), QStringLiteral("CL"), day,
                       optConfirmed[0]->isChecked() ? QStringLiteral("0") : QStringLiteral("1"), day});
        ShowReport(false, QStringLiteral("Confirmed Cathlab Schedules"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathlabSched::cmdSchedLogbook_Click()
{
    frmReport* dates = frmReport::instance();
    dates->setNoMaxDate(true);
    dates->setCaption(QStringLiteral("Enter Report Date for Income Report"));
    dates->ShowModal();
    if (ReportValues.ReportDateFrom.isEmpty() && ReportValues.ReportDateTo.isEmpty()) return;
    const auto asDate = [](const QString& text) {
        return QVariant(QDateTime(QDate::fromString(text, QStringLiteral("MM/dd/yyyy")), QTime(0, 0)));
    };
    try {
        PrepareReport(ReportFilePath(QStringLiteral("CathlabSchedLogbook.rpt")),
                      {QStringLiteral("A"), QString(), asDate(ReportValues.ReportDateFrom), QString(), asDate(ReportValues.ReportDateTo)});
        ShowReport(false, QStringLiteral("Confirmed Cathlab Schedules"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathlabSched::cmdPrintSchedDetails_Click()
{
    const int r = currentDataRow(grdConfirmed);
    if (grdConfirmed->TextMatrix(r, 11).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select confirmed schedule to print."), vbInformation, QStringLiteral("Notification"));
        return;
    }
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString user = validated->userID;
    QVariantList params;
    for (int c : {4, 12, 3, 2, 9, 10, 13, 14, 7, 8, 5, 6}) params << grdConfirmed->TextMatrix(r, c);
    params << DialogAnswers.ValidatedUserName;
    try {
        PrepareReport(ReportFilePath(QStringLiteral("CathlabSchedDetails.rpt")), params);
        ShowReport(false, QStringLiteral("Confirmed Cathlab Schedule Details"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCathlabSched::cmdClose_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to leave Cathlab schedule entry?"), vbYesNo | vbQuestion,
               QStringLiteral("Confirmation")) == vbYes)
        accept();
}
