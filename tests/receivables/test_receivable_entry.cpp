// The receivable update's item entry by kind of row, and the rules of its grid.
#include "receivables/ReceivableTest.h"

#include "components/code_search/frmCodeSearchList.h"
#include "receivables/ReceivableEntryRow.h"
#include "receivables/ReceivablePSI.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using Col = ReceivableEntryRow::Column;

namespace {

class ReceivableEntryTest : public ReceivableTest {
protected:
    void pickDosage(const QString& code)
    {
        UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [code](QDialog* d) {
            auto* list = static_cast<frmCodeSearchList*>(d);
            const int row = list->FindRow(code);
            ASSERT_GE(row, 0);
            list->grdList->setCurrentCell(row, 0);
            QTest::mouseClick(list->cmdSelect, Qt::LeftButton);
        });
    }
};

TEST_F(ReceivableEntryTest, ItemEntryPricesEachKindOfRow)
{
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency, Status) VALUES ('TST3', 'THREE TIMES', 3, 'A')"));
    conn().execute(QStringLiteral("INSERT INTO MEDICARE..tbPHICMembership (IDNum, PHICNumber, Status) VALUES ('RX001', 'PH1', 'A')"));
    struct Case {
        const char* name;
        const char *idNum, *dept, *code;
        std::function<void()> prepare;
        const char *message, *qty, *unit, *amount, *location, *dosage;
    } cases[] = {
        {"stock, in-patient price", "RX001", "PH", "MED0201", nullptr, "", "1", "50", "50", "20", ""},
        {"stock, cash out-patient price", "RX004B", "PH", "MED0201", nullptr, "", "1", "70", "70", "20", ""},
        {"stock off the PNF list, no bypass", "RX001", "PH", "MED0301",
         [this] {
             setStationParameter(QStringLiteral("CheckPNF"), QStringLiteral("1"));
             setStationParameter(QStringLiteral("NoPNFByPass"), QStringLiteral("1"));
         },
         "Item is not under PNF list.", "", "", "", "", ""},
        {"stock with a dosage: the frequency is the quantity", "RX001", "PH", "MED0201",
         [this] {
             setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), QStringLiteral("1"));
         },
         "", "3", "50", "150", "20", "TST3"},
        {"stock with no dosage chosen", "RX001", "PH", "MED0201",
         [this] { setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), QStringLiteral("1")); },
         "DOSAGE ID for HEPARIN 5000IU/ML VIAL is empty. The system can't process the specified item.", "1", "50", "50", "20", ""},
        {"professional fee at the class rate", "RX001", "MD", "T02", nullptr, "", "1", "3000", "3000", "", ""},
        {"service at the room's class", "RX001", "HS", "TST01", nullptr, "", "1", "300", "300", "", ""},
        {"service, cash out-patient class A", "RX004B", "HS", "TST01", nullptr, "", "1", "100", "100", "", ""},
        {"service, international patient", "RX001", "HS", "TST01",
         [this] { setStationParameter(QStringLiteral("CLAllowInternationalRate"), QStringLiteral("1")); }, "",
         "1", "330", "330", "", ""},
        {"mark-up first, international rate second", "RX001", "CO", "TST03",
         [this] {
             setStationParameter(QStringLiteral("CLAllowInternationalRate"), QStringLiteral("1"));
             setStationParameter(QStringLiteral("UseNewCLMarkUp"), QStringLiteral("1"));
             Session.HospClientName = QStringLiteral("QOLTA");
             MainWindowLinks::Host host;
             host.showMarkUpChoice = [] {
                 DialogAnswers.MarkupOperation = 2;
                 DialogAnswers.MarkupValue = 100;
             };
             MainWindowLinks::setHost(host);
         },
         "", "1", "440", "440", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString id = QString::fromLatin1(c.idNum);
        open();
        pickThroughSearch(id, id.endsWith(QLatin1Char('B')));
        ASSERT_EQ(w()->txtID->text(), id) << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
        UiScript::reset();
        if (c.prepare) c.prepare(); // after the opening, which reads the hospital information afresh
        if (QString::fromLatin1(c.dosage) == QLatin1String("TST3")) pickDosage(QStringLiteral("TST3"));
        enter(QString::fromLatin1(c.dept));
        enter(QString::fromLatin1(c.code));
        EXPECT_EQ(UiScript::lastText(), c.message);
        if (*c.unit) EXPECT_EQ(cell(1, Col::ItemCode), c.code);
        EXPECT_EQ(cell(1, Col::Qty), c.qty);
        EXPECT_EQ(cell(1, Col::UnitPrice), c.unit);
        EXPECT_EQ(cell(1, Col::Amount), c.amount);
        EXPECT_EQ(cell(1, Col::BasePrice), c.unit);
        EXPECT_EQ(cell(1, Col::Location), c.location);
        EXPECT_EQ(cell(1, Col::DosageID), c.dosage);
        delete frmRecievable::existing();
        setStationParameter(QStringLiteral("CheckPNF"), QStringLiteral("0"));
        setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), QStringLiteral("0"));
        setStationParameter(QStringLiteral("CLAllowInternationalRate"), QStringLiteral("0"));
        setStationParameter(QStringLiteral("UseNewCLMarkUp"), QStringLiteral("0"));
        Session.HospClientName.clear();
        MainWindowLinks::setHost(m_savedHost);
    }
}

