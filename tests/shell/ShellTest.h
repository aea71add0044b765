#pragma once
// The main window over the demo hospital, as the menus and timers find it after start-up.
#include "support/TestDatabase.h"

#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/frmReport.h"
#include "shell/mdiCathLabMenu.h"

#include <QDateEdit>
#include <QPushButton>

class ShellTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LoadHospitalInfo();
        GetServerDate();
        w = mdiCathLabMenu::instance();
    }
    void TearDown() override
    {
        delete frmCathPatients::existing(); // the lists the main window opened
        delete frmSearch::existing();
        delete mdiCathLabMenu::existing();
        w = nullptr;
        DbTest::TearDown();
    }

    // The next report-date prompt answers with the range (View), and tells its caption.
    static void answerDates(QString* caption, const QDate& from, const QDate& to)
    {
        UiScript::queueDialog(QStringLiteral("frmReport"), [caption, from, to](QDialog* d) {
            auto* f = static_cast<frmReport*>(d);
            if (caption) *caption = f->windowTitle();
            f->dtpFrom->setDate(from);
            f->dtpTo->setDate(to);
            f->cmdOption[0]->click();
        });
    }
    static QDate today() { return ServerDate.date(); }

    void setParameter(const QString& field, const QString& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ?"), {field});
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"),
                       {field, value});
        LoadHospitalInfo();
    }

    mdiCathLabMenu* w = nullptr;
};

// Takes a table out of the way (its statements fail) and puts it back when it ends, so that the
// next test finds the schema whole.
class TableAway {
public:
    TableAway(Connection& c, const QString& houseName) : m_conn(c)
    {
        m_table = c.translate(houseName).trimmed();
        m_name = m_table.section(QLatin1Char('.'), -1);
        m_away = QStringLiteral("away_") + m_name;
        m_conn.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(m_table, m_away));
    }
    void restore()
    {
        if (m_restored) return;
        m_restored = true;
        const QString schema = m_table.contains(QLatin1Char('.')) ? m_table.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.')
                                                                  : QString();
        m_conn.execute(QStringLiteral("ALTER TABLE %1%2 RENAME TO %3").arg(schema, m_away, m_name));
    }
    ~TableAway()
    {
        try { restore(); } catch (...) {}
    }

private:
    Connection& m_conn;
    QString m_table, m_name, m_away;
    bool m_restored = false;
};
