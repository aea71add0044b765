// The department case actions of the case list: their refusals in order, confirmations, user
// validation, what they write and what they report.
#include "support/TableOutOfReach.h"
#include "patients/GridDriver.h"
#include "support/PatientsFixture.h"

#include "access/frmTransaction_UserValidation.h"
#include "components/Component.h"
#include "components/login/clsCurrentuser.h"
#include "patients/CaseActionsData.h"
#include "patients/PatientSelection.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/db/Dialect.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmRegistration.h"
#include "shared/modGlobals.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace GridDriver;

class CaseActions : public PatientsTest {
protected:
    frmCathPatients* w = nullptr;
    void SetUp() override
    {
        PatientsTest::SetUp();
        w = frmCathPatients::instance();
        w->show();
    }
    // Finds the case by its admission number and enters its row.
    void choose(const QString& idNum)
    {
        w->txtSearch[2]->setText(idNum);
        w->Command1_Click();
        ASSERT_EQ(w->MSHFlexList->TextMatrix(1, 2), idNum);
        clickRow(w->MSHFlexList, 1);
        UiScript::reset();
    }
    void chooseNobody()
    {
        w->txtSearch[2]->setText(QStringLiteral("NOSUCH"));
        w->Command1_Click();
        UiScript::reset();
    }
    QString caseStatus(const QString& num)
    {
        return scalarText(QStringLiteral("SELECT RecordStatus FROM CLINICAL_AREA..TBCLPATIENT WHERE CathLabNum = ?"), {num});
    }
    int requests(const QString& opd)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = ?"), {opd});
    }
};

TEST_F(CaseActions, EveryActionAsksForAPatientFirst)
{
    struct Case {
        void (frmCathPatients::*action)();
        const char* text;
        const char* title;
        bool searchesAgain;
    };
    const Case cases[] = {
        {&frmCathPatients::lblAdmit_Click, "Please select patient to tag for admission.", "Notification", false},
        {&frmCathPatients::lblDischarge_Click, "Please select patient to discharge from Cathlab.", "Notification", false},
        {&frmCathPatients::lblEdit_Click, "Please select patient to edit.", "Message", true},
        {&frmCathPatients::lblRevoke_Click, "Please select patient to revoke.", "Notification", false},
    };
    for (const Case& c : cases) {
        chooseNobody();
        Selection.SelectedListRow = 7;
        (w->*c.action)();
        ASSERT_EQ(UiScript::shown().size(), 1) << c.text;
        EXPECT_EQ(UiScript::shown()[0].text, QString::fromLatin1(c.text));
        EXPECT_EQ(UiScript::shown()[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(UiScript::shown()[0].style, int(vbOKOnly | vbInformation));
        EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
        // the edit action searches again even after its refusal
        EXPECT_EQ(Selection.SelectedListRow, c.searchesAgain ? 1 : 7) << c.text;
    }
    EXPECT_FALSE(frmRegistration::isLoaded());
}

TEST_F(CaseActions, TagRefusesAnInPatientStayByName)
{
    choose(QStringLiteral("2026900001"));
    w->lblAdmit_Click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Sorry, patient ABELLERA, ROMEO SANTOS is currently confined.")});
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
}

TEST_F(CaseActions, TagRefusesTheVisitOfAConfinedPatient)
{
    choose(QStringLiteral("900104B"));
    w->lblAdmit_Click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Computer record shows that the patient is currently confined!")});
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(requests(QStringLiteral("900104B")), 0);
}

TEST_F(CaseActions, TagValidatesThenAsksThenRecordsAPendingRequest)
{
    choose(QStringLiteral("900102B"));
    validateAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    UiScript::queueAnswer(vbYes);
    w->lblAdmit_Click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmTransaction_UserValidation")});
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to tag GALANG, TEODORO MENDOZA as for admission?"),
                                              QStringLiteral("Patient successfully tagged for admission.")}));
    Recordset rs = conn().query(QStringLiteral("SELECT HospNum, RequestedBy, COALESCE(RecordStatus, '') AS S, RequestDate "
                                               "FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = '900102B'"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("HospNum")), QStringLiteral("900007"));
    EXPECT_EQ(rs.text(QStringLiteral("RequestedBy")), QStringLiteral("CL002"));
    EXPECT_EQ(rs.text(QStringLiteral("S")), QString());
    EXPECT_TRUE(rs.toDateTime(QStringLiteral("RequestDate")).isValid());
    // the list and the selection are left as they were
    EXPECT_EQ(Selection.SelectedIDNum, QStringLiteral("900102B"));
}

