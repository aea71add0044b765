// The PSI reading dialog as a nurse uses it: the tank looked up first (a partly used tank fixes the
// initial reading), the readings checked on Enter and on Save, what Save and Exit write into the
// caller's row and ConsumedPSI, and a close that writes nothing.
#include "support/TestDatabase.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/oxygen/OxygenTanks.h"
#include "shared/oxygen/frmPSIReading.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

class PSIReadingTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        grid.setCols(20);
        grid.setRows(3);
        grid.setTextMatrix(2, 11, QStringLiteral("1"));
        conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbCSROxygen (ItemID, TankNum, TransDate, InitialR, LastR) VALUES "
                                      "('OXT', '7', ?, 2000, 0), ('OXT', '8', ?, 2000, 1500), ('OXT', '8', ?, 1500, 1200)"),
                       {QDateTime(QDate(2026, 1, 1), QTime(8, 0)), QDateTime(QDate(2026, 1, 1), QTime(8, 0)),
                        QDateTime(QDate(2026, 1, 2), QTime(8, 0))});
    }
    // Opens the dialog for row 2 and lets the script act in it.
    void run(const std::function<void(frmPSIReading*)>& script)
    {
        DialogAnswers.ConsumedPSI = 0;
        frmPSIReading* d = frmPSIReading::instance();
        d->Code = QStringLiteral("OXT");
        d->Description = QStringLiteral("OXYGEN TEST");
        d->Grid = &grid;
        d->SelectedRow = 2;
        UiScript::queueDialog(QStringLiteral("frmPSIReading"), [script](QDialog* dlg) { script(static_cast<frmPSIReading*>(dlg)); });
        runModal(d);
    }
    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QStringList row() { return {grid.TextMatrix(2, 11), grid.TextMatrix(2, 12), grid.TextMatrix(2, 13), grid.TextMatrix(2, 14)}; }
    FlexGrid grid;
};

TEST_F(PSIReadingTest, ANewTankTakesBothReadingsAndSaveWritesTheRow)
{
    run([](frmPSIReading* d) {
        EXPECT_EQ(d->lblCode->text(), QStringLiteral("OXT "));
        EXPECT_TRUE(d->txtInitialReading->isReadOnly()); // nothing before the tank is looked up
        type(d->txtTank, QStringLiteral("12"));
        EXPECT_FALSE(d->txtInitialReading->isReadOnly());
        type(d->txtInitialReading, QStringLiteral("2000.5"));
        type(d->txtLastReading, QStringLiteral("1750"));
        EXPECT_EQ(d->lblConsumed->text(), QStringLiteral("250.5"));
        d->lblExit[1]->click();
    });
    EXPECT_EQ(row(), (QStringList{QStringLiteral("1"), QStringLiteral("2000.5"), QStringLiteral("1750"), QStringLiteral("12")}));
    EXPECT_EQ(DialogAnswers.ConsumedPSI, 250); // a half to the even neighbour
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(PSIReadingTest, APartlyUsedTankStartsAtItsLastReading)
{
    run([](frmPSIReading* d) {
        type(d->txtTank, QStringLiteral("8"));
        EXPECT_EQ(d->txtInitialReading->text(), QStringLiteral("1200")); // the latest use, not the first
        EXPECT_FALSE(d->txtInitialReading->isEnabled());
        type(d->txtLastReading, QStringLiteral("900"));
        d->lblExit[1]->click();
    });
    EXPECT_EQ(row(), (QStringList{QStringLiteral("1"), QStringLiteral("1200"), QStringLiteral("900"), QStringLiteral("8")}));
    EXPECT_EQ(DialogAnswers.ConsumedPSI, 300);
    // a tank used up starts afresh
    run([](frmPSIReading* d) {
        type(d->txtTank, QStringLiteral("7"));
        EXPECT_TRUE(d->txtInitialReading->isEnabled());
        EXPECT_TRUE(d->txtInitialReading->text().isEmpty());
    });
}

TEST_F(PSIReadingTest, RefusalsOfEnterAndSave)
{
    const struct { const char *tank, *initial, *last; bool save; const char* message; } cases[] = {
        {"", "", "", true, "Please enter the tank number."},
        {"12", "0", "", false, "INVALID Initial Reading! It should be > 0"},
        {"12", "100", "200", false, "INVALID Last Reading! It should be < Initial Reading"},
        {"12", "100", "100", true, "INVALID Last Reading! It should be less than the Initial Reading"},
        {"12", "100", "", true, "INVALID Last Reading! It should be zero(0) or greater than zero(0)."},
        {"12", "", "", true, "INVALID Initial Reading! It should be greater than zero(0)"},
    };
    for (const auto& c : cases) {
        UiScript::reset();
        UiScript::setActive(true);
        grid.setTextMatrix(2, 11, QStringLiteral("1"));
        run([&c](frmPSIReading* d) {
            d->txtTank->setText(QString::fromLatin1(c.tank));
            if (*c.tank) type(d->txtTank, QString::fromLatin1(c.tank));
            if (*c.initial) {
                d->txtInitialReading->setText(QString::fromLatin1(c.initial));
                if (!c.save) QTest::keyClick(d->txtInitialReading, Qt::Key_Return);
            }
            if (*c.last) {
                d->txtLastReading->setText(QString::fromLatin1(c.last));
                if (!c.save) QTest::keyClick(d->txtLastReading, Qt::Key_Return);
            }
            if (c.save) d->lblExit[1]->click();
            EXPECT_TRUE(d->isVisible()) << c.message; // a refusal keeps the dialog open
        });
        ASSERT_FALSE(UiScript::shown().isEmpty()) << c.message;
        EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(c.message));
        EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
        EXPECT_EQ(row(), (QStringList{QStringLiteral("1"), QString(), QString(), QString()})) << c.message;
        EXPECT_EQ(DialogAnswers.ConsumedPSI, 0);
    }
}

TEST_F(PSIReadingTest, ExitUnmarksTheRowAndAClosedDialogWritesNothing)
{
    run([](frmPSIReading* d) {
        type(d->txtTank, QStringLiteral("12"));
        QTest::keyClicks(d->txtInitialReading, QStringLiteral("a-1 x'5")); // only digits, "." and "/" go in
        EXPECT_EQ(d->txtInitialReading->text(), QStringLiteral("15"));
        d->lblExit[0]->click();
    });
    EXPECT_EQ(row(), (QStringList{QStringLiteral("0"), QString(), QString(), QString()}));
    EXPECT_EQ(DialogAnswers.ConsumedPSI, 0);
    grid.setTextMatrix(2, 11, QStringLiteral("1"));
    run([](frmPSIReading* d) { d->imgLegend->click(); });
    EXPECT_EQ(row(), (QStringList{QStringLiteral("1"), QString(), QString(), QString()}));
}

TEST(ConsumedPressure, RoundsHalfToEvenAndHasNoSixteenBitLimit)
{
    EXPECT_EQ(ConsumedPressure(112.5, 100), 12);
    EXPECT_EQ(ConsumedPressure(113.5, 100), 14);
    EXPECT_EQ(ConsumedPressure(999999999, 0), 999999999);
}

} // namespace
