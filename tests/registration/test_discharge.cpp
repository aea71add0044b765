// Discharge and room transfer, the discharge order, and the notices' clearance.
#include "support/RegistrationFixture.h"
#include "support/ScriptedValidation.h"

#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmDischargeMenu.h"
#include "registration/frmDischargeNotice.h"
#include "registration/frmHBPS.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QDateEdit>
#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

class Discharge : public RegistrationTest {
protected:
    // The patient as the workspace gives it; the lists point elsewhere.
    void workspaceOn(const QString& idNum, const QString& room)
    {
        patient = PatientContext();
        patient.IDNum = idNum;
        patient.Room = room;
        patient.PatientName = QStringLiteral("PATIENT, THE");
        patient.PatientType = QStringLiteral("I");
        Session.PatientSearch->ValidateAdmission(idNum);
        Selection.SelectedPatientType = QStringLiteral("O");
        Selection.SelectedIDNum = QStringLiteral("2026000001B");
        GetServerDate();
    }
    PatientContext patient;
    void notice(const QString& idNum, const QString& status)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = ?"), {idNum});
        conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, RecordStatus, OrderedDate, Noticedate, "
                                      "Remarks, UserID) VALUES (?, ?, GETDATE(), GETDATE(), 'GO HOME', 'CL002')"),
                       {idNum, status});
    }
    void pendingRequest(const QString& idNum)
    {
        conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, Quantity, "
                                      "RequestDate, StationID, RecordStatus) VALUES ('RQTEST1', ?, 'LB', 'CBC', 1, GETDATE(), 'CL', NULL)"),
                       {idNum});
    }
    bool discharged(const QString& idNum)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE IDNum = ? AND DcrDate IS NOT NULL"), {idNum}) == 1;
    }
};

TEST_F(Discharge, TheChecksRunInTheirOrderBeforeTheQuestion)
{
    const QString noOrder = QStringLiteral("You are not allowed to discharge this patient. Please process/send first the Discharge "
                                           "Order to Billing Dept.");
    const QString notProcessed = QStringLiteral("You are not allowed to discharge this patient. Wait for the Billing to print the "
                                                "Processing Sheet.");
    struct Case { const char* what; std::function<void(frmDischargeMenu&)> prepare; QString text; };
    const Case cases[] = {
        {"no order", [this](frmDischargeMenu&) { conn().execute(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = '2026900001'")); },
         noOrder},
        {"final, not processed", [this](frmDischargeMenu&) { notice(QStringLiteral("2026900001"), QStringLiteral("F")); }, notProcessed},
        {"before the admission",
         [](frmDischargeMenu& d) {
             d.dtpDCR0->setMinimumDate(QDate(2000, 1, 1));
             d.dtpDCR0->setDate(QDate(2000, 1, 2));
         },
         QStringLiteral("Invalid Discharged Date.")},
        {"pending request", [this](frmDischargeMenu&) { pendingRequest(QStringLiteral("2026900001")); },
         QStringLiteral("Patient Has Pending Request(s)! Can't Discharge this Patient.")},
    };
    for (const Case& c : cases) {
        workspaceOn(QStringLiteral("2026900001"), QStringLiteral("201"));
        notice(QStringLiteral("2026900001"), QStringLiteral("P"));
        conn().execute(QStringLiteral("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'RQTEST1'"));
        frmDischargeMenu dialog(patient);
        c.prepare(dialog);
        UiScript::reset();
        dialog.cmdOptions[0]->click();
        EXPECT_EQ(UiScript::texts(), QStringList{c.text}) << c.what;
        EXPECT_EQ(UiScript::shown().value(0).title, QStringLiteral("Notification")) << c.what;
        EXPECT_EQ(UiScript::shown().value(0).style, int(vbExclamation)) << c.what;
        EXPECT_FALSE(discharged(QStringLiteral("2026900001"))) << c.what;
    }
}

TEST_F(Discharge, AProcessedOrderLetsThePatientGoWithResultAndDisposition)
{
    workspaceOn(QStringLiteral("2026900001"), QStringLiteral("201"));
    frmDischargeMenu dialog(patient);
    EXPECT_EQ(dialog.txtOldRoom->text(), QStringLiteral("201"));
    EXPECT_EQ(dialog.dtpDCR0->maximumDate(), Session.ServerDate.date());
    // "Autopsied" takes "Died" with it; another result cannot be chosen beside it
    dialog.optDisposition[3]->click();
    EXPECT_TRUE(dialog.optResults[3]->isChecked());
    dialog.optResults[1]->click();
    EXPECT_TRUE(dialog.optResults[3]->isChecked());
    EXPECT_FALSE(dialog.optResults[1]->isChecked());
    dialog.optDisposition[0]->click();
    EXPECT_FALSE(dialog.optResults[3]->isChecked());
    dialog.optResults[3]->click(); // "Died" alone is not a result
    EXPECT_FALSE(dialog.optResults[3]->isChecked());
    dialog.optResults[1]->click();
    dialog.dtpDCR1->setTime(QTime(10, 15));
    UiScript::queueAnswer(vbYes);
    dialog.cmdOptions[0]->click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("The Patient is about to be discharged. Do you want to proceed?"),
                                              QStringLiteral("Patient Successfully Discharged !")}));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("WARNING"));
    EXPECT_EQ(text(QStringLiteral("SELECT DischargeResult || '/' || Disposition || '/' || DischargedBy FROM PATIENT_DATA..tbPatient "
                                  "WHERE IDNum = '2026900001'")),
              QStringLiteral("2/1/CL001"));
    EXPECT_TRUE(discharged(QStringLiteral("2026900001")));
}