TEST_F(CaseActions, TagEndsQuietlyOnCancelOrNo)
{
    choose(QStringLiteral("900102B"));
    cancelValidation();
    w->lblAdmit_Click();
    EXPECT_TRUE(UiScript::texts().isEmpty());
    UiScript::reset();
    validateAs();
    UiScript::queueAnswer(vbNo);
    w->lblAdmit_Click();
    EXPECT_EQ(UiScript::texts().size(), 1);
    EXPECT_EQ(requests(QStringLiteral("900102B")), 0);
}

TEST_F(CaseActions, TagOfAVisitAlreadyPendingRecordsNothingMore)
{
    choose(QStringLiteral("900101B"));
    validateAs();
    UiScript::queueAnswer(vbYes);
    w->lblAdmit_Click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Patient is already tagged for admission."));
    EXPECT_EQ(requests(QStringLiteral("900101B")), 1);
}

TEST_F(CaseActions, DischargeAsksThenValidatesThenDischargesTheActiveCase)
{
    choose(QStringLiteral("2026900001"));
    UiScript::queueAnswer(vbYes);
    validateAs();
    w->lblDischarge_Click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to discharge ABELLERA, ROMEO SANTOS from Cathlab?"),
                                              QStringLiteral("Patient successfully discharged from Cathlab.")}));
    Recordset rs = conn().query(QStringLiteral("SELECT RecordStatus, DischargedBy, DateDischarged FROM CLINICAL_AREA..TBCLPATIENT "
                                               "WHERE CathLabNum = 'CL-900001'"));
    EXPECT_EQ(rs.text(QStringLiteral("RecordStatus")), QStringLiteral("D"));
    EXPECT_EQ(rs.text(QStringLiteral("DischargedBy")), QStringLiteral("CL001"));
    EXPECT_TRUE(rs.toDateTime(QStringLiteral("DateDischarged")).isValid());
    // the search ran again: nothing selected until the user enters a row
    EXPECT_EQ(Selection.SelectedListRow, 1);
    EXPECT_FALSE(ComponentTrace::calls().contains(QStringLiteral("clsCF4.ValidateRequirements")));
}

TEST_F(CaseActions, DischargeEndsQuietlyOnNoOrCancel)
{
    choose(QStringLiteral("2026900001"));
    UiScript::queueAnswer(vbNo);
    w->lblDischarge_Click();
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    UiScript::reset();
    UiScript::queueAnswer(vbYes);
    cancelValidation();
    w->lblDischarge_Click();
    EXPECT_EQ(UiScript::texts().size(), 1);
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900001")), QStringLiteral("X"));
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("2026900001")); // the list is unchanged
}

TEST_F(CaseActions, DischargeChecksTheClaimFormWhenTheStationRequiresIt)
{
    setParameter(QStringLiteral("CLRequireCF4Discharge"), QStringLiteral("1"));
    choose(QStringLiteral("2026900003"));
    UiScript::queueAnswer(vbYes);
    validateAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->lblDischarge_Click();
    EXPECT_TRUE(ComponentTrace::calls().contains(QStringLiteral("clsCF4.ValidateRequirements")));
    clsCF4* cf4 = Session.CurrentUser->TALVEROClasses()->clsCF4Object();
    EXPECT_EQ(cf4->IDNum, QStringLiteral("2026900003"));
    EXPECT_EQ(cf4->EmployeeCode, QStringLiteral("CL002"));
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900003")), QStringLiteral("D"));
}

TEST_F(CaseActions, DischargeOfACaseNoLongerActiveWritesAndReportsNothing)
{
    choose(QStringLiteral("2026900004")); // discharged from the department already
    UiScript::queueAnswer(vbYes);
    validateAs();
    w->lblDischarge_Click();
    EXPECT_EQ(UiScript::texts().size(), 1); // the question only
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900004")), QStringLiteral("D"));
}

