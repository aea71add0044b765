#include "registration/frmDischargeNotice.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationKeys.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The list's two pictures: an open envelope-coloured square for "open", a green tick for "clear".
QPixmap statusPicture(bool cleared)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (cleared) {
        p.setPen(QPen(QColor(0, 128, 0), 3));
        p.drawLine(3, 8, 7, 12);
        p.drawLine(7, 12, 13, 3);
    } else {
        p.setPen(QPen(QColor(160, 0, 0), 1));
        p.setBrush(QColor(255, 220, 120));
        p.drawRect(2, 3, 11, 10);
    }
    return pm;
}

QString dateTimeText(const QVariant& v)
{
    const QDateTime dt = DbValue::toDateTime(v);
    return dt.isValid() ? Fmt::serverDateText(dt) : QString(); // MM/dd/yyyy, as every date the program shows
}

QLineEdit* locked(QWidget* parent)
{
    auto* b = new QLineEdit(parent);
    b->setReadOnly(true);
    return b;
}

} // namespace

frmDischargeNotice::frmDischargeNotice(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Discharge Notice"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Discharge Notice"), this);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    heading->setFont(f);
    layout->addWidget(heading);
    lvwRequest = new QTreeWidget(this);
    lvwRequest->setRootIsDecorated(false);
    lvwRequest->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(lvwRequest, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Legend:"), this));
    imgOpen = new QLabel(this);
    imgClear = new QLabel(this);
    bottom->addWidget(imgOpen);
    bottom->addWidget(new QLabel(QStringLiteral("Not Cleared"), this));
    bottom->addWidget(imgClear);
    bottom->addWidget(new QLabel(QStringLiteral("Cleared"), this));
    bottom->addStretch(1);
    cmdSelect = new QPushButton(QStringLiteral("&Select"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    bottom->addWidget(cmdSelect);
    bottom->addWidget(cmdClose);
    layout->addLayout(bottom);
    resize(760, 420);
    connect(cmdSelect, &QPushButton::clicked, this, &frmDischargeNotice::cmdSelect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmDischargeNotice::cmdClose_Click);
    connect(lvwRequest, &QTreeWidget::itemDoubleClicked, this, &frmDischargeNotice::cmdSelect_Click);
    Form_Load();
}

void frmDischargeNotice::Form_Load()
{
    IDNum.clear();
    Valid = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lvwRequest->clear();
    lvwRequest->setHeaderLabels({QStringLiteral("Patient"), QStringLiteral("Room"), QStringLiteral("Adm. #"),
                                 QStringLiteral("Discharge Nurse"), QStringLiteral("Notice Time")});
    lvwRequest->setColumnWidth(0, 200);
    lvwRequest->setColumnWidth(4, 140);
    try {
        const Recordset rs = SharedConnection().call(QStringLiteral("STATION..spCL_LoadDischargeNotice"));
        for (int r = 0; r < rs.recordCount(); ++r) {
            auto* item = new QTreeWidgetItem(lvwRequest);
            item->setText(0, rs.textAt(r, QStringLiteral("PatientName")));
            item->setText(1, rs.textAt(r, QStringLiteral("RoomID")));
            item->setText(2, rs.textAt(r, QStringLiteral("IDNum")));
            item->setText(3, rs.textAt(r, QStringLiteral("DischargeNurse")));
            item->setText(4, dateTimeText(rs.valueAt(r, QStringLiteral("Noticedate"))));
            const bool cleared = !rs.valueAt(r, QStringLiteral("ClearDate")).isNull();
            item->setIcon(0, QIcon(statusPicture(cleared)));
            item->setData(0, Qt::UserRole, cleared ? QStringLiteral("clear") : QStringLiteral("open"));
        }
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        ShowErrorNotice(e);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QApplication::restoreOverrideCursor();
    imgClear->setPixmap(statusPicture(true));
    imgOpen->setPixmap(statusPicture(false));
}

void frmDischargeNotice::cmdSelect_Click()
{
    QTreeWidgetItem* item = lvwRequest->currentItem();
    if (!item || !item->isSelected()) return;
    IDNum = item->text(2);
    Valid = true;
    accept();
}

void frmDischargeNotice::cmdClose_Click()
{
    IDNum.clear();
    Valid = false;
    reject();
}

frmClearPatient::frmClearPatient(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Clear Patient"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Clear Patient for Discharge"), this);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    heading->setFont(f);
    layout->addWidget(heading);
    const auto frame = [this, layout](const QString& title, const QList<QPair<QString, QLineEdit**>>& rows) {
        auto* g = new QGroupBox(title, this);
        auto* gl = new QGridLayout(g);
        int r = 0;
        for (const auto& [label, box] : rows) {
            *box = locked(g);
            gl->addWidget(new QLabel(label, g), r, 0);
            gl->addWidget(*box, r++, 1);
        }
        layout->addWidget(g);
        return gl;
    };
    frame(QStringLiteral("Patient's Name"), {{QStringLiteral("Last Name "), &txtSname},
                                             {QStringLiteral("First Name  "), &txtFname},
                                             {QStringLiteral("Middle Name "), &txtMname}});
    frame(QStringLiteral("Hospital Information"), {{QStringLiteral("Hospital No."), &txtHospNo},
                                                   {QStringLiteral("Admission No."), &txtAdmNo},
                                                   {QStringLiteral("Admission Date"), &txtAdmDate},
                                                   {QStringLiteral("Room No."), &txtRoomNo},
                                                   {QStringLiteral("Attending Doctor"), &txtDoctor}});
    frame(QStringLiteral("Notice Information"), {{QStringLiteral("Notice Date/Time "), &txtNoticeDate},
                                                 {QStringLiteral("Order Date/Time "), &txtOrderDate},
                                                 {QStringLiteral("Discharge Nurse"), &txtDischargeNurse},
                                                 {QStringLiteral("Remarks"), &txtRemarks}});
    QGridLayout* clearing = frame(QStringLiteral("Clearing Information"), {{QStringLiteral("Cleared Date:"), &txtClearDate},
                                                                           {QStringLiteral("Cleared by:"), &txtClearedBy}});
    txtClearRemarks = new QPlainTextEdit(this);
    txtClearRemarks->setMaximumHeight(60);
    clearing->addWidget(new QLabel(QStringLiteral("Remarks")), 2, 0);
    clearing->addWidget(txtClearRemarks, 2, 1);
    // At most 30 characters, as the box always held.
    connect(txtClearRemarks, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = txtClearRemarks->toPlainText();
        if (t.size() > 30) {
            txtClearRemarks->setPlainText(t.left(30));
            txtClearRemarks->moveCursor(QTextCursor::End);
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdIgnore = new QPushButton(QStringLiteral("&Ignore"), this);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdIgnore);
    layout->addLayout(buttons);
    RegistrationKeys::DropApostrophes(this);
    connect(cmdSave, &QPushButton::clicked, this, &frmClearPatient::cmdSave_Click);
    connect(cmdIgnore, &QPushButton::clicked, this, &QDialog::reject);
}

void frmClearPatient::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmClearPatient::Form_Load()
{
    m_loaded = true;
    Recordset rs;
    try {
        rs = SharedConnection().call(QStringLiteral("STATION..spCL_LoadDischargeNoticePatient"), {IDNum});
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    // Only a notice on file can be cleared.
    cmdSave->setEnabled(!rs.isEmpty());
    if (rs.isEmpty()) return;
    txtSname->setText(rs.text(QStringLiteral("LastName")));
    txtFname->setText(rs.text(QStringLiteral("FirstName")));
    txtMname->setText(rs.text(QStringLiteral("MiddleName")));
    txtHospNo->setText(rs.text(QStringLiteral("HospNum")));
    txtAdmNo->setText(rs.text(QStringLiteral("IDNum")));
    txtAdmDate->setText(dateTimeText(rs.value(QStringLiteral("AdmDate"))));
    txtRoomNo->setText(rs.text(QStringLiteral("RoomID")));
    txtDoctor->setText(rs.text(QStringLiteral("Doctor")));
    txtNoticeDate->setText(dateTimeText(rs.value(QStringLiteral("Noticedate"))));
    txtOrderDate->setText(dateTimeText(rs.value(QStringLiteral("OrderedDate"))));
    txtDischargeNurse->setText(rs.text(QStringLiteral("DischargeNurse")));
    txtRemarks->setText(rs.text(QStringLiteral("Remarks")));
    if (rs.isNull(QStringLiteral("UserID")) && Session.CurrentUser)
        txtClearedBy->setText(QStringLiteral("(") + Session.CurrentUser->EmployeeCode() + QStringLiteral(") ") +
                              Session.CurrentUser->EmployeeName());
    else
        txtClearedBy->setText(rs.text(QStringLiteral("UserID")));
    if (rs.isNull(QStringLiteral("ClearDate"))) {
        txtClearDate->setText(QStringLiteral("For clearing"));
    } else {
        txtClearDate->setText(dateTimeText(rs.value(QStringLiteral("ClearDate"))));
        txtClearRemarks->setPlainText(rs.text(QStringLiteral("ClearRemarks")));
        txtClearRemarks->setReadOnly(true);
        cmdSave->setEnabled(false);
        cmdIgnore->setText(QStringLiteral("&Close"));
    }
}

void frmClearPatient::cmdSave_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        SharedConnection().call(QStringLiteral("STATION..spCL_ClearPatientForDischarge"),
                                {txtAdmNo->text(), Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString(),
                                 txtClearRemarks->toPlainText().replace(QLatin1Char('\''), QLatin1Char('`'))});
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        ShowErrorNotice(e);
        return;
    }
    QApplication::restoreOverrideCursor();
    MsgBox(QStringLiteral("Patient has been cleared for discharge."), vbInformation);
    accept();
}