TEST_F(ReceivableEntryTest, TypedQuantityAndAmountAreCheckedAndRefusedWithAMessage)
{
    setStationParameter(QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("1"));
    open();
    pickThroughSearch(QStringLiteral("RX001"));
    struct Step {
        const char *typed, *message;
        int col; // where the box stands afterwards
        const char *qty, *amount;
    } steps[] = {
        {"HS", "", Col::ItemCode, "", ""},
        {"TST01", "", Col::Qty, "1", "300"},
        {"0", "Quantity should be greater than Zero(0).", Col::Qty, "1", "300"},
        {"1/2", "You are only allowed to enter whole number for quantity.", Col::Qty, "1", "300"},
        {"2", "", Col::Amount, "2", "600"},
        {"", "Amount should be greater than zero(0)!", Col::Amount, "2", "600"},
        {"599.99", "Total Amount should be greater than or equal to QTY * Unit Price!", Col::Amount, "2", "600"},
        {"600.004", "", Col::Dept, "2", "600.004"}, // equal to the cent: taken as typed
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.typed);
        UiScript::reset();
        grid()->MoveTo(1, grid()->Col()); // a hidden box comes back over its cell
        enter(QString::fromLatin1(s.typed));
        EXPECT_EQ(UiScript::lastText(), s.message);
        EXPECT_EQ(cell(1, Col::Qty), s.qty);
        EXPECT_EQ(cell(1, Col::Amount), s.amount);
        if (!*s.message) EXPECT_EQ(grid()->Col(), s.col);
    }
    // the complete row got its follower, and the save's seam collects exactly that row
    EXPECT_EQ(grid()->Rows(), 3);
    const ReceivableEntryRows rows = w()->CollectEntryRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].gridRow, 1);
    EXPECT_EQ(rows[0].dept, "HS");
    EXPECT_EQ(rows[0].itemCode, "TST01");
    EXPECT_EQ(rows[0].amount, "600.004");
    EXPECT_FALSE(rows[0].isStock());
}

