// The list of patients for admission and the revoke of a pending request.
#include "patients/GridDriver.h"
#include "support/PatientsFixture.h"

#include "patients/AdmissionRequestData.h"
#include "patients/frmListERAdmission.h"
#include "platform/ui/MessageBox.h"

#include <QPushButton>

using namespace GridDriver;

class AdmissionRequests : public PatientsTest {
protected:
    frmListERAdmission* open()
    {
        frmListERAdmission* w = frmListERAdmission::instance();
        w->show();
        return w;
    }
    QString status(const QString& opd)
    {
        return scalarText(QStringLiteral("SELECT COALESCE(RecordStatus, '') FROM PATIENT_DATA..tbER_Admitting_Communication "
                                         "WHERE OPDIDNum = ? ORDER BY RequestID DESC"), {opd});
    }
    void chooseRow(frmListERAdmission* w, const QString& opd)
    {
        const int row = rowOf(w->MSHFlexList, opd, 3);
        ASSERT_GT(row, 0) << opd.toStdString();
        clickRow(w->MSHFlexList, row);
    }
};

TEST_F(AdmissionRequests, ListShowsTheRequestsWithTheirStatus)
{
    frmListERAdmission* w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("CathLab Patients for Admission"));
    EXPECT_EQ(w->MSHFlexList->Cols(), 13);
    EXPECT_TRUE(w->MSHFlexList->isEnabled());
    const struct {
        const char* opd;
        const char* status;
        bool revokeEnabled;
    } cases[] = {{"900101B", "Pending", true}, {"900105B", "Admitted", false}, {"900106B", "Revoked", false}};
    for (const auto& c : cases) {
        const int row = rowOf(w->MSHFlexList, QString::fromLatin1(c.opd), 3);
        ASSERT_GT(row, 0) << c.opd;
        EXPECT_EQ(w->MSHFlexList->TextMatrix(row, 12), QString::fromLatin1(c.status));
        clickRow(w->MSHFlexList, row);
        EXPECT_EQ(w->cmdOption[0]->isEnabled(), c.revokeEnabled) << c.opd;
    }
    // only the exact text enables the button
    w->MSHFlexList->setTextMatrix(1, 12, QStringLiteral("pending"));
    w->MSHFlexList->setRow(1);
    w->MSHFlexList_Click();
    EXPECT_FALSE(w->cmdOption[0]->isEnabled());
}

TEST_F(AdmissionRequests, RevokeRefusesAdmittedAndPassesOverRevoked)
{
    frmListERAdmission* w = open();
    // admitted or revoked rows: the button is off, a click does nothing
    for (const char* opd : {"900105B", "900106B"}) {
        UiScript::reset();
        chooseRow(w, QString::fromLatin1(opd));
        w->cmdOption[0]->click();
        EXPECT_TRUE(UiScript::texts().isEmpty()) << opd;
        EXPECT_TRUE(UiScript::dialogsRun().isEmpty()) << opd;
    }
    EXPECT_EQ(status(QStringLiteral("900105B")), QStringLiteral("A"));

    // a pending row that another workstation admitted since the list was read
    UiScript::reset();
    chooseRow(w, QStringLiteral("900101B"));
    ASSERT_TRUE(w->cmdOption[0]->isEnabled());
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbER_Admitting_Communication SET RecordStatus = 'A' WHERE OPDIDNum = '900101B'"));
    w->cmdOption[0]->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Can't revoke this record! Patient is already admitted.")});
    EXPECT_EQ(status(QStringLiteral("900101B")), QStringLiteral("A"));
}

TEST_F(AdmissionRequests, RevokeOnAnEmptyListAsksForARequest)
{
    conn().execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbER_Admitting_Communication"));
    frmListERAdmission* w = open();
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_FALSE(w->MSHFlexList->isEnabled());
    w->cmdOption[0]->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Please select admission request to revoke.")});
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
}

TEST_F(AdmissionRequests, RevokeChangesOnlyPendingRows)
{
    // an earlier request of the visit was revoked; only the pending one changes
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, RequestedBy, "
                                  "RecordStatus) VALUES ('900006', '900101B', 'CL002', 'R')"));
    frmListERAdmission* w = open();
    chooseRow(w, QStringLiteral("900101B"));
    validateAs();
    UiScript::queueAnswer(vbYes);
    w->cmdOption[0]->click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to revoke this admission request?"),
                                              QStringLiteral("Admission request successfully revoked.")}));
    EXPECT_EQ(UiScript::shown()[0].style, int(vbYesNo | vbQuestion));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Confirmation"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = '900101B' "
                                   "AND COALESCE(RecordStatus, '') = ''")),
              0);
    // the list is filled again
    EXPECT_EQ(w->MSHFlexList->TextMatrix(rowOf(w->MSHFlexList, QStringLiteral("900101B"), 3), 12), QStringLiteral("Revoked"));
}

TEST_F(AdmissionRequests, DataRevokeNeverTouchesAdmittedRequests)
{
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, RequestedBy, "
                                  "RecordStatus) VALUES ('900010', '900105B', 'CL002', '')"));
    EXPECT_EQ(AdmissionRequestData::RequestStatus(conn(), QStringLiteral("900105B")), std::optional<QString>(QStringLiteral("A")));
    EXPECT_EQ(AdmissionRequestData::RevokePendingRequests(conn(), QStringLiteral("900105B")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbER_Admitting_Communication WHERE OPDIDNum = '900105B' "
                                   "AND RecordStatus = 'A'")),
              1);
    EXPECT_EQ(AdmissionRequestData::RevokePendingRequests(conn(), QStringLiteral("900105B")), 0);
    EXPECT_EQ(AdmissionRequestData::RequestStatus(conn(), QStringLiteral("NOSUCH")), std::nullopt);
}

TEST_F(AdmissionRequests, NoAtTheQuestionOrCancelledValidationWritesNothing)
{
    frmListERAdmission* w = open();
    chooseRow(w, QStringLiteral("900101B"));
    UiScript::queueAnswer(vbNo);
    w->cmdOption[0]->click();
    EXPECT_EQ(status(QStringLiteral("900101B")), QString());
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());

    UiScript::reset();
    cancelValidation();
    UiScript::queueAnswer(vbYes);
    w->MSHFlexList->setTextMatrix(1, 1, QStringLiteral("MARK")); // the list is not filled again
    w->cmdOption[0]->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Are you sure you want to revoke this admission request?")});
    EXPECT_EQ(status(QStringLiteral("900101B")), QString());
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 1), QStringLiteral("MARK"));
}