TEST_F(Discharge, TheDischargeChecksThePendingRequestsAgainInsideItsTransaction)
{
    Session.PatientSearch->ValidateAdmission(QStringLiteral("2026900001"));
    clsAdmission* a = Session.PatientSearch->Admission();
    pendingRequest(QStringLiteral("2026900001"));
    EXPECT_FALSE(a->DischargePatient(QStringLiteral("2026900001"), QDateTime::currentDateTime(), QStringLiteral("1"),
                                     QStringLiteral("1"), QStringLiteral("CL001"), QStringLiteral("201"), QString()));
    EXPECT_EQ(a->DischargeRefusal, QStringLiteral("Patient Has Pending Request(s)! Can't Discharge this Patient."));
    EXPECT_FALSE(discharged(QStringLiteral("2026900001")));
    EXPECT_FALSE(conn().inTransaction());
    // a stay discharged already is not discharged twice
    conn().execute(QStringLiteral("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'RQTEST1'"));
    EXPECT_TRUE(a->DischargePatient(QStringLiteral("2026900001"), QDateTime::currentDateTime(), QStringLiteral("1"), QStringLiteral("1"),
                                    QStringLiteral("CL001"), QStringLiteral("201"), QString()));
    EXPECT_FALSE(a->DischargePatient(QStringLiteral("2026900001"), QDateTime::currentDateTime(), QStringLiteral("1"),
                                     QStringLiteral("1"), QStringLiteral("CL001"), QStringLiteral("201"), QString()));
    EXPECT_FALSE(a->DischargeRefusal.isEmpty());
}

