#include "support/CapturedWarnings.h"
#include "support/TableOutOfReach.h"
#include "support/TestDatabase.h"

#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"


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

TEST_F(StationLog, StationLogLineKeepsQuotes)
{
    WriteStationLog(QStringLiteral("2026000001"), QStringLiteral("Precaution: DON'T LIFT; \"fall\" risk"), QStringLiteral("CL002"),
                    QStringLiteral("CL"));
    Recordset rs = conn().query(QStringLiteral("SELECT Idnum, Remarks, UserID, StationID, Hostname, Transdate FROM STATION..tbStationLogs"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("Remarks")), QStringLiteral("Precaution: DON'T LIFT; \"fall\" risk"));
    EXPECT_EQ(rs.text(QStringLiteral("UserID")), QStringLiteral("CL002"));
    EXPECT_EQ(rs.text(QStringLiteral("Hostname")), QSysInfo::machineHostName().left(100));
    EXPECT_TRUE(rs.toDateTime(QStringLiteral("Transdate")).isValid());

}

TEST_F(StationLog, ARefusedLineGoesOnButToTheErrorLogAndTheWarningOutput)
{
    {
        CapturedWarnings warnings;
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbStationLogs"));
        WriteStationLog(QStringLiteral("2026000001"), QStringLiteral("Changed RVS"), QStringLiteral("CL002"), QStringLiteral("CL"));
        ASSERT_EQ(warnings.lines().size(), 1);
        EXPECT_TRUE(warnings.lines()[0].startsWith(QStringLiteral("WriteStationLog: Station log line of 2026000001 (Changed RVS) not written: ")))
            << warnings.lines()[0].toStdString();
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
    Recordset rs = conn().query(QStringLiteral("SELECT ModuleName, UserID, ErrMessage, ErrSource FROM STATION..tbNurseErrLog"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("ErrSource")), QStringLiteral("WriteStationLog"));
    EXPECT_EQ(rs.text(QStringLiteral("UserID")), QStringLiteral("CL002"));
    EXPECT_TRUE(rs.text(QStringLiteral("ErrMessage")).startsWith(QStringLiteral("Station log line of 2026000001 (Changed RVS) not written: ")));
}

TEST_F(StationLog, InsideASaveARefusedLineLeavesTheSaveWholeAndItsTraceCommitted)
{
    {
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbStationLogs"));
        CapturedWarnings warnings;
        TransactionGuard tx(conn());
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, Precautions) VALUES ('T1', 'before')"));
        WriteStationLog(QStringLiteral("T1"), QStringLiteral("inside"), QStringLiteral("CL001"), QStringLiteral("CL"));
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatientHistory SET Precautions = 'after' WHERE IDNum = 'T1'"));
        tx.commit();
        EXPECT_EQ(warnings.lines().size(), 1);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatientHistory WHERE Precautions = 'after'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseErrLog WHERE ErrSource = 'WriteStationLog'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0);
}

TEST_F(StationLog, WithTheConnectionGoneBothFailuresAreWarnedAndNothingThrows)
{
    CapturedWarnings warnings;
    conn().database().close();
    EXPECT_NO_THROW(WriteStationLog(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("CL")));
    EXPECT_TRUE(UiScript::shown().isEmpty());
    ASSERT_EQ(warnings.lines().size(), 2);
    EXPECT_TRUE(warnings.lines()[0].startsWith(QStringLiteral("WriteStationLog: Station log line of x (y) not written")));
    EXPECT_TRUE(warnings.lines()[1].startsWith(QStringLiteral("The error log did not take that error either: ")));
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
    // No waiting for the clock: each read replaces whatever the variable held.
    for (const QDateTime& held : {QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QDateTime()}) {
        Session.ServerDate = held;
        const QDateTime read = GetServerDate();
        EXPECT_TRUE(read.isValid());
        EXPECT_NE(read, held);
        EXPECT_EQ(Session.ServerDate, read);
        EXPECT_LE(qAbs(read.secsTo(DbValue::toDateTime(conn().scalar(QStringLiteral("SELECT GETDATE()"))))), 1);
    }
}
