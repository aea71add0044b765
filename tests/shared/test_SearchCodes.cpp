#include "SharedTestSupport.h"

#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsRevenueCode.h"
#include "shared/modGlobals.h"
#include "shared/search/SearchStatement.h"
#include "shared/search/frmSearchCodes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QLabel>

namespace {
frmSearchCodes* picker(QDialog* d) { return static_cast<frmSearchCodes*>(d); }
// Column 1 of every data row of the picker's grid.
QStringList codes(frmSearchCodes* f)
{
    QStringList out;
    for (int r = 1; r < f->GridRows(); ++r) out << f->TextMatrix(r, 1);
    return out;
}
}

TEST(SearchStatement, CriteriaAndValuesAreBoundNeverPasted)
{
    const BoundStatement a = BindCriteria(QStringLiteral("SELECT A FROM T WHERE B = ? AND C LIKE '##%' AND D = ## AND E = 'x''##'"),
                                          {QStringLiteral("b")}, QStringLiteral("O'NE"));
    EXPECT_EQ(a.sql, QStringLiteral("SELECT A FROM T WHERE B = ? AND C LIKE ? ESCAPE '!' AND D = ? AND E = ?"));
    ASSERT_EQ(a.params.size(), 4);
    EXPECT_EQ(a.params[0].toString(), QStringLiteral("b"));
    EXPECT_EQ(a.params[1].toString(), QStringLiteral("O'NE%"));
    EXPECT_EQ(a.params[2].toString(), QStringLiteral("O'NE"));
    EXPECT_EQ(a.params[3].toString(), QStringLiteral("x'O'NE"));
    // In a LIKE pattern the typed wildcards are characters to find; the statement's own stay wildcards.
    struct Case { const char *query, *typed, *sql, *pattern; };
    const Case cases[] = {
        {"SELECT A FROM T WHERE C like '##%'", "10%_OFF", "SELECT A FROM T WHERE C like ? ESCAPE '!'", "10!%!_OFF%"},
        {"SELECT A FROM T WHERE C LIKE '%!##_'", "A!B", "SELECT A FROM T WHERE C LIKE ? ESCAPE '!'", "%!!A!!B_"},
        {"SELECT A FROM T WHERE UNLIKE = '##%'", "5%", "SELECT A FROM T WHERE UNLIKE = ?", "5%%"},
    };
    for (const Case& k : cases) {
        const BoundStatement l = BindCriteria(QString::fromLatin1(k.query), {}, QString::fromLatin1(k.typed));
        EXPECT_EQ(l.sql, QString::fromLatin1(k.sql)) << k.query;
        EXPECT_EQ(l.params.value(0).toString(), QString::fromLatin1(k.pattern)) << k.query;
    }
    const BoundStatement b = BindCriteria(QStringLiteral("SELECT 'a?#' FROM T"), {}, QString());
    EXPECT_EQ(b.sql, QStringLiteral("SELECT 'a?#' FROM T"));
    EXPECT_TRUE(b.params.isEmpty());
    const BoundStatement c = BindCriteria(QStringLiteral("SELECT 1 FROM T WHERE A = ##"), {}, QString());
    ASSERT_EQ(c.params.size(), 1);
    EXPECT_FALSE(c.params[0].toString().isNull()); // empty text, not NULL
}

class SearchCodesTest : public SharedTest {
protected:
    clsRevenueCode revenue;
};

TEST_F(SearchCodesTest, TypedPackageCodeIsLookedUp)
{
    struct Case { const char *code, *answer; };
    const Case cases[] = {{"PKG-CAG", "PKG-CAG"}, {"NOPE", ""}, {"PKG-MAT", ""}, {"X' OR '1'='1", ""}, {"pkg-cag", ""}};
    for (const Case& c : cases) {
        UiScript::reset();
        EXPECT_EQ(revenue.ValidatePackageCode(QString::fromLatin1(c.code)), QString::fromLatin1(c.answer)) << c.code;
        EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
        if (!*c.answer) {
            ASSERT_EQ(UiScript::shown().size(), 1) << c.code;
            EXPECT_EQ(UiScript::lastText(), QStringLiteral("Package code does not exist."));
            EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
            EXPECT_EQ(UiScript::shown()[0].style, vbExclamation);
        } else {
            EXPECT_TRUE(UiScript::shown().isEmpty());
        }
    }
}

