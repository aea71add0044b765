// The workspace acts on the patient handed to it, whatever a patient list selects afterwards.
#include "WorkspaceFixture.h"

#include "assessment/frmAssessmentClinical.h"
#include "charging/frmCharge.h"
#include "components/patient_search/clsPatientSearch.h"
#include "medication_requests/RequestEntryWindow.h"
#include "ordering/ExamOrderingData.h"
#include "ordering/OrdersGrid.h"
#include "ordering/PickList.h"
#include "ordering/frmRemarks.h"
#include "patients/PatientSelection.h"
#include "patients/WorkspaceHandOff.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "registration/frmDischargeMenu.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/orders/OrderRow.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

class WorkspacePatient : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        search = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
        search->InitConnection(&conn(), QString());
        Session.PatientSearch = search;
        setRights("|1|2|3|4|5|6|9");
        // A: a stay that may order and charge (no clearance, open account, every section on the
        // account), in a room whose chest x-ray costs other than an out-patient's.
        for (int n = 0; n < 20 && a.isEmpty(); ++n) {
            const QString id = admission(n);
            if (count("SELECT COUNT(*) FROM STATION..tbNurseDeptClearance WHERE IDNum = ?", {id}) == 0 &&
                count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE IDNum = ? AND BillingDate IS NULL", {id}) == 1 &&
                count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {id}) == 0 &&
                xray(PatientContextData::Load(conn(), hospNumOf(id), id, QString()).RoomClass) != xray("A"))
                a = id;
        }
        ASSERT_FALSE(a.isEmpty());
        conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {a});
        b = visit(1);
    }
    void TearDown() override
    {
        delete frmCharge::existing();
        delete frmAssessmentClinical::existing();
        Session.PatientSearch = nullptr;
        delete search;
        WorkspaceTest::TearDown();
    }
    QString xray(const QString& roomClass) { return ExamOrderingData::ExamAmount(conn(), "XR", roomClass, "CXRPA"); }
    // The list selects the patient and hands it off; then it selects B.
    frmFinal* handOffAThenSelectB()
    {
        PatientSelection::SelectRow(hospNumOf(a), a, 1, PatientSelection::Kind::InPatient, false, false);
        WorkspaceHandOff::OpenFromList(hospNumOf(a), a);
        frmFinal* w = frmFinal::existing();
        w->Timer1_Timer();
        PatientSelection::SelectRow(hospNumOf(b), b, 2, PatientSelection::Kind::OutPatient, false, false);
        EXPECT_EQ(Selection.SelectedIDNum, b);
        EXPECT_EQ(Selection.SelectedPatientType, "O");
        UiScript::reset();
        return w;
    }
    static void answerRemarks(const char* transplant)
    {
        UiScript::queueDialog(QStringLiteral("frmRemarks"), [transplant](QDialog* d) {
            auto* r = static_cast<frmRemarks*>(d);
            r->cboTransplant->setEditText(QString::fromLatin1(transplant));
            QTest::mouseClick(r->Command1, Qt::LeftButton);
        });
    }
    QString a, b;
    clsPatientSearch* search = nullptr;
};

