// The ordering page and the request status page of the workspace: the pick lists and the orders
// grid hand their events to the exam ordering; the order save with its laboratory request form;
// the request status lists and the revocation of a pending request.
#include "workspace/frmFinal.h"

#include "access/ActionApproval.h"
#include "access/UserValidation.h"
#include "components/NurseActivity.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "ordering/ExamOrdering.h"
#include "ordering/ExamOrderingData.h"
#include "ordering/OrdersGrid.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/UserRights.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/RequestChecks.h"
#include "shared/reports/modReports.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace {

// The order save unloads these five pickers before the lists are filled again; the heart
// station and neurology pickers keep their state.
void unloadSavePickers()
{
    const QStringList names{QStringLiteral("frmPTFile"), QStringLiteral("frmCTfile"), QStringLiteral("frmRTfile"),
                            QStringLiteral("frmAudio"), QStringLiteral("frmNuclear")};
    for (QWidget* w : WindowRegistry::loaded())
        if (names.contains(w->objectName())) w->close();
}

const char* const kStatusHeaders[] = {"ITEM DESCRIPTION", "QTY", "DEPT", "REQUEST DATE/TIME", "Code", "REQUESTED BY",
                                      "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME", "RESULT BY", "REMARKS"};
const char* const kStatusFields[] = {"ITEM DESCRIPTION", "Qty", "DEPT", "Request Date/Time", "Code", "REQUESTED BY",
                                     "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME", "RESULT BY", "Remarks"};

} // namespace

void frmFinal::buildOrdering()
{
    ExamOrdering::instance().Attach({this, txtID, mshflexOrders, mshflexProfileList, lstListLaboratory, lstListXray,
                                     lstListUltra, lstListOthers, &Patient});
    // Only a change of an entry's tick (a click on its box or the space bar) orders or takes back.
    for (QListWidget* list : {lstListLaboratory, lstListXray, lstListUltra})
        connect(list, &QListWidget::itemChanged, this, [](QListWidgetItem* item) { ExamOrdering::instance().ListClicked(item); });
    connect(lstListOthers, &QListWidget::itemChanged, this, &frmFinal::lstListOthers_Click);
    connect(cmdLabMore, &QPushButton::clicked, this, &frmFinal::cmdLabMore_Click);
    connect(cmdUltraMore, &QPushButton::clicked, this, &frmFinal::cmdUltraMore_Click);
    connect(cmdXrayMore, &QPushButton::clicked, this, &frmFinal::cmdXrayMore_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmFinal::cmdDelete_Click);
    connect(mshflexOrders, &QTableWidget::cellDoubleClicked, this, [this] { mshflexOrders_DblClick(); });
    mshflexOrders->setMinimumWidth(4155 / 15);
}

void frmFinal::mshflexOrders_DblClick()
{
    ExamOrdering::instance().RemoveOrderAt(mshflexOrders->currentRow());
}

void frmFinal::cmdDelete_Click()
{
    mshflexOrders_DblClick();
}

void frmFinal::lstListOthers_Click(QListWidgetItem* item)
{
    ExamOrdering::instance().OthersClicked(item);
}

void frmFinal::cmdLabMore_Click() { ExamOrdering::instance().SearchClicked(QStringLiteral("LB")); }
void frmFinal::cmdUltraMore_Click() { ExamOrdering::instance().SearchClicked(QStringLiteral("US")); }
void frmFinal::cmdXrayMore_Click() { ExamOrdering::instance().SearchClicked(QStringLiteral("XR")); }