TEST_F(SearchCodesTest, EmptyPackageCodeOpensThePickerOnTheActivePackages)
{
    Selection.SelectedHospNum = QStringLiteral("100009"); // a list's selection is not the picker's patient
    revenue.HospNum = QStringLiteral("100007");
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog* d) {
        frmSearchCodes* f = picker(d);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Package Codes"));
        EXPECT_EQ(f->lblTitle->text(), QStringLiteral("Package Codes"));
        EXPECT_EQ(f->lblSTitle->text(), QStringLiteral("Package Codes"));
        EXPECT_EQ(f->lblHospital->text(), QStringLiteral("100007"));
        EXPECT_EQ(f->TextMatrix(0, 1), QStringLiteral("Code"));
        EXPECT_EQ(f->TextMatrix(0, 2), QStringLiteral("Description"));
        QStringList got = codes(f);
        got.sort();
        // the active packages are offered (other demo packages may be there too), the inactive one is not
        for (const char* code : {"PKG-CAG", "PKG-PCI", "PKG-PPM"}) EXPECT_TRUE(got.contains(QString::fromLatin1(code))) << code;
        EXPECT_FALSE(got.contains(QStringLiteral("PKG-MAT")));
        EXPECT_EQ(f->GridRow(), 1);
        EXPECT_EQ(f->txtSearchStr->text(), f->TextMatrix(1, 2)); // the current row's description
        EXPECT_TRUE(f->cmdSelect->isEnabled());
        f->grdDispWindow->setCurrentCell(1, 1);
        QTest::mouseClick(f->cmdSelect, Qt::LeftButton);
    });
    const QString chosen = revenue.ValidatePackageCode(QString());
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmSearchCodes")});
    EXPECT_FALSE(chosen.isEmpty());
    EXPECT_EQ(chosen, frmSearchCodes::instance()->TextMatrix(2, 1));
    EXPECT_TRUE(frmSearchCodes::instance()->Valid);

    // Cancel, and a close by the frame, answer nothing, whatever the previous showing chose.
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog* d) { QTest::mouseClick(picker(d)->cmdCancel, Qt::LeftButton); });
    EXPECT_EQ(revenue.ValidatePackageCode(QString()), QString());
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog*) {});
    EXPECT_EQ(revenue.ValidatePackageCode(QString()), QString());
    EXPECT_FALSE(frmSearchCodes::instance()->Valid);
}

TEST_F(SearchCodesTest, EmptyCodeWithAnEmptyListIsRefusedWithoutAPicker)
{
    exec(QStringLiteral("UPDATE BUILD_FILE..tbCoAdmPackage SET CLActive = 'N'"));
    exec(QStringLiteral("UPDATE STATION..tbCLChargingCodes SET Status = 'I'"));
    exec(QStringLiteral("UPDATE STATION..tbCLPackage_CodeLink SET Status = 'I'"));
    EXPECT_EQ(revenue.ValidatePackageCode(QString()), QString());
    EXPECT_EQ(revenue.ValidateRevenue(QStringLiteral("")), QString());
    EXPECT_EQ(revenue.ValidateNursePackageCode(QString()), QString());
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Package code does not exist."), QStringLiteral("Revenue code does not exist."),
                                              QStringLiteral("Nurse Package code does not exist.")}));
}

TEST_F(SearchCodesTest, RevenueCodes)
{
    EXPECT_EQ(revenue.ValidateRevenue(QStringLiteral("CL")), QStringLiteral("CL"));
    EXPECT_EQ(revenue.ValidateRevenue(QStringLiteral("XR")), QString()); // not charged here
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Revenue code does not exist.")});
    // Enter in the search box chooses the top visible row, not the highlighted one.
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog* d) {
        frmSearchCodes* f = picker(d);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Revenue Codes"));
        EXPECT_EQ(codes(f).first(), QStringLiteral("CL"));
        f->grdDispWindow->setCurrentCell(3, 1);
        QTest::keyClick(f->txtSearchStr, Qt::Key_Return);
    });
    EXPECT_EQ(revenue.ValidateRevenue(QString()), QStringLiteral("CL"));
    TableOutOfReach away(conn(), QStringLiteral("STATION..tbCLChargingCodes"));
    EXPECT_THROW(revenue.ValidateRevenue(QStringLiteral("CL")), DbError); // the caller reports it
}

TEST_F(SearchCodesTest, NursePackageCodeMustBeAnActiveLinkOfTheDepartment)
{
    struct Case { const char *code, *answer; };
    const Case cases[] = {{"CL001", "CL001"}, {"CL002", "CL002"}, {"CL003", ""}, {"CL004", ""}, {"CL999", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(revenue.ValidateNursePackageCode(QString::fromLatin1(c.code)), QString::fromLatin1(c.answer)) << c.code;
    EXPECT_EQ(UiScript::texts().count(QStringLiteral("Nurse Package code does not exist.")), 3);
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog* d) {
        frmSearchCodes* f = picker(d);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Nurse Package Codes"));
        QStringList got = codes(f);
        got.sort();
        for (const char* code : {"CL001", "CL002"}) EXPECT_TRUE(got.contains(QString::fromLatin1(code))) << code;
        for (const char* code : {"CL003", "CL004"}) EXPECT_FALSE(got.contains(QString::fromLatin1(code))) << code;
        const int row = got.indexOf(QStringLiteral("CL002"));
        Q_UNUSED(row);
        for (int r = 1; r < f->GridRows(); ++r)
            if (f->TextMatrix(r, 1) == QLatin1String("CL002")) f->grdDispWindow->setCurrentCell(r - 1, 1);
        QTest::keyClick(f->grdDispWindow, Qt::Key_Return);
    });
    EXPECT_EQ(revenue.ValidateNursePackageCode(QString()), QStringLiteral("CL002"));
}