TEST_F(Discharge, ARoomTransferMovesTheStayAndTheWorkspace)
{
    workspaceOn(QStringLiteral("2026900001"), QStringLiteral("201"));
    frmDischargeMenu dialog(patient);
    dialog.cmdTransfer[0]->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Can't save a blank new room.")});
    // a refused validation, then No: nothing moves and the dialog stays
    dialog.txtNewRoom->setText(QStringLiteral("305"));
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
    UiScript::queueAnswer(vbYes);
    UiScript::queueAnswer(vbNo);
    dialog.cmdTransfer[0]->click();
    EXPECT_EQ(UiScript::texts().last(),
              QStringLiteral("Selected patient will not be transfered to room 305 \nAre you sure you want to transfer this patient?"));
    EXPECT_EQ(text(QStringLiteral("SELECT RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = '2026900001'")), QStringLiteral("201"));

    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    dialog.dtpTimeTransfer->setTime(QTime(11, 40));
    dialog.cmdTransfer[0]->click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to Transfer this patient  to Room 305?"),
                                              QStringLiteral("Patient Successfully Transfered to 305.")}));
    EXPECT_EQ(text(QStringLiteral("SELECT RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = '2026900001'")), QStringLiteral("305"));
    EXPECT_EQ(text(QStringLiteral("SELECT OldRoomID || '/' || NewRoomID || '/' || UserID FROM PATIENT_DATA..tbPatientRoomTransfer "
                                  "WHERE IDNum = '2026900001'")),
              QStringLiteral("201/305/CL001"));
    EXPECT_EQ(dialog.txtNewStation->text(), QStringLiteral("THIRD FLOOR NURSING"));
    EXPECT_TRUE(dialog.Transferred);
    EXPECT_EQ(dialog.Patient.Room, QStringLiteral("305")); // the workspace shows it and reads the stay again
}

TEST_F(Discharge, TheOrdersButtonsFollowItsStatus)
{
    struct Case { const char* status; bool preliminary, final, revoke; bool noticeShown; };
    const Case cases[] = {{"P", false, false, false, true}, {"F", false, true, true, true}, {"R", true, false, false, false},
                          {"Y", true, true, true, false},   {"S", true, true, true, false}};
    workspaceOn(QStringLiteral("2026900005"), QStringLiteral("303"));
    for (const Case& c : cases) {
        notice(QStringLiteral("2026900005"), QString::fromLatin1(c.status));
        frmHBPS order(patient);
        EXPECT_EQ(order.Command1[0]->isEnabled(), c.preliminary) << c.status;
        EXPECT_EQ(order.Command1[1]->isEnabled(), c.final) << c.status;
        EXPECT_EQ(order.cmdRevoke->isEnabled(), c.revoke) << c.status;
        EXPECT_EQ(!order.panel[6]->text().isEmpty(), c.noticeShown) << c.status;
        UiScript::reset();
        order.Timer1_Timer();
        EXPECT_EQ(UiScript::texts().size(), QString::fromLatin1(c.status) == QLatin1String("Y") ? 1 : 0) << c.status;
    }
}

TEST_F(Discharge, AnOrderIsSavedAsPreliminaryThenSentThenRevoked)
{
    workspaceOn(QStringLiteral("2026900005"), QStringLiteral("303"));
    conn().execute(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = '2026900005'"));
    frmHBPS order(patient);
    EXPECT_TRUE(order.optWithOperation[1]->isChecked());
    EXPECT_FALSE(order.dtpOperation->isEnabled());
    order.txtMedDiagnosis->setPlainText(QStringLiteral("STABLE ANGINA"));
    order.txtRemarks->setPlainText(QStringLiteral("PATIENT'S WIFE INFORMED"));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    order.Command1[0]->click();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(text(QStringLiteral("SELECT RecordStatus || '/' || FinalDiagnosis || '/' || Remarks || '/' || UserID FROM "
                                  "STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = '2026900005'")),
              QStringLiteral("S/STABLE ANGINA/PATIENT'S WIFE INFORMED/CL001"));
    // saved without an operation, it reads back without one
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = '2026900005' "
                                   "AND OperationDate IS NULL")),
              1);
    EXPECT_TRUE(order.optWithOperation[1]->isChecked());
    EXPECT_TRUE(order.Command1[1]->isEnabled());

    // the final send asks again after a refused validation
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    for (int i = 0; i < 3; ++i) UiScript::queueAnswer(vbYes); // No is the first question's default
    order.Command1[1]->click();
    EXPECT_EQ(UiScript::texts().size(), 3);
    EXPECT_EQ(UiScript::texts().last(), QStringLiteral("Are you sure you want to send FINAL DISCHARGE ORDER to the Billing department?"));
    EXPECT_EQ(text(QStringLiteral("SELECT RecordStatus FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = '2026900005'")),
              QStringLiteral("F"));
    EXPECT_TRUE(HasDischargeNotice(conn(), QStringLiteral("2026900005")));

    frmHBPS again(patient);
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) {
        DialogAnswers.ValidatedUserID = QStringLiteral("CL001");
        DialogAnswers.CancelReason = QStringLiteral("WRONG PATIENT");
        d->accept();
    });
    again.cmdRevoke->click();
    EXPECT_EQ(UiScript::texts().last(), QStringLiteral("Discharge Order Successfully Revoked!"));
    EXPECT_EQ(text(QStringLiteral("SELECT RecordStatus || '/' || RevokedBy || '/' || RevokeReason FROM "
                                  "STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = '2026900005'")),
              QStringLiteral("R/CL001/WRONG PATIENT"));
}