TEST_F(WorkspacePatient, EveryActionActsOnThePatientHandedOver)
{
    struct Case {
        const char* action;
        std::function<QString(frmFinal*)> patientActedOn; // the admission the action took
    };
    const Case cases[] = {
        {"price an exam",
         [&](frmFinal* w) {
             answerRemarks("Non-Transplant");
             PickList::Find(w->lstListXray, "XR", "CXRPA")->setCheckState(Qt::Checked);
             // A's room class priced it, not the visit's
             EXPECT_EQ(w->mshflexOrders->TextMatrix(1, OrderRow::Amount),
                       xray(PatientContextData::Load(conn(), hospNumOf(a), a, QString()).RoomClass));
             return w->Patient.IDNum;
         }},
        {"remarks start from the patient's file",
         [&](frmFinal* w) {
             conn().execute("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, transplantID, dialysisID, VIP, OkeyXray) VALUES (?, '1', '2', 0, 1)", {a});
             delete frmFinal::existing(); // handed off afresh: the header load reads the file
             w = handOffAThenSelectB();
             QString texts;
             UiScript::queueDialog(QStringLiteral("frmRemarks"), [&texts](QDialog* d) {
                 auto* r = static_cast<frmRemarks*>(d);
                 texts = r->cboTransplant->currentText() + "|" + r->cboDialysis->currentText();
                 QTest::mouseClick(r->Command1, Qt::LeftButton);
             });
             PickList::Find(w->lstListXray, "XR", "CXRPA")->setCheckState(Qt::Checked);
             conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {a});
             EXPECT_EQ(texts, "Transplant|Post-Dialysis") << UiScript::lastText().toStdString();
             return texts == "Transplant|Post-Dialysis" ? w->Patient.IDNum : texts;
         }},
        {"save the orders",
         [&](frmFinal* w) {
             // A transplant patient's order, chosen before the list moved on, is saved as one.
             conn().execute("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum IN (?, ?)", {a, b});
             UiScript::reset();
             answerRemarks("Transplant");
             PickList::Find(w->lstListXray, "XR", "CXRPA")->setCheckState(Qt::Checked);
             PatientSelection::SelectRow(hospNumOf(b), b, 2, PatientSelection::Kind::OutPatient, false, false);
             UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) {
                 QTest::keyClicks(d->findChild<QLineEdit*>("txtUserID"), "CL001");
                 QLineEdit* code = d->findChild<QLineEdit*>("txtAccessCode");
                 QTest::keyClicks(code, "CATH1");
                 QTest::keyClick(code, Qt::Key_Return);
             });
             w->cmdSave_Click();
             EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {b}), 0);
             const Recordset rs = conn().query("SELECT IDNum, TransplantID FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {a});
             EXPECT_EQ(rs.recordCount(), 1);
             EXPECT_EQ(rs.text("TransplantID").trimmed(), "1");
             return rs.text("IDNum");
         }},
        {"requesting doctor of the order save",
         [&](frmFinal* w) {
             const QString doctorOfA = PatientContextData::Load(conn(), hospNumOf(a), a, QString()).AttendingDoctorCode;
             EXPECT_FALSE(doctorOfA.isEmpty());
             Selection.AttendingDoctorCode = QStringLiteral("D099"); // the list's patient's doctor
             conn().execute("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum IN (?, ?)", {a, b});
             answerRemarks("Non-Transplant");
             PickList::Find(w->lstListXray, "XR", "CXRPA")->setCheckState(Qt::Checked);
             UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) {
                 QTest::keyClicks(d->findChild<QLineEdit*>("txtUserID"), "CL001");
                 QLineEdit* code = d->findChild<QLineEdit*>("txtAccessCode");
                 QTest::keyClicks(code, "CATH1");
                 QTest::keyClick(code, Qt::Key_Return);
             });
             QString shown;
             UiScript::queueDialog("frmRequestingDoctor", [&](QDialog* d) {
                 shown = static_cast<frmRequestingDoctor*>(d)->txtRequestingDoctor[1]->text();
                 d->reject();
             });
             w->cmdSave_Click();
             EXPECT_TRUE(UiScript::dialogsRun().contains("frmRequestingDoctor")) << UiScript::dialogsRun().join(',').toStdString();
             return shown == doctorOfA ? a : shown;
         }},
        {"charging entry",
         [](frmFinal* w) {
             w->cmdNextPatient_Click(5);
             EXPECT_TRUE(frmCharge::isLoaded());
             return frmCharge::isLoaded() ? frmCharge::existing()->txtID->text() : QString();
         }},
        {"clinical assessment",
         [](frmFinal* w) {
             w->cmdNextPatient_Click(9);
             return frmAssessmentClinical::isLoaded() ? frmAssessmentClinical::existing()->Patient.IDNum : QString();
         }},
        {"pharmacy entry",
         [](frmFinal* w) {
             QString id;
             UiScript::queueDialog("frmPHEntry", [&](QDialog* d) {
                 id = static_cast<RequestEntryWindow*>(d)->Patient.IDNum;
                 d->reject();
             });
             w->Form_KeyDown(117); // F6
             return id;
         }},
        {"central supply entry",
         [](frmFinal* w) {
             QString id;
             UiScript::queueDialog("frmCSREntry", [&](QDialog* d) {
                 id = static_cast<RequestEntryWindow*>(d)->Patient.IDNum + "|" + static_cast<RequestEntryWindow*>(d)->Patient.PatientType;
                 d->reject();
             });
             w->Form_KeyDown(118); // F7
             EXPECT_TRUE(id.endsWith("|I")) << id.toStdString();
             return id.section('|', 0, 0);
         }},
        {"discharge",
         [](frmFinal* w) {
             QString id;
             UiScript::queueDialog("frmDischargeMenu", [&](QDialog* d) {
                 auto* dialog = static_cast<frmDischargeMenu*>(d);
                 EXPECT_EQ(dialog->txtOldRoom->text(), w->txtRoom->text());
                 id = dialog->Patient.IDNum;
                 d->reject();
             });
             w->cmdNextPatient_Click(4);
             return id;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        frmFinal* w = handOffAThenSelectB();
        EXPECT_EQ(c.patientActedOn(w), a);
        delete frmCharge::existing();
        delete frmAssessmentClinical::existing();
        delete frmFinal::existing();
    }
}

} // namespace