TEST_F(SearchCodesTest, TypedWildcardsFindOnlyThemselves)
{
    const QString query = QStringLiteral("SELECT DoctorID FROM BUILD_FILE..tbCoDoctor WHERE LastName LIKE '##%'");
    const int named = count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoDoctor WHERE LastName IS NOT NULL"));
    ASSERT_GT(named, 1);
    EXPECT_EQ(OpenSearchStatement(conn(), query, {}, QString()).recordCount(), named);
    for (const char* typed : {"_", "%", "V_L", "%LL"})
        EXPECT_EQ(OpenSearchStatement(conn(), query, {}, QString::fromLatin1(typed)).recordCount(), 0) << typed;
    exec(QStringLiteral("UPDATE BUILD_FILE..tbCoDoctor SET LastName = 'V_LLAREAL' WHERE DoctorID = 'D001'"));
    EXPECT_EQ(OpenSearchStatement(conn(), query, {}, QStringLiteral("V_L")).recordCount(), 1);
}

TEST_F(SearchCodesTest, StatementWithCriteriaNarrowsAsTheUserTypes)
{
    frmSearchCodes* f = frmSearchCodes::instance();
    f->SearchCaption = QStringLiteral("Doctors");
    f->Query = QStringLiteral("SELECT DoctorID, LastName FROM BUILD_FILE..tbCoDoctor WHERE LastName LIKE '##%' ORDER BY DoctorID");
    f->QueryParams = {};
    f->Criteria = QString();
    f->DisableSearch = false;
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog* d) {
        frmSearchCodes* p = picker(d);
        EXPECT_EQ(p->GridRows(), 9); // every doctor, the inactive one included
        p->txtSearchStr->selectAll();
        QTest::keyClicks(p->txtSearchStr, QStringLiteral("vil"));
        EXPECT_EQ(p->Criteria, QStringLiteral("VIL"));
        EXPECT_EQ(codes(p), (QStringList{QStringLiteral("D001"), QStringLiteral("D006")}));
        QTest::keyClicks(p->txtSearchStr, QStringLiteral("'"));
        EXPECT_EQ(p->GridRows(), 1); // a quote is only text
        EXPECT_FALSE(p->cmdSelect->isEnabled());
        QTest::keyClick(p->txtSearchStr, Qt::Key_Return); // nothing to choose: stays open
        EXPECT_TRUE(p->isVisible());
        QTest::keyClick(p->txtSearchStr, Qt::Key_Backspace);
        EXPECT_EQ(p->GridRows(), 3);
        QTest::keyClick(p->txtSearchStr, Qt::Key_Down);
        EXPECT_EQ(p->GridRow(), 1);
        const QRect cell = p->grdDispWindow->visualItemRect(p->grdDispWindow->item(1, 1));
        // a click first, as a person's double-click begins with one
        QTest::mouseClick(p->grdDispWindow->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(p->grdDispWindow->viewport(), Qt::LeftButton, {}, cell.center());
    });
    EXPECT_EQ(f->ShowModal(), QDialog::Accepted);
    EXPECT_TRUE(f->Valid);
    EXPECT_EQ(f->ResultCode, QStringLiteral("D006"));
    EXPECT_EQ(errorNotices(), 0);
}

TEST_F(SearchCodesTest, DisabledSearchOpensWithoutRunningTheStatement)
{
    frmSearchCodes* f = frmSearchCodes::instance();
    f->SearchCaption = QStringLiteral("Codes");
    f->Query = QStringLiteral("SELECT NoSuchColumn FROM NOWHERE..nothing");
    f->DisableSearch = true;
    UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [](QDialog* d) {
        frmSearchCodes* p = picker(d);
        EXPECT_FALSE(p->txtSearchStr->isEnabled());
        EXPECT_EQ(p->GridRows(), 1);
        QTest::mouseClick(p->cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(f->ShowModal(), QDialog::Rejected);
    EXPECT_FALSE(f->Valid);
    f->DisableSearch = false;
    EXPECT_THROW(f->ShowModal(), DbError); // the first search fails while loading: the caller's to report
    EXPECT_EQ(UiScript::dialogsRun().size(), 1);
}
