// The report-date prompt.
#include "support/TestDatabase.h"

#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/reports/frmReport.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <QLabel>

namespace {
class ReportDateTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        Session.ServerDate = QDateTime(QDate(2026, 12, 10), QTime(14, 30));
        ReportValues.ReportDateFrom = QStringLiteral("stale");
        ReportValues.ReportDateTo = QStringLiteral("stale");
    }
    // Shows the prompt; the handler answers it.
    void ask(std::function<void(frmReport*)> answer)
    {
        UiScript::queueDialog(QStringLiteral("frmReport"), [answer](QDialog* d) { answer(static_cast<frmReport*>(d)); });
        frmReport::instance()->ShowModal();
    }
    static void pick(frmReport* f, QDate from, QDate to)
    {
        f->dtpFrom->setDate(from);
        f->dtpTo->setDate(to);
    }
};
}

TEST_F(ReportDateTest, OpensOnTheServersDateWithItAsTheUpperLimit)
{
    ask([](frmReport* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("ENTER Report Date"));
        EXPECT_EQ(f->lblFrom->text(), QStringLiteral("FROM"));
        EXPECT_EQ(f->lblTo->text(), QStringLiteral("TO"));
        EXPECT_EQ(f->cmdOption[0]->text(), QStringLiteral("&View"));
        EXPECT_EQ(f->cmdOption[1]->text(), QStringLiteral("&Close"));
        EXPECT_EQ(f->dtpFrom->date(), QDate(2026, 12, 10));
        EXPECT_EQ(f->dtpTo->date(), QDate(2026, 12, 10));
        EXPECT_EQ(f->dtpFrom->maximumDate(), QDate(2026, 12, 10));
        EXPECT_EQ(f->dtpTo->maximumDate(), QDate(2026, 12, 10));
        EXPECT_EQ(f->dtpFrom->minimumDate(), QDate(1998, 1, 1));
        // the answers of an earlier showing are gone as soon as it opens
        EXPECT_TRUE(ReportValues.ReportDateFrom.isEmpty());
        EXPECT_TRUE(ReportValues.ReportDateTo.isEmpty());
        f->dtpFrom->setDate(QDate(1997, 12, 31)); // refused: the first date starts in 1998
        EXPECT_EQ(f->dtpFrom->date(), QDate(1998, 1, 1));
        f->dtpTo->setDate(QDate(2026, 12, 11));   // refused: no date after the server's
        EXPECT_EQ(f->dtpTo->date(), QDate(2026, 12, 10));
        f->cmdOption[1]->click();
    });
    EXPECT_EQ(ReportValues.ReportDateFrom, QString());
    EXPECT_EQ(ReportValues.ReportDateTo, QString());
}

TEST_F(ReportDateTest, AnswersByButtonAndFrame)
{
    struct Case { QDate from, to; int button; QString answerFrom, answerTo; bool refused; };
    const Case cases[] = {
        {QDate(2026, 12, 1), QDate(2026, 12, 10), 0, QStringLiteral("12/01/2026"), QStringLiteral("12/10/2026"), false},
        {QDate(2026, 12, 5), QDate(2026, 12, 5), 0, QStringLiteral("12/05/2026"), QStringLiteral("12/05/2026"), false},
        {QDate(2026, 12, 6), QDate(2026, 12, 5), 0, QString(), QString(), true},
        {QDate(2026, 12, 1), QDate(2026, 12, 10), 1, QString(), QString(), false},
        {QDate(2026, 12, 1), QDate(2026, 12, 10), -1, QString(), QString(), false}, // closed by its frame
    };
    for (const Case& c : cases) {
        UiScript::reset();
        bool stayedOpen = false;
        ask([&](frmReport* f) {
            pick(f, c.from, c.to);
            if (c.button >= 0) QTest::mouseClick(f->cmdOption[c.button], Qt::LeftButton);
            stayedOpen = f->isVisible();
        });
        EXPECT_EQ(ReportValues.ReportDateFrom, c.answerFrom) << c.from.toString().toStdString();
        EXPECT_EQ(ReportValues.ReportDateTo, c.answerTo);
        if (c.refused) {
            ASSERT_EQ(UiScript::shown().size(), 1);
            EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Invalid dates!"));
            EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
            EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly | vbInformation);
            EXPECT_TRUE(stayedOpen);
        } else {
            EXPECT_TRUE(UiScript::shown().isEmpty());
            EXPECT_EQ(stayedOpen, c.button < 0);
        }
    }
}

TEST_F(ReportDateTest, NoMaxDateLiftsTheLimitForThatShowingOnly)
{
    frmReport* f = frmReport::instance();
    f->setNoMaxDate(true);
    f->setCaption(QStringLiteral("Enter Logbook Date"));
    ask([](frmReport* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Enter Logbook Date"));
        EXPECT_EQ(d->dtpTo->maximumDate(), QDate(9999, 12, 31));
        EXPECT_EQ(d->dtpFrom->maximumDate(), QDate(2026, 12, 10));
        d->dtpTo->setDate(QDate(2027, 1, 15));
        d->cmdOption[0]->click();
    });
    EXPECT_EQ(ReportValues.ReportDateTo, QStringLiteral("01/15/2027"));
    EXPECT_EQ(frmReport::instance(), f); // one window object for the run

    // the next caller did not ask for it: the server's date is the limit again
    ask([](frmReport* d) {
        EXPECT_EQ(d->dtpTo->maximumDate(), QDate(2026, 12, 10));
        d->cmdOption[0]->click();
    });
    EXPECT_EQ(ReportValues.ReportDateTo, QStringLiteral("12/10/2026"));
}

TEST_F(ReportDateTest, ACallerMaySetItsOwnLimitsAfterTheCaption)
{
    frmReport* f = frmReport::instance();
    f->setCaption(QStringLiteral("Enter Report Date for Audit Report"));
    EXPECT_TRUE(f->isLoaded());
    f->dtpFrom->setMaximumDate(QDate(2026, 11, 30));
    f->dtpTo->setMaximumDate(QDate(2026, 11, 30));
    ask([](frmReport* d) {
        EXPECT_EQ(d->dtpTo->maximumDate(), QDate(2026, 11, 30));
        EXPECT_EQ(d->dtpTo->date(), QDate(2026, 11, 30));
        d->cmdOption[0]->click();
    });
    EXPECT_EQ(ReportValues.ReportDateFrom, QStringLiteral("11/30/2026"));
    EXPECT_FALSE(f->isLoaded());
}