TEST_F(Discharge, ANoticeIsClearedOnceWithItsRemarks)
{
    notice(QStringLiteral("2026900005"), QStringLiteral("F"));
    frmDischargeNotice list;
    list.cmdSelect->click(); // nothing chosen: nothing happens
    EXPECT_FALSE(list.Valid);
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; i < list.lvwRequest->topLevelItemCount(); ++i)
        if (list.lvwRequest->topLevelItem(i)->text(2) == QLatin1String("2026900005")) item = list.lvwRequest->topLevelItem(i);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->data(0, Qt::UserRole).toString(), QStringLiteral("open"));
    list.lvwRequest->setCurrentItem(item);
    list.cmdSelect->click();
    EXPECT_TRUE(list.Valid);
    EXPECT_EQ(list.IDNum, QStringLiteral("2026900005"));

    {
        frmClearPatient clearance;
        clearance.IDNum = list.IDNum;
        clearance.show();
        EXPECT_EQ(clearance.txtSname->text(), QStringLiteral("ESGUERRA"));
        // the admission date as every date shows: month and day in two digits
        const QDateTime admitted = conn().query(QStringLiteral("SELECT AdmDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"),
                                                {list.IDNum}).toDateTime(QStringLiteral("AdmDate"));
        EXPECT_EQ(clearance.txtAdmDate->text(), admitted.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")));
        EXPECT_EQ(clearance.txtClearDate->text(), QStringLiteral("For clearing"));
        EXPECT_EQ(clearance.txtClearedBy->text(), QStringLiteral("(CL001) DELA CRUZ, ANA MARQUEZ"));
        clearance.txtClearRemarks->setPlainText(QStringLiteral("NO CL'S CHARGES"));
        clearance.cmdSave->click();
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Patient has been cleared for discharge."));
    }
    EXPECT_EQ(text(QStringLiteral("SELECT ClearedBy || '/' || Remarks FROM STATION..tbNurseDeptClearance "
                                  "WHERE IDNum = '2026900005' AND DepartmentID = 'CL' AND ClearDate IS NOT NULL")),
              QStringLiteral("CL001/NO CL`S CHARGES"));
    frmClearPatient cleared;
    cleared.IDNum = QStringLiteral("2026900005");
    cleared.show();
    EXPECT_FALSE(cleared.cmdSave->isEnabled());
    EXPECT_EQ(cleared.cmdIgnore->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(cleared.txtClearRemarks->isReadOnly());
    // an admission without a notice cannot be cleared
    frmClearPatient none;
    none.IDNum = QStringLiteral("2026900009");
    none.show();
    EXPECT_FALSE(none.cmdSave->isEnabled());
}

} // namespace