TEST_F(CaseActions, EditOpensTheRegistrationOfTheCaseThenSearchesAgain)
{
    choose(QStringLiteral("900101B"));
    bool framesEnabled = false;
    UiScript::queueDialog(QStringLiteral("frmRegistration"), [&framesEnabled](QDialog* d) {
        auto* reg = static_cast<frmRegistration*>(d);
        EXPECT_TRUE(reg->EditCathLabPatient);
        EXPECT_TRUE(reg->CurrentlyRegistered);
        EXPECT_EQ(reg->Pno, QStringLiteral("900006"));
        EXPECT_EQ(reg->IDNo, QStringLiteral("900101B"));
        framesEnabled = reg->Frame3->isEnabled() && reg->Frame4->isEnabled() && reg->Frame5->isEnabled() &&
                        reg->Frame7->isEnabled() && reg->Frame8->isEnabled() && reg->Frame9->isEnabled();
    });
    Selection.SelectedListRow = 5;
    w->lblEdit_Click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmRegistration")});
    EXPECT_TRUE(framesEnabled);
    EXPECT_EQ(Selection.SelectedListRow, 1);
}

TEST_F(CaseActions, RegisterShowsTheGeneralList)
{
    w->lblRegister_Click();
    ASSERT_TRUE(frmSearch::isLoaded());
    EXPECT_TRUE(frmSearch::existing()->isVisible());
}

TEST_F(CaseActions, RevokeAsksThenValidatesThenRevokesEveryCaseOfTheAdmission)
{
    // a second, discharged case of the same admission is revoked with it
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..TBCLPATIENT (CathLabNum, IDNum, HospNum, RecordStatus, DateDischarged) "
                                  "VALUES ('CL-OLD', '900106B', '900011', 'D', ?)"),
                   {QDateTime(QDate(2026, 11, 20), QTime(10, 0))});
    choose(QStringLiteral("900106B"));
    UiScript::queueAnswer(vbYes);
    validateAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->lblRevoke_Click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to revoke registration of LACSON, VIRGILIO NAVARRO?"),
                                              QStringLiteral("Patient registration was successfully revoked.")}));
    EXPECT_EQ(UiScript::shown().value(1).title, QStringLiteral("Information"));
    EXPECT_EQ(UiScript::shown().value(1).style, int(vbOKOnly));
    Recordset rs = conn().query(QStringLiteral("SELECT RecordStatus, RevokedBy, DateRevoked, DateDischarged FROM "
                                               "CLINICAL_AREA..TBCLPATIENT WHERE IDNum = '900106B'"));
    ASSERT_EQ(rs.recordCount(), 2);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        EXPECT_EQ(rs.text(QStringLiteral("RecordStatus")), QStringLiteral("R"));
        EXPECT_EQ(rs.text(QStringLiteral("RevokedBy")), QStringLiteral("CL002"));
        EXPECT_TRUE(rs.toDateTime(QStringLiteral("DateRevoked")).isValid());
        EXPECT_TRUE(rs.isNull(QStringLiteral("DateDischarged")));
    }
    // the case is gone from the list after the search
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QString());
}

TEST_F(CaseActions, RevokeActsOnTheRowItAskedAboutWhateverIsSelectedMeanwhile)
{
    choose(QStringLiteral("900106B"));
    const QString otherHosp = scalarText(QStringLiteral("SELECT HospNum FROM CLINICAL_AREA..TBCLPATIENT WHERE IDNum = '2026900001'"));
    UiScript::queueAnswer(vbYes);
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&](QDialog* d) {
        // another open list selects its patient while the validation is up
        PatientSelection::SelectRow(otherHosp, QStringLiteral("2026900001"), 1, PatientSelection::Kind::InPatient, false, false);
        auto* v = static_cast<frmTransaction_UserValidation*>(d);
        QTest::keyClicks(v->txtUserID, QStringLiteral("CL002"));
        QTest::keyClick(v->txtUserID, Qt::Key_Return);
        QTest::keyClicks(v->txtAccessCode, QStringLiteral("CATH2"));
        QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
    });
    ASSERT_EQ(Selection.SelectedIDNum, QStringLiteral("900106B"));
    w->lblRevoke_Click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to revoke registration of LACSON, VIRGILIO NAVARRO?"),
                                              QStringLiteral("Patient registration was successfully revoked.")}));
    EXPECT_EQ(scalarText(QStringLiteral("SELECT RecordStatus FROM CLINICAL_AREA..TBCLPATIENT WHERE IDNum = '900106B'")),
              QStringLiteral("R"));
    EXPECT_EQ(scalarText(QStringLiteral("SELECT RevokedBy FROM CLINICAL_AREA..TBCLPATIENT WHERE IDNum = '900106B'")),
              QStringLiteral("CL002"));
    EXPECT_EQ(scalarText(QStringLiteral("SELECT RecordStatus FROM CLINICAL_AREA..TBCLPATIENT WHERE IDNum = '2026900001'")),
              QStringLiteral("X"));
}

