// The nurses' notes page of the workspace: new notes and the patient's past notes.
#include "workspace/frmFinal.h"

#include "access/UserValidation.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "workspace/ChartData.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
const char* const kShifts[] = {"6AM-2PM", "2PM-10PM", "10PM-6AM"};

QDate noteHeaderDate(const QString& text)
{
    return QDate::fromString(text.trimmed().left(10), QStringLiteral("MM/dd/yyyy"));
}
}

void frmFinal::buildNotesPage(QWidget* page)
{
    auto* outer = new QVBoxLayout(page);
    SSNotebookNotes = new QTabWidget(page);
    SSNotebookNotes->setObjectName(QStringLiteral("SSNotebookNotes"));
    outer->addWidget(SSNotebookNotes);
    QWidget* entry = new QWidget(SSNotebookNotes);
    QWidget* past = new QWidget(SSNotebookNotes);
    SSNotebookNotes->addTab(entry, QStringLiteral("Notes Entry"));
    SSNotebookNotes->addTab(past, QStringLiteral("Past Notes"));
    for (int i = 0; i < 4; ++i) {
        dtpNotes[i] = new QDateTimeEdit(i < 2 ? entry : past);
        dtpNotes[i]->setObjectName(QStringLiteral("dtpNotes%1").arg(i));
        dtpNotes[i]->setDisplayFormat(i % 2 ? QStringLiteral("hh:mm:ss AP") : QStringLiteral("MM/dd/yyyy"));
    }
    for (int i = 0; i < 2; ++i) {
        cboShift[i] = new QComboBox(i ? past : entry);
        cboShift[i]->setObjectName(QStringLiteral("cboShift%1").arg(i));
        for (const char* s : kShifts) cboShift[i]->addItem(QString::fromLatin1(s));
        cboShift[i]->setCurrentIndex(0);
    }
    txtNotesEntry = new QPlainTextEdit(entry);
    txtNotesEntry->setObjectName(QStringLiteral("txtNotesEntry"));
    txtPrevNotes = new QPlainTextEdit(past);
    txtPrevNotes->setObjectName(QStringLiteral("txtPrevNotes"));
    txtPrevNotes->setReadOnly(true);
    txtPrevNotes->setEnabled(false);
    cboShift[1]->setEnabled(false);
    const char* captions[] = {"Save", "Edit", "Update"};
    for (int i = 0; i < 3; ++i) {
        cmdSaveNotes[i] = new QPushButton(QString::fromLatin1(captions[i]), i ? past : entry);
        cmdSaveNotes[i]->setObjectName(QStringLiteral("cmdSaveNotes%1").arg(i));
        cmdSaveNotes[i]->setEnabled(false);
        connect(cmdSaveNotes[i], &QPushButton::clicked, this, [this, i] { cmdSaveNotes_Click(i); });
    }
    mshflexPrevNotes = new FlexGrid(past);
    mshflexPrevNotes->setObjectName(QStringLiteral("mshflexPrevNotes"));
    connect(mshflexPrevNotes, &QTableWidget::cellClicked, this, [this] { mshflexPrevNotes_Click(); });
    connect(txtNotesEntry, &QPlainTextEdit::textChanged, this, &frmFinal::txtNotesEntry_Change);
    lblInfo13 = new QLabel(past);
    lblInfo13->setObjectName(QStringLiteral("lblInfo13"));

    auto* e = new QGridLayout(entry);
    e->addWidget(new QLabel(QStringLiteral("Date :"), entry), 0, 0);
    e->addWidget(dtpNotes[0], 0, 1);
    e->addWidget(new QLabel(QStringLiteral("Time :"), entry), 0, 2);
    e->addWidget(dtpNotes[1], 0, 3);
    e->addWidget(new QLabel(QStringLiteral("Shift :"), entry), 0, 4);
    e->addWidget(cboShift[0], 0, 5);
    e->addWidget(new QLabel(QStringLiteral("Notes...."), entry), 1, 0);
    e->addWidget(txtNotesEntry, 2, 0, 1, 6);
    e->addWidget(cmdSaveNotes[0], 3, 5);
    auto* p = new QGridLayout(past);
    p->addWidget(mshflexPrevNotes, 0, 0, 1, 6);
    p->addWidget(new QLabel(QStringLiteral("Entered By:"), past), 1, 0);
    p->addWidget(lblInfo13, 1, 1);
    p->addWidget(new QLabel(QStringLiteral("Date :"), past), 2, 0);
    p->addWidget(dtpNotes[2], 2, 1);
    p->addWidget(new QLabel(QStringLiteral("Time :"), past), 2, 2);
    p->addWidget(dtpNotes[3], 2, 3);
    p->addWidget(new QLabel(QStringLiteral("Shift :"), past), 2, 4);
    p->addWidget(cboShift[1], 2, 5);
    p->addWidget(new QLabel(QStringLiteral("Notes...."), past), 3, 0);
    p->addWidget(txtPrevNotes, 4, 0, 1, 6);
    p->addWidget(cmdSaveNotes[1], 5, 4);
    p->addWidget(cmdSaveNotes[2], 5, 5);
}