void frmFinal::CheckPatientRoom()
{
    PatientTransferred = false;
    try {
        const QString moved = ExamOrderingData::TransferredRoom(SharedConnection(), txtID->text(), txtPno->text(), txtRoom->text());
        if (!moved.isEmpty()) {
            MsgBox(QStringLiteral("Patient is transfered to room ") + moved, vbOKOnly);
            PatientTransferred = true;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::cmdSave_Click()
{
    if (OrdersGrid::IsEmpty(*mshflexOrders)) {
        MsgBox(QStringLiteral("No data to be saved."), vbOKOnly, QStringLiteral("Notification"));
        return;
    }
    CheckPatientRoom();
    if (PatientTransferred) {
        unloadSavePickers();
        Form_Initialize();
        return;
    }
    if (!ValidateUser({.retryQuestion = QStringLiteral("Entered request(s) will not be save! ") + QStringLiteral("\r\n") +
                                        QStringLiteral("Do you want to save and send the request(s)?"),
                       .retryTitle = QStringLiteral("Message")})) {
        LoadRequestStatus();
        unloadSavePickers();
        Form_Initialize();
        cmdSave->setEnabled(true);
        return;
    }
    cmdSave->setEnabled(false);
    // A dialog left without a doctor still saves, with no doctor.
    runModal(frmRequestingDoctor::forPatient(Patient.AttendingDoctorCode));
    const bool saved = SaveOrders();
    LoadRequestStatus();
    if (saved) {
        unloadSavePickers();
        Form_Initialize();
    }
    cmdSave->setEnabled(true);
}

bool frmFinal::SaveOrders()
{
    ExamOrderingData::SaveInput in;
    in.hospNum = txtPno->text();
    in.idNum = txtID->text();
    in.patientType = Patient.PatientType;
    in.userId = DialogAnswers.ValidatedUserID;
    in.doctorId = DialogAnswers.RequestingDoctorID;
    in.doctorName = DialogAnswers.RequestingDoctorName;
    in.stationId = Session.CurrentStationID.toString();
    in.transplantId = Patient.TransplantID;
    in.dialysisId = Patient.DialysisID;
    // Nothing in this save asks for a supervisor: an approval given to another window never
    // carries over into it.
    in.session = ExamOrderingData::WorkstationSession();
    in.lbDirect = Session.HospitalInfo.IsLBDirectCharging;
    in.xrDirect = Session.HospitalInfo.IsXRDirectCharging;
    in.usDirect = Session.HospitalInfo.IsUSDirectCharging;
    in.ctDirect = Session.HospitalInfo.IsCTDirectCharging;
    in.hsDirect = Session.HospitalInfo.IsHSDirectCharging;
    ExamOrderingData::SaveResult res;
    try {
        res = ExamOrderingData::SaveOrders(SharedConnection(), in, OrdersGrid::Orders(*mshflexOrders));
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("Error While Saving Request  ") + QString::fromUtf8(e.what()), vbOKOnly,
               QStringLiteral("Message"));
        return false;
    }
    Session.ServerDate = res.serverDate;
    LastRequestNum = res.lastRequestNum;
    DialogAnswers.LastRequestRefNum = res.lastRequestRefNum;
    if (res.hasLab) SaveLabRequestForm(res.serverDate);
    return true;
}

void frmFinal::SaveLabRequestForm(const QDateTime& serverDate)
{
    try {
        const QString employee = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
        const ExamOrderingData::FormLines lines = ExamOrderingData::WriteLabRequestForm(
            SharedConnection(), txtID->text(), employee, DialogAnswers.LastRequestRefNum, HeaderAccountNumber, DialogAnswers.RequestingDoctorID, serverDate,
            ExamOrderingData::WorkstationSession());
        if (lines.any) PrintLabRequestForm(lines.lastStat, lines.lastSection);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::PrintLabRequestForm(const QString& stat, const QString& section)
{
    const bool outPatient = txtID->text().trimmed().endsWith(QLatin1Char('B'));
    QString accommodation;
    if (!outPatient) accommodation = ExamOrderingData::RoomAccommodation(SharedConnection(), txtID->text());
    PrepareReport(ReportFilePath(QStringLiteral("LabRequestForm.RPT")),
                  QVariantList{Session.HospAddress, Session.HospPhone, txtPno->text(), txtID->text(), txtPatient->text(), txtAge->text(), txtSex->text(),
                   txtRoom->text(), outPatient ? QStringLiteral("OPD/HEMODIALYSIS") : accommodation, DialogAnswers.LastRequestRefNum,
                   QString(), stat.trimmed() == QLatin1String("Y") ? QStringLiteral("STAT") : QStringLiteral("ROUTINE"),
                   TransplantText(Patient.TransplantID), DialysisText(Patient.DialysisID), DialogAnswers.RequestingDoctorName,
                   outPatient ? QStringLiteral("Out-Patient") : QStringLiteral("In-Patient"),
                   Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString(), section, ExamOrderingData::WorkstationSession()});
    ShowReport(false, QStringLiteral("LABORATORY REQUEST FORM"), false, false);
}

void frmFinal::buildRequestStatus(QWidget* page, QGridLayout* status)
{
    auto* g = new QGridLayout;
    const char* heads[] = {"Reports", "List of Processed Requests", "List of Pending Requests", "List of Exams with Results"};
    for (int i = 0; i < 4; ++i) {
        imgRequest[i] = new QLabel(QString::fromLatin1(heads[i]), page);
        imgRequest[i]->setObjectName(QStringLiteral("imgRequest%1").arg(i));
        imgRequest[i]->setStyleSheet(QStringLiteral("font-weight: bold; color: navy"));
    }
    for (int i = 0; i < 3; ++i) {
        mshflexProcessed[i] = new FlexGrid(page);
        mshflexProcessed[i]->setObjectName(QStringLiteral("mshflexProcessed%1").arg(i));
        connect(mshflexProcessed[i], &QTableWidget::cellDoubleClicked, this, [this, i] { mshflexProcessed_DblClick(i); });
        mshflexProcessed[i]->setMinimumHeight(1755 / 15);
    }
    fraList = new QGroupBox(QStringLiteral("List of Assessment Entered"), page);
    auto* fl = new QGridLayout(fraList);
    MSHFlexList = new FlexGrid(fraList);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    txtMessage = new QLineEdit(QStringLiteral("No Assessment Entered"), fraList);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setReadOnly(true);
    txtMessage->setAlignment(Qt::AlignCenter);
    // centred over the list at a width that holds its words
    txtMessage->setMinimumWidth(txtMessage->fontMetrics().horizontalAdvance(txtMessage->text()) + 24);
    fl->addWidget(MSHFlexList, 0, 0);
    fl->addWidget(txtMessage, 0, 0, Qt::AlignCenter);
    cmdView0 = new QPushButton(QStringLiteral("Refresh"), page);
    cmdView0->setObjectName(QStringLiteral("cmdView0"));
    connect(cmdView0, &QPushButton::clicked, this, [this] { cmdView_Click(0); });
    g->addWidget(imgRequest[1], 0, 0);
    g->addWidget(mshflexProcessed[0], 1, 0);
    g->addWidget(imgRequest[2], 0, 1);
    g->addWidget(mshflexProcessed[1], 1, 1);
    g->addWidget(imgRequest[3], 2, 0);
    g->addWidget(mshflexProcessed[2], 3, 0);
    g->addWidget(imgRequest[0], 2, 1);
    g->addWidget(mshflexReports, 3, 1, 2, 1);
    g->addWidget(fraList, 4, 0);
    g->addWidget(cmdView0, 5, 1, Qt::AlignRight);
    status->addLayout(g, 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i) PrepareStatusGrid(i);
}

void frmFinal::PrepareStatusGrid(int index)
{
    FlexGrid* grid = mshflexProcessed[index];
    const int w = index == 1 ? 5715 : 5955;
    grid->clear();
    grid->setRows(2);
    grid->setCols(index == 1 ? 13 : 12);
    grid->setColWidth(0, 1);
    const int c0 = grid->ColWidth(0);
    const int widths[] = {c0 + 3000, qRound(w / 13.0), qRound(w / 13.0), c0 + 2000, qRound(w / 13.0), qRound(w / 5.0),
                          c0 + 2000, qRound(w / 5.0),  c0 + 2000,        qRound(w / 5.0),  c0 + 3000};
    for (int c = 1; c <= 11; ++c) {
        grid->setColWidth(c, widths[c - 1]);
        grid->setTextMatrix(0, c, QString::fromLatin1(kStatusHeaders[c - 1]));
    }
    if (index == 1) grid->setColWidth(12, 1000);
}

void frmFinal::LoadRequestStatus()
{
    // The grids are filled with their updates off, so each column is fitted to its values once;
    // they are on again however the load ends.
    struct UpdatesOff {
        QList<FlexGrid*> grids;
        ~UpdatesOff()
        {
            for (FlexGrid* g : grids) g->setUpdatesEnabled(true);
        }
    } off{{mshflexProcessed[0], mshflexProcessed[1], mshflexProcessed[2], MSHFlexList}};
    for (FlexGrid* g : off.grids) g->setUpdatesEnabled(false);
    try {
        for (int i = 0; i < 3; ++i) PrepareStatusGrid(i);
        clsRequest& service = RequestComponent();
        const QString conn = SharedConnection().connectionString();
        // Pending: every field as the service gives it, the request number last.
        const Recordset pending = service.GetRequests(conn, txtID->text(), QStringLiteral("2"));
        FlexGrid* grid1 = mshflexProcessed[1];
        if (pending.isEmpty()) {
            grid1->setRows(2);
        } else {
            grid1->setCols(pending.fieldCount() + 1);
            grid1->setRows(pending.recordCount() + 1);
            for (int f = 0; f < pending.fieldCount(); ++f) grid1->setTextMatrix(0, f + 1, pending.fieldName(f));
            for (int r = 0; r < pending.recordCount(); ++r)
                for (int f = 0; f < pending.fieldCount(); ++f)
                    grid1->setTextMatrix(r + 1, f + 1, DbValue::text(pending.valueAt(r, f)));
        }
        grid1->setEnabled(!pending.isEmpty());
        // Processed, then with results: record by record, the progress bar following.
        for (const auto& [index, kind] : {std::pair<int, const char*>{0, "1"}, std::pair<int, const char*>{2, "3"}}) {
            FlexGrid* grid = mshflexProcessed[index];
            const Recordset rs = service.GetRequests(conn, txtID->text(), QString::fromLatin1(kind));
            if (rs.isEmpty()) {
                grid->setFormatString(QStringLiteral(" |<ITEM DESCRIPTION%1|QTY|DEPT|<DATE/TIME%2|<Code")
                                          .arg(QString(37, QLatin1Char(' ')), QString(21, QLatin1Char(' '))));
                grid->setRows(2);
            } else {
                grid->setRows(rs.recordCount() + 1);
            }
            int fields[11];
            for (int c = 0; c < 11 && !rs.isEmpty(); ++c) fields[c] = rs.fieldIndex(QString::fromLatin1(kStatusFields[c]));
            for (int r = 0; r < rs.recordCount(); ++r) {
                ProgressBarMeter->setValue((r + 1) * 100 / rs.recordCount());
                for (int c = 0; c < 11; ++c) grid->setTextMatrix(r + 1, c + 1, DbValue::text(rs.valueAt(r, fields[c])));
            }
            // A list with rows can be used, whatever an earlier empty run left.
            grid->setEnabled(!rs.isEmpty());
        }
        // Assessments.
        MSHFlexList->clear();
        MSHFlexList->setRows(2);
        MSHFlexList->setCols(12);
        const Recordset as = SharedConnection().call(QStringLiteral("STATION..sp_Nurse_Clinical_AssessmentStatus"), {txtID->text()});
        MSHFlexList->setRows(as.recordCount() + 1);
        for (int f = 0; f < qMin(11, as.fieldCount()); ++f) MSHFlexList->setTextMatrix(0, f + 1, as.fieldName(f));
        for (int r = 0; r < as.recordCount(); ++r)
            for (int f = 0; f < qMin(11, as.fieldCount()); ++f)
                MSHFlexList->setTextMatrix(r + 1, f + 1, DbValue::text(as.valueAt(r, f)));
        const int widths[] = {1, 0, 0, 1000, 0, Session.HospitalInfo.IsShowAmount ? 3000 : 0, 0, 0, 2500, 1000, 0, 1000};
        for (int c = 0; c < 12; ++c) MSHFlexList->setColWidth(c, widths[c]);
        txtMessage->setVisible(MSHFlexList->Rows() == 1);
        if (MSHFlexList->Rows() > 1) MSHFlexList->setCurrentCell(1, 0);
        tabSSTab1->setEnabled(true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::cmdView_Click(int index)
{
    if (index == 0) LoadRequestStatus();
}

void frmFinal::mshflexProcessed_DblClick(int index)
{
    if (index != 1) return LoadRequestStatus();
    FlexGrid* grid = mshflexProcessed[1];
    try {
        if (!HasUserRight(SharedConnection(), QStringLiteral("2"))) {
            MsgBox(QStringLiteral("Sorry, you don't have access right to revoke requests."), vbInformation, QStringLiteral("Message"));
            return;
        }
        const int row = qMax(1, grid->currentRow());
        const QString requestNum = grid->TextMatrix(row, grid->Cols() - 1);
        if (requestNum.trimmed().isEmpty()) return;
        if (IsRequestClosed(SharedConnection(), requestNum)) return LoadRequestStatus();
        if (MsgBox(QStringLiteral("Are you sure you want to revoke ") + grid->TextMatrix(row, 1) + QStringLiteral("?"),
                   vbYesNo | vbQuestion, QStringLiteral("Confirmation")) != vbYes)
            return LoadRequestStatus();
        if (!ValidateUser({.postOrCancel = 1,
                           .reasonMaxLength =
                               ReasonRoom(QStringLiteral("STATION..TBNURSECOMMUNICATIONFILE"), QStringLiteral("RevokeReason"), false),
                           .retryQuestion = QStringLiteral("Request was not cancelled! ") + QStringLiteral("\r\n") +
                                            QStringLiteral("Do you really want to cancel the request?"),
                           .retryTitle = QStringLiteral("Message")}))
            return LoadRequestStatus();
        GetServerDate();
        // The request is looked up again inside the revocation: it may have been processed or
        // revoked since the list was read.
        const ExamOrderingData::RevokeResult r = ExamOrderingData::RevokeRequest(
            SharedConnection(), requestNum, DialogAnswers.ValidatedUserID, DialogAnswers.CancelReason, Session.CurrentStationID.toString());
        if (r.outcome != ExamOrderingData::RevokeOutcome::Revoked)
            MsgBox(ExamOrderingData::RevokeRefusal(r), vbInformation, QStringLiteral("Message"));
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("Error While Canceling Request  ") + QString::fromUtf8(e.what()), vbOKOnly,
               QStringLiteral("Message"));
        return;
    }
    LoadRequestStatus();
}
