// The ICD-10 code search: its look-up and its own window.
#include "support/TestDatabase.h"

#include "components/StationComponents.h"
#include "components/icd10/ICD10Search.h"
#include "components/icd10/frmICD10Validation.h"
#include "platform/ui/MessageBox.h"
#include "support/TableOutOfReach.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class ICD10Test : public DbTest {};

namespace {
QStringList codes(const QList<ICD10Row>& rows)
{
    QStringList c;
    for (const ICD10Row& r : rows) c << r.code;
    return c;
}
QStringList codes(const QTableWidget* list)
{
    QStringList c;
    for (int r = 0; r < list->rowCount(); ++r) c << list->item(r, 0)->text();
    return c;
}
}

TEST_F(ICD10Test, SearchesByCodeOrByEveryWordOfTheDescription)
{
    struct Case { const char* typed; QStringList expected; };
    const Case cases[] = {
        {"I20", {"I20.0", "I20.1", "I20.8", "I20.9"}},
        {"i48.1", {"I48.1"}},
        {"I480", {"I48.0"}},                                    // without the dot
        {"atrial fibrillation", {"I48.0", "I48.1", "I48.2", "I48.9"}},
        {"  heart   FAILURE ", {"I11.0", "I50.0", "I50.9"}},    // every word, anywhere
        {"failure heart", {"I11.0", "I50.0", "I50.9"}},
        {"angina spasm", {"I20.1"}},
        {"50%", {}},                                            // a typed wildcard matches nothing more
        {"I2_.0", {}},
        {"x'); DROP TABLE BUILD_FILE..tbCoICD10; --", {}},
        {"ZZ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(codes(SearchICD10(conn(), c.typed)), c.expected) << c.typed;
    const int all = count("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10");
    EXPECT_GE(all, 30);
    EXPECT_EQ(SearchICD10(conn(), "").size(), all);
    EXPECT_EQ(SearchICD10(conn(), "", 5).size(), 5);
    const QList<ICD10Row> one = SearchICD10(conn(), "I50.0");
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].description, "CONGESTIVE HEART FAILURE");
}

TEST_F(ICD10Test, ValidateICDCodeRunsItsOwnWindow)
{
    clsICDCodeSearch* icd = ComponentFactory::createAs<clsICDCodeSearch>("ICD10.ICDCodeSearch");
    ASSERT_TRUE(icd);
    icd->setActiveConnection(&conn());
    QString title;
    QStringList opened, found;
    QString counted;
    UiScript::queueDialog("frmICD10Validation", [&](QDialog* d) {
        auto* dlg = static_cast<frmICD10Validation*>(d);
        title = dlg->windowTitle();
        opened = codes(dlg->lstCodes);
        QTest::keyClicks(dlg->txtSearch, "unstable angina");
        QTest::keyClick(dlg->txtSearch, Qt::Key_Return);
        found = codes(dlg->lstCodes);
        EXPECT_EQ(dlg->lstCodes->item(0, 1)->text(), "UNSTABLE ANGINA");
        dlg->txtSearch->setText("no such diagnosis");
        dlg->cmdSearch->click();
        EXPECT_EQ(dlg->lstCodes->rowCount(), 0);
        counted = dlg->lblCount->text();
        dlg->cmdClose->click();
        EXPECT_FALSE(dlg->isVisible());
    });
    icd->ValidateICDCode();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmICD10Validation"}));
    EXPECT_EQ(title, "ICD-10 Code Validation");
    EXPECT_EQ(opened.size(), count("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10"));
    EXPECT_EQ(found, QStringList({"I20.0"}));
    EXPECT_EQ(counted, "No matching ICD-10 code.");
    EXPECT_TRUE(UiScript::shown().isEmpty());
    delete icd;
}

TEST_F(ICD10Test, AFailedSearchIsToldInTheWindow)
{
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoICD10"));
    frmICD10Validation dialog(&conn());
    dialog.txtSearch->setText("I20");
    dialog.cmdSearch_Click();
    EXPECT_EQ(dialog.lstCodes->rowCount(), 0);
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown().last().title, "Warning");

    UiScript::reset();
    frmICD10Validation unconnected(nullptr);
    unconnected.cmdSearch_Click();
    EXPECT_EQ(UiScript::lastText(), "The ICD-10 code search has no database connection.");
}
