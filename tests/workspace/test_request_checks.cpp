// Checks before an exam or item is accepted or a request revoked: pending, processed or posted
// today, closed requests, medicines not administered, department cases with a result.
#include "support/LookupFixture.h"

#include "platform/db/DbError.h"
#include "platform/text/Format.h"
#include "shared/modGlobals.h"
#include "shared/orders/RequestChecks.h"
#include "workspace/frmFinal.h"

class RequestChecks : public LookupTest {
protected:
    QDateTime today(int h, int m) { return QDateTime(conn().serverDateTime().date(), QTime(h, m)); }
    QDateTime lastWeek(int h, int m) { return today(h, m).addDays(-7); }
};

TEST_F(RequestChecks, PendingRequestShowsTheWorkspaceNoticeAndStops)
{
    frmFinal::instance();  // the workspace sets the two halves of the notice when it loads
    struct Case { const char* id; const char* item; const char* section; bool pending; };
    const Case cases[] = {
        {"2026000001", "CBC", "LB", true},
        {" 2026000001 ", " CBC ", " LB ", true},
        {"2026000001", "CBC", "XR", false},
        {"2026000002", "TROPI", "LB", false},  // revoked
        {"2026000002", "CXRPA", "XR", false},  // processed
        {"2026000009", "CL101", "CL", true},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        EXPECT_EQ(CheckExamRequestStatus(conn(), QString::fromLatin1(c.id), QString::fromLatin1(c.item), QString::fromLatin1(c.section)),
                  c.pending) << c.item;
        EXPECT_EQ(UiScript::shown().size(), c.pending ? 1 : 0) << c.item;
    }
    UiScript::reset();
    UiScript::queueAnswer(vbCancel);  // whatever the answer, the box has only OK
    EXPECT_TRUE(CheckExamRequestStatus(conn(), QStringLiteral("2026000001"), QStringLiteral("CBC"), QStringLiteral("LB")));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("The same exam had been requested at...") + Fmt::serverDateText(today(8, 30))
                                             + QStringLiteral("   and it is Pending..."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message "));
    EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly);
}

TEST_F(RequestChecks, RepeatQuestionsGoOnWithYesAndStopWithNo)
{
    using Check = bool (*)(Connection&, const QString&, const QString&, const QString&);
    struct Case { Check fn; const char* id; const char* item; const char* section; int answer; bool asked; bool stop; };
    const Case cases[] = {
        {CheckExamProcessedToday, "2026000002", "CXRPA", "XR", vbYes, true, false},
        {CheckExamProcessedToday, "2026000002", "CXRPA", "XR", vbNo, true, true},
        {CheckExamProcessedToday, " 2026000002", "CXRPA ", "XR", vbNo, true, true},
        {CheckExamProcessedToday, "2026000009", "LIPID", "LB", vbNo, false, false},   // processed last week
        {CheckExamProcessedToday, "2026000001", "CBC", "LB", vbNo, false, false},     // still open
        {CheckItemPostedToday, "2026000006", "CL101", "CL", vbNo, true, true},        // charged this morning
        {CheckItemPostedToday, "2026000006", "CL101", "CL", vbYes, true, false},
        {CheckItemPostedToday, "500003B", "PKG-RHC", "CL", vbNo, true, true},         // out-patient charge
        {CheckItemPostedToday, "2026000003", "PKG-RHC", "CL", vbNo, false, false},    // charged last week
    };
    for (const Case& c : cases) {
        UiScript::reset();
        UiScript::queueAnswer(c.answer);
        EXPECT_EQ(c.fn(conn(), QString::fromLatin1(c.id), QString::fromLatin1(c.item), QString::fromLatin1(c.section)), c.stop)
            << c.id << " " << c.item;
        EXPECT_EQ(UiScript::shown().size(), c.asked ? 1 : 0) << c.id << " " << c.item;
    }
    UiScript::reset();
    CheckExamProcessedToday(conn(), QStringLiteral("2026000002"), QStringLiteral("CXRPA"), QStringLiteral("XR"));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("This Request has been PROCCESSED TODAY AT ") + Fmt::serverDateText(today(10, 0))
                                        + QStringLiteral("! Do you wish to REPEAT it ?"));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message "));
    EXPECT_EQ(UiScript::shown()[0].style, vbYesNo | vbCritical);
    UiScript::reset();
    CheckItemPostedToday(conn(), QStringLiteral("2026000006"), QStringLiteral("CL101"), QStringLiteral("CL"));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("This item has been POSTED TODAY AT ") + Fmt::serverDateText(today(8, 30))
                                        + QStringLiteral("! Do you wish to REPEAT it?"));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message "));
}

