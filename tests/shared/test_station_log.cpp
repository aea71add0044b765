#include "support/TestDatabase.h"

#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QThread>

class StationLog : public DbTest {
protected:
    bool withDemo() const override { return false; }
};

TEST_F(StationLog, ErrorNoticeTextAndTitle)
{
    ShowErrorNotice(QStringLiteral("Timeout expired"));
    ShowErrorNotice(DbError(QString()));
    ASSERT_EQ(UiScript::shown().size(), 2);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Timeout expired\r\n\r\nPlease notify your IT department."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(UiScript::shown()[0].style, int(vbOKOnly | vbInformation));
    EXPECT_EQ(UiScript::shown()[1].text, QStringLiteral("\r\n\r\nPlease notify your IT department."));
}

TEST_F(StationLog, StationLogLineKeepsQuotesAndIgnoresFailures)
{
    WriteStationLog(QStringLiteral("2026000001"), QStringLiteral("Precaution: DON'T LIFT; \"fall\" risk"), QStringLiteral("CL002"),
                    QStringLiteral("CL"));
    Recordset rs = conn().query(QStringLiteral("SELECT Idnum, Remarks, UserID, StationID, Hostname, Transdate FROM STATION..tbStationLogs"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("Remarks")), QStringLiteral("Precaution: DON'T LIFT; \"fall\" risk"));
    EXPECT_EQ(rs.text(QStringLiteral("UserID")), QStringLiteral("CL002"));
    EXPECT_EQ(rs.text(QStringLiteral("Hostname")), QSysInfo::machineHostName().left(100));
    EXPECT_TRUE(rs.toDateTime(QStringLiteral("Transdate")).isValid());

    // a failing insert (the connection is gone) is swallowed
    conn().database().close();
    WriteStationLog(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("CL"));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(StationLog, StationLogLineGoesWithTheCallersRollback)
{
    {
        TransactionGuard tx(conn());
        WriteStationLog(QStringLiteral("1"), QStringLiteral("inside"), QStringLiteral("CL001"), QStringLiteral("CL"));
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0);
}

TEST_F(StationLog, ErrorLogStoresTheMessageOnceAndRaisesItsOwnFailure)
{
    WriteErrorLog(QStringLiteral("Nerovia"), QStringLiteral("CL001"), QStringLiteral("Can't read 'licence'"),
                  QStringLiteral("CheckS2License (fn)"));
    Recordset rs = conn().query(QStringLiteral("SELECT ModuleName, UserID, ErrMessage, ErrSource, HostName FROM STATION..tbNurseErrLog"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("ErrMessage")), QStringLiteral("Can't read 'licence'"));
    EXPECT_EQ(rs.text(QStringLiteral("ErrSource")), QStringLiteral("CheckS2License (fn)"));
    conn().database().close();
    EXPECT_THROW(WriteErrorLog(QStringLiteral("m"), QStringLiteral("u"), QStringLiteral("e"), QStringLiteral("s")), DbError);
}

TEST_F(StationLog, ServerDateIsTheLastValueRead)
{
    const QDateTime first = GetServerDate();
    EXPECT_EQ(Session.ServerDate, first);
    QThread::msleep(1100);
    const QDateTime second = GetServerDate();
    EXPECT_GT(second, first);
    EXPECT_EQ(Session.ServerDate, second);
}