void frmFinal::LoadNursesNotes()
{
    try {
        const QDateTime now = GetServerDate();
        const QDate admitted = noteHeaderDate(txtDateAdmitted->text());
        dtpNotes[0]->setDateRange(admitted.isValid() ? admitted : QDate(1900, 1, 1), now.date());
        dtpNotes[0]->setDate(now.date());
        dtpNotes[1]->setTime(now.time());
        cmdSaveNotes[1]->setEnabled(false);
        if (NotesShownIDNum != txtID->text()) {
            // Another patient: the past note still on the page is not this patient's.
            NotesShownIDNum = txtID->text();
            lblInfo13->clear();
            txtPrevNotes->clear();
            cmdSaveNotes[2]->setEnabled(false);
            for (QWidget* w : std::initializer_list<QWidget*>{dtpNotes[2], dtpNotes[3], cboShift[1], txtPrevNotes}) w->setEnabled(false);
            txtPrevNotes->setReadOnly(true);
        }
        cboShift[0]->setCurrentText(ChartData::ShiftOfHour(now.time().hour()));
        mshflexPrevNotes->clear();
        mshflexPrevNotes->setCols(6);
        mshflexPrevNotes->setRows(2);
        mshflexPrevNotes->setFixedRows(1);
        const int widths[] = {1, 1700, 1000, 2500, 1000, 0};
        for (int c = 0; c < 6; ++c) mshflexPrevNotes->setColWidth(c, widths[c]);
        const char* heads[] = {"Date / Time", "Day Shift", "Entered By", "User ID"};
        for (int c = 0; c < 4; ++c) mshflexPrevNotes->setTextMatrix(0, c + 1, QString::fromLatin1(heads[c]));
        Recordset rs = ChartData::GetNotes(SharedConnection(), txtID->text());
        mshflexPrevNotes->setEnabled(!rs.isEmpty());
        if (!rs.isEmpty()) mshflexPrevNotes->setRows(1 + rs.recordCount());
        for (int r = 0; r < rs.recordCount(); ++r) {
            const QDateTime when = DbValue::toDateTime(rs.valueAt(r, 0));
            mshflexPrevNotes->setTextMatrix(r + 1, 1, when.isValid() ? Fmt::serverDateText(when) : QString());
            for (int c = 1; c < 5; ++c) mshflexPrevNotes->setTextMatrix(r + 1, c + 1, DbValue::text(rs.valueAt(r, c)));
        }
        txtNotesEntry->setFocus();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::txtNotesEntry_Change()
{
    if (!IsOutPatientNumber(txtID->text())) cmdSaveNotes[0]->setEnabled(true);
}

void frmFinal::mshflexPrevNotes_Click()
{
    cmdSaveNotes[2]->setEnabled(false);
    if (mshflexPrevNotes->Rows() == 2 && mshflexPrevNotes->TextMatrix(1, 1).isEmpty()) return;
    const int row = qMax(1, mshflexPrevNotes->currentRow());
    lblInfo13->setText(QStringLiteral(" ") + mshflexPrevNotes->TextMatrix(row, 3).trimmed());
    try {
        const ChartData::Note n = ChartData::ReadNote(SharedConnection(), mshflexPrevNotes->TextMatrix(row, 5));
        if (n.found) {
            NotesShownIDNum = txtID->text();
            dtpNotes[2]->setDate(n.when.date());
            dtpNotes[3]->setTime(n.when.time());
            cboShift[1]->setCurrentText(n.shift);
            txtPrevNotes->setPlainText(n.text);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    // A past note can be edited once it is shown.
    cmdSaveNotes[1]->setEnabled(true);
}

void frmFinal::cmdSaveNotes_Click(int index)
{
    const int row = qMax(1, mshflexPrevNotes->currentRow());
    const QString transNum = mshflexPrevNotes->TextMatrix(row, 5).trimmed();
    const QString author = mshflexPrevNotes->TextMatrix(row, 3).trimmed();
    auto refuseEdit = [&] {
        MsgBox(QStringLiteral("You are not allowed to edit this notes entered by: ") + author, vbCritical, QStringLiteral("Message"));
        cmdSaveNotes[1]->setEnabled(false);
    };
    auto setPastNoteEditing = [this](bool on) {
        for (QWidget* w : std::initializer_list<QWidget*>{cmdSaveNotes[1], cmdSaveNotes[2], dtpNotes[2], dtpNotes[3], cboShift[1],
                                                          txtPrevNotes})
            w->setEnabled(on);
        txtPrevNotes->setReadOnly(!on);
    };
    try {
        if (index == 0) {
            if (txtNotesEntry->toPlainText().isEmpty()) {
                MsgBox(QStringLiteral("No Data to Save?"), vbOKOnly);
                cmdSaveNotes[0]->setEnabled(false);
                return;
            }
            if (!ValidateUser({.retryQuestion = QStringLiteral("Unable to continue this transaction! \r\nAre you sure you want to save this Nurses Notes?"), .retryTitle = QStringLiteral("Message")})) return;
            GetServerDate();
            cmdSaveNotes[0]->setEnabled(false);
            try {
                ChartData::SaveNote(SharedConnection(), txtID->text(), dtpNotes[0]->date(), dtpNotes[1]->time(),
                                    txtNotesEntry->toPlainText(), cboShift[0]->currentText(), DialogAnswers.ValidatedUserID,
                                    Session.CurrentStationID.toString());
            } catch (...) {
                txtNotesEntry_Change(); // the note stays for another try
                throw;
            }
            dtpNotes[0]->setDate(Session.ServerDate.date());
            txtNotesEntry->clear();
            LoadNursesNotes();
        } else if (index == 1) {
            NotesEditUserID.clear();
            if (!ValidateUser({.retryQuestion = QStringLiteral("Unable to continue this transaction! \r\nAre you sure you want to Edit this Nurses Notes?"), .retryTitle = QStringLiteral("Message")})) return;
            if (!ChartData::OwnsNote(SharedConnection(), transNum, DialogAnswers.ValidatedUserID)) return refuseEdit();
            NotesEditUserID = DialogAnswers.ValidatedUserID;
            setPastNoteEditing(true);
        } else {
            if (!ChartData::OwnsNote(SharedConnection(), transNum, NotesEditUserID)) return refuseEdit();
            setPastNoteEditing(false);
            try {
                // The shift box is open for editing, so the shift sent is the one it shows.
                ChartData::UpdateNote(SharedConnection(), cboShift[1]->currentText(), dtpNotes[2]->date(), dtpNotes[3]->time(),
                                      txtPrevNotes->toPlainText(), transNum);
            } catch (...) {
                setPastNoteEditing(true); // the edited note stays open for another try
                throw;
            }
            MsgBox(QStringLiteral("Nurses notes successfully updated."), vbInformation, QStringLiteral("Message"));
            LoadNursesNotes();
        }
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("Error While Saving Nurses Notes  ") + QString::fromUtf8(e.what()), vbCritical);
    }
}