TEST_F(RequestChecks, ClosedRequestsByStationThenStatus)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, StationID, "
                                  "RecordStatus) VALUES ('RQ0000106', '2026000009', 'LB', 'CBC', '3F', 'R')"));
    struct Case { const char* refNum; bool closed; QString text; };
    const QList<Case> cases = {
        {"RQ0000104", true, "You can't revoked item(s)/exam(s) requested from station: 2F"},
        {"RQ0000106", true, "You can't revoked item(s)/exam(s) requested from station: 3F"},
        {"RQ0000103", true, "Item(s)/exam(s) requested has been revoked By: CL002 at " + Fmt::serverDateText(lastWeek(9, 0))},
        {" RQ0000102 ", true, "Item(s)/exam(s) requested has been processed By: XR004 at " + Fmt::serverDateText(today(10, 0))},
        {"RQ0000101", false, ""},
        {"NOSUCH", false, ""},
    };
    Session.CurrentStationID = QStringLiteral(" CL ");
    for (const Case& c : cases) {
        UiScript::reset();
        EXPECT_EQ(IsRequestClosed(conn(), QString::fromLatin1(c.refNum)), c.closed) << c.refNum;
        if (!c.closed) {
            EXPECT_TRUE(UiScript::shown().isEmpty()) << c.refNum;
            continue;
        }
        ASSERT_EQ(UiScript::shown().size(), 1) << c.refNum;
        EXPECT_EQ(UiScript::shown()[0].text, c.text);
        EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message"));
        EXPECT_EQ(UiScript::shown()[0].style, vbInformation | vbOKOnly);
    }
}

TEST_F(RequestChecks, MedicinesNotAdministered)
{
    struct Case { const char* id; const char* item; int mode; bool expected; };
    const Case cases[] = {
        {"2026000001", "MED0201", 2, true},    // two issued, one given
        {"2026000001", "MED0301", 2, false},   // all given
        {"2026000001", "MED0301", 1, true},    // mode 1 counts the whole admission
        {"2026000002", "MED0401", 2, false},
        {"2026000099", "MED0201", 2, false},
        {" 2026000001", "MED0201", 2, false},  // sent as given, blanks and all
    };
    for (const Case& c : cases)
        EXPECT_EQ(HasNotAdministeredMeds(conn(), QString::fromLatin1(c.id), QString::fromLatin1(c.item), c.mode), c.expected)
            << c.id << " " << c.item << " " << c.mode;
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(RequestChecks, DepartmentCaseWithAResult)
{
    struct Case { const char* refNum; bool expected; };
    const Case cases[] = {
        {"CS000101", true},     // verified
        {" CS000101 ", true},
        {"CS000104", false},    // no result yet
        {"CS000108", false},    // null status
        {"CS000109", true},     // two cases on one slip, one with a saved result
        {"NOSUCH", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsCathRequestStatusDOrW(conn(), QString::fromLatin1(c.refNum)), c.expected) << c.refNum;
}

// A check that could not be made must not answer "go on": the failure reaches the caller.
TEST_F(RequestChecks, FailuresReachTheCallerAndShowNothing)
{
    loseConnection();
    const QString id = QStringLiteral("2026000001"), item = QStringLiteral("CBC"), lb = QStringLiteral("LB");
    EXPECT_THROW(CheckExamRequestStatus(conn(), id, item, lb), DbError);
    EXPECT_THROW(CheckExamProcessedToday(conn(), id, item, lb), DbError);
    EXPECT_THROW(CheckItemPostedToday(conn(), id, item, lb), DbError);
    EXPECT_THROW(IsRequestClosed(conn(), QStringLiteral("RQ0000101")), DbError);
    EXPECT_THROW(HasNotAdministeredMeds(conn(), id, QStringLiteral("MED0201"), 2), DbError);
    EXPECT_THROW(IsCathRequestStatusDOrW(conn(), QStringLiteral("CS000101")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
