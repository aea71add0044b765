// The credit-memo remarks picker.
#include "access/AccessTestSupport.h"

#include <QTableWidget>
#include <QToolButton>
#include <QLabel>

using namespace AccessTest;

class CMRemarksPicker : public DbTest {};

TEST_F(CMRemarksPicker, ListsTheActiveRemarksAndTakesTheChosenText)
{
    int rows = 0;
    bool enabled = false;
    UiScript::queueDialog(QStringLiteral("frmCMRemarks"), [&](QDialog* d) {
        auto* p = static_cast<frmCMRemarks*>(d);
        rows = p->mshFlexCMRemarks->rowCount();
        enabled = p->mshFlexCMRemarks->isEnabled();
        EXPECT_EQ(p->lblDoctor->text(), QStringLiteral("List of CM Remarks"));
        EXPECT_TRUE(p->mshFlexCMRemarks->isColumnHidden(0));
        // a double-click as the mouse makes it: press, release, then the second press
        QWidget* vp = p->mshFlexCMRemarks->viewport();
        const QPoint at = p->mshFlexCMRemarks->visualItemRect(p->mshFlexCMRemarks->item(3, 2)).center();
        QTest::mousePress(vp, Qt::LeftButton, {}, at);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at);
        QTest::mouseDClick(vp, Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(runModal(frmCMRemarks::instance()), QDialog::Accepted);
    EXPECT_EQ(rows, 6);   // the inactive remark is not offered
    EXPECT_TRUE(enabled);
    EXPECT_EQ(frmCMRemarks::instance()->SelectedRemarks, QStringLiteral("ITEM NOT USED"));
}

TEST_F(CMRemarksPicker, ClosingWithoutAChoiceGivesNothing)
{
    UiScript::queueDialog(QStringLiteral("frmCMRemarks"), [](QDialog* d) {
        QTest::keyClick(static_cast<frmCMRemarks*>(d)->mshFlexCMRemarks, Qt::Key_Return);
    });
    runModal(frmCMRemarks::instance());
    ASSERT_FALSE(frmCMRemarks::instance()->SelectedRemarks.isEmpty());
    UiScript::queueDialog(QStringLiteral("frmCMRemarks"), [](QDialog* d) {
        QTest::mouseClick(static_cast<frmCMRemarks*>(d)->imgLegend, Qt::LeftButton);
    });
    EXPECT_EQ(runModal(frmCMRemarks::instance()), QDialog::Rejected);
    EXPECT_EQ(frmCMRemarks::instance()->SelectedRemarks, QString());
}

TEST_F(CMRemarksPicker, NoRemarksLeavesADisabledEmptyRow)
{
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseCMRemarks"));
    int rows = -1;
    bool enabled = true;
    UiScript::queueDialog(QStringLiteral("frmCMRemarks"), [&](QDialog* d) {
        auto* p = static_cast<frmCMRemarks*>(d);
        rows = p->mshFlexCMRemarks->rowCount();
        enabled = p->mshFlexCMRemarks->isEnabled();
        QTest::keyClick(p->mshFlexCMRemarks, Qt::Key_Return);   // nothing to choose
    });
    runModal(frmCMRemarks::instance());
    EXPECT_EQ(rows, 1);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(frmCMRemarks::instance()->SelectedRemarks, QString());
}