TEST_F(CaseActions, RevokeEndsQuietlyOnCancel)
{
    choose(QStringLiteral("900106B"));
    UiScript::queueAnswer(vbYes);
    cancelValidation();
    w->lblRevoke_Click();
    EXPECT_EQ(UiScript::texts().size(), 1);
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900011")), QStringLiteral("X"));
}

TEST_F(CaseActions, StatementsReportTheRowsTheyChanged)
{
    EXPECT_EQ(CaseActionsData::DischargeCase(conn(), QStringLiteral("CL-900005"), QStringLiteral("CL001")), 0); // revoked
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900005")), QStringLiteral("R"));
    EXPECT_EQ(CaseActionsData::DischargeCase(conn(), QStringLiteral("CL-900001"), QStringLiteral("CL001")), 1);
    EXPECT_EQ(CaseActionsData::RevokeRegistration(conn(), QStringLiteral("2026900001"), QStringLiteral("CL001")), 1);
    EXPECT_EQ(CaseActionsData::RevokeRegistration(conn(), QStringLiteral("2026900001"), QStringLiteral("CL001")), 0);
    EXPECT_EQ(CaseActionsData::TagForAdmission(conn(), QStringLiteral("900007"), QStringLiteral("900102B"), QStringLiteral("CL001")), 1);
    EXPECT_EQ(CaseActionsData::TagForAdmission(conn(), QStringLiteral("900007"), QStringLiteral("900102B"), QStringLiteral("CL001")), 0);
}

TEST_F(CaseActions, ALabelLightsItsShapeAndTheSearchPutsThemBack)
{
    QTest::mouseMove(w->lblRevoke);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->lblRevoke->mapToGlobal(QPointF(2, 2)), Qt::NoButton, {}, {});
    QApplication::sendEvent(w->lblRevoke, &move);
    EXPECT_EQ(w->ShapeColour(w->Shape3), 0xFF0000);
    EXPECT_EQ(w->ShapeColour(w->Shape5), 0xBC7200);
    const int size = w->lblRevoke->font().pointSize();
    QTest::mousePress(w->lblRevoke, Qt::LeftButton);
    EXPECT_EQ(w->lblRevoke->font().pointSize(), size + 1);
    EXPECT_TRUE(w->lblRevoke->font().underline());
    QTest::mouseRelease(w->lblRevoke, Qt::LeftButton, {}, QPoint(-5, -5)); // let go beside it: no action
    EXPECT_EQ(w->lblRevoke->font().pointSize(), size);
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    w->Command1_Click();
    EXPECT_EQ(w->ShapeColour(w->Shape3), 0xBC7200);
}

TEST_F(CaseActions, RevokeRefusesDepartmentChargesBeforeAnOpenRequest)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, "
                                  "RecordStatus) VALUES ('RQT1', '2026900001', '900001', 'CL', 'CL102', NULL)"));
    choose(QStringLiteral("2026900001"));
    w->lblRevoke_Click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Cant revoke registration with cathlab charges."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("information"));
    EXPECT_EQ(UiScript::shown()[0].style, int(vbOKOnly | vbQuestion));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900001")), QStringLiteral("X"));
}

TEST_F(CaseActions, RevokeRefusesAnOpenRequestToTheDepartment)
{
    choose(QStringLiteral("2026900003"));
    w->lblRevoke_Click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral(
                                     "There's a pending package request from the stations for this patient, please check the notification.")});
    EXPECT_EQ(UiScript::shown().value(0).title, QStringLiteral("Notification"));
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900003")), QStringLiteral("X"));
}

TEST_F(CaseActions, AConfinementCheckThatFailsShowsTheNoticeAlone)
{
    choose(QStringLiteral("900102B"));
    TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..tbPatient"));
    w->lblAdmit_Click();
    const QList<ShownMessage> shown = UiScript::shown();
    away.restore();
    ASSERT_EQ(shown.size(), 1); // the notice, not the confinement box as well
    EXPECT_TRUE(shown[0].text.endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(requests(QStringLiteral("900102B")), 0);
}

TEST_F(CaseActions, ACheckThatFailsOnTheDatabaseStopsTheAction)
{
    choose(QStringLiteral("900106B"));
    TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbCLPatient")); // the case register
    UiScript::queueAnswer(vbYes);
    validateAs();
    w->lblDischarge_Click(); // the case number cannot be read
    const QStringList shown = UiScript::texts();
    away.restore();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_EQ(caseStatus(QStringLiteral("CL-900011")), QStringLiteral("X"));
}
