#pragma once
#include "support/TableOutOfReach.h"
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
    static QDate today() { return Session.ServerDate.date(); }

    void setParameter(const QString& field, const QString& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ?"), {field});
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"),
                       {field, value});
        LoadHospitalInfo();
    }

    mdiCathLabMenu* w = nullptr;
};