TEST_F(ReceivableEntryTest, GridRules)
{
    setStationParameter(QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("0"));
    open();
    // opening: one row numbered 1, the box over its department with the prompt
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_EQ(cell(1, Col::Number), " 1");
    EXPECT_EQ(grid()->Col(), int(Col::Dept));
    EXPECT_EQ(w()->lblMessage->text(), "Type the Charging Code..(See Department Codes for the list)");
    EXPECT_FALSE(w()->Command1[0]->isEnabled());
    pickThroughSearch(QStringLiteral("RX001"));
    EXPECT_TRUE(w()->Command1[0]->isEnabled());
    UiScript::reset();
    // a department not in the list is refused and the old code kept
    enter(QStringLiteral("ZZ"));
    EXPECT_EQ(UiScript::lastText(), "Department code does not exist! Please refer to the list of department codes.");
    EXPECT_EQ(cell(1, Col::Dept), "");
    // letters come in upper case, the apostrophe never
    UiScript::reset();
    w()->txtEntry->clear();
    QTest::keyClicks(w()->txtEntry, QStringLiteral("h's"));
    EXPECT_EQ(w()->txtEntry->text(), "HS");
    key(Qt::Key_Return);
    enter(QStringLiteral("TST01"));
    // with amounts not editable the row ends at the quantity; the editor never opens over a hidden column
    enter(QStringLiteral("2"));
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), int(Col::Dept));
    grid()->MoveTo(1, Col::Qty);
    key(Qt::Key_End);
    EXPECT_LE(grid()->Col(), int(Col::Amount));
    EXPECT_GT(grid()->ColWidth(grid()->Col()), 0);
    // the same item twice in one department is refused
    grid()->MoveTo(2, Col::Dept);
    enter(QStringLiteral("HS"));
    UiScript::reset();
    enter(QStringLiteral("TST01"));
    EXPECT_EQ(UiScript::lastText(), "Can't charge the same item.");
    // F3 on row 1 clears the whole row, hidden columns included
    grid()->setTextMatrix(1, Col::PackageQty, QStringLiteral("9"));
    grid()->MoveTo(1, Col::Dept);
    QTest::keyClick(w()->txtEntry, Qt::Key_F3);
    for (int c = 1; c < grid()->Cols(); ++c) EXPECT_EQ(cell(1, c), "") << c;
    // the department list is loaded once, each code once
    const int codes = w()->lvwDepartments->topLevelItemCount();
    w()->ResetEntry();
    EXPECT_EQ(w()->lvwDepartments->topLevelItemCount(), codes);
    QStringList seen;
    for (int i = 0; i < codes; ++i) seen << w()->lvwDepartments->topLevelItem(i)->text(0);
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), codes);
}

} // namespace

namespace {
TEST(ReceivableOxygen, AmountByConsumedPressure)
{
    const struct {
        int type, psi;
        double amount;
        bool read;
    } cases[] = {
        {1, 250, 2500, true}, // price per PSI
        {0, 250, 25, true},   // per 100 PSI: 2.5 units
        {0, 100, 10, true},
        {0, 60, 10, true},    // under 100 PSI: one unit
        {0, 0, 10, false},    // nothing read: one unit, no PSI row
        {1, 0, 10, true},     // per PSI the dialog's own Exit unmarks the row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + std::to_string(c.psi));
        const PSIAmount a = OxygenPSIAmount(c.type, c.psi, 10);
        EXPECT_DOUBLE_EQ(a.amount, c.amount);
        EXPECT_EQ(a.read, c.read);
    }
}
}

namespace {
TEST_F(ReceivableEntryTest, DeleteButtonRefusesBlankRowsAndRenumbers)
{
    setStationParameter(QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("0"));
    open();
    pickThroughSearch(QStringLiteral("RX001"));
    for (const auto& [dept, code] : {std::pair{"HS", "TST01"}, std::pair{"CO", "TST03"}}) {
        enter(QString::fromLatin1(dept));
        enter(QString::fromLatin1(code));
        enter(QStringLiteral("1"));
    }
    ASSERT_EQ(grid()->Rows(), 4); // two rows and the one being entered
    // the empty last row cannot be deleted
    UiScript::reset();
    grid()->MoveTo(3, Col::Dept);
    w()->Command1[4]->click();
    EXPECT_EQ(UiScript::lastText(), "Row cannot be deleted because there are no entries yet.");
    EXPECT_EQ(UiScript::shown().last().title, "MESSAGE");
    // No keeps the row; Yes removes it and the rows are numbered again from 1
    grid()->MoveTo(1, Col::Dept);
    UiScript::queueAnswer(vbNo);
    w()->Command1[4]->click();
    EXPECT_EQ(cell(1, Col::ItemCode), "TST01");
    EXPECT_EQ(cell(1, Col::Number), "1");
    grid()->MoveTo(1, Col::Dept);
    UiScript::queueAnswer(vbYes);
    w()->Command1[4]->click();
    EXPECT_EQ(UiScript::lastText(), "Are you sure to delete the request?");
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(cell(1, Col::ItemCode), "TST03");
    EXPECT_EQ(cell(1, Col::Number), "1");
    EXPECT_EQ(cell(2, Col::Number), "2");
}
}
