// The pharmacy request entry driven by keys: the six ways a medicine code comes in (by generic or
// brand, typed or picked) with the checks each runs, the prices, the dosage, quantity and STAT
// refusals.
#include "RequestsFixture.h"

#include "components/Component.h"
#include "components/Drugs.h"
#include "medication_requests/frmPHEntry.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/frmMessage.h"
#include "shared/modGlobals.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class PharmacyEntryTest : public RequestsTest {
protected:
    std::unique_ptr<frmPHEntry> open(const QString& idNum = QStringLiteral("TX0001"))
    {
        auto w = std::make_unique<frmPHEntry>(patient(idNum));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    static QString cell(frmPHEntry* w, int row, int col) { return w->mshflexEntry->TextMatrix(row, col); }
    static QStringList rowCells(frmPHEntry* w, int row)
    {
        QStringList out;
        for (int c = 1; c < 10; ++c) out << cell(w, row, c);
        return out;
    }
    // A generic-name pick list in place of the medicine list (start-up makes one or the other).
    void useGenericList()
    {
        m_generic.reset(ComponentFactory::createAs<clsListDrugs>(QStringLiteral("prjListDrugsByGeneric.clsListGeneric")));
        m_generic->setConnection(&conn());
        Session.DrugList = m_generic.get();
    }
    std::unique_ptr<clsListDrugs> m_generic;
};

const QStringList kGenericRow = {"9001", "PARACETAMOL(ANALGESIC)", "", "", "0", "", "1", "0", "N"};
const QStringList kBrandRow = {"20103", "CLOPIDOGREL 75MG TAB TAB", "PRN", "1", "38", "PRN/REPLACEMENT", "0", "38", "N"};

struct Route {
    const char* name;
    bool byGeneric, genericList;
    const char *typed, *picked;
    QStringList row;
    const char* unknownCodeMessage; // what a typed code the catalogue does not know gives on this route
};
const Route kRoutes[] = {
    {"T-G", true, false, "9001", nullptr, kGenericRow, nullptr},
    {"T-Bg", true, false, "20103", nullptr, kBrandRow, "Code does not exist."},
    {"T-B", false, false, "20103", nullptr, kBrandRow, "Code does not exist!"},
    {"L-G", true, true, "PARA", "9001", kGenericRow, nullptr},
    {"L-Bg", true, false, "CLOP", "20103", kBrandRow, nullptr},
    {"L-B", false, false, "CLOP", "20103", kBrandRow, nullptr},
};

TEST_F(PharmacyEntryTest, OpensWithOneNumberedRowAndOnlyItsCodeOpen)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Pharmacy Request Entry");
    EXPECT_EQ(w->mshflexEntry->Rows(), 2);
    EXPECT_EQ(cell(w.get(), 1, 0), "1");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(0, 9), "STAT");
    EXPECT_EQ(w->mshflexEntry->Col(), 1);
    EXPECT_TRUE(w->txtEntry->isVisible());
    EXPECT_EQ(w->lblMessage->text(), "Type Item Code or first 4 letters of Item Name then Press <Enter>....");
    // Nothing but the code can be typed on a row without an item.
    w->mshflexEntry->MoveTo(1, 3);
    EXPECT_FALSE(w->txtEntry->isVisible());
}

TEST_F(PharmacyEntryTest, SixRoutesOfACode)
{
    for (const Route& r : kRoutes) {
        SCOPED_TRACE(r.name);
        setHospitalFlag("Bygeneric", r.byGeneric);
        Session.DrugList = m_list.get();
        if (r.genericList) useGenericList();
        UiScript::reset();
        if (r.picked) queuePick(QString::fromLatin1(r.picked));
        auto w = open();
        enter(w->txtEntry, QString::fromLatin1(r.typed));
        EXPECT_TRUE(UiScript::texts().isEmpty()) << UiScript::lastText().toStdString();
        EXPECT_EQ(rowCells(w.get(), 1), r.row);
        EXPECT_EQ(UiScript::dialogsRun().contains("frmCodeSearchList"), r.picked != nullptr);
        // Once a code was typed the description is skipped: Enter goes on to the dosage.
        EXPECT_EQ(w->mshflexEntry->Col(), 3);
        if (!r.unknownCodeMessage) continue;
        // A code the catalogue does not know is refused with the route's own text; the row stays empty.
        UiScript::reset();
        auto w2 = open();
        enter(w2->txtEntry, QStringLiteral("29999"));
        EXPECT_EQ(UiScript::lastText(), r.unknownCodeMessage);
        EXPECT_EQ(cell(w2.get(), 1, 2), "");
    }
}

// Every route takes back an item that is still pending, and one whose medicines are not yet
// administered; the row is emptied and the box waits on its code.
TEST_F(PharmacyEntryTest, EveryRouteRefusesPendingAndUnadministeredItems)
{
    setNursingFlag("ValidateUnusedMedClearance", true);
    for (const Route& r : kRoutes) {
        SCOPED_TRACE(r.name);
        const QString code = r.row[0];
        setHospitalFlag("Bygeneric", r.byGeneric);
        Session.DrugList = m_list.get();
        if (r.genericList) useGenericList();
        for (const bool pending : {true, false}) {
            conn().execute("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = 'TX0001'");
            conn().execute("DELETE FROM STATION..tbNursePatientMedicines WHERE IDNum = 'TX0001'");
            // Issued earlier: processed by pharmacy; pending: still open.
            conn().execute("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, Quantity, RequestDate, "
                           "RecordStatus) VALUES ('TRQ1', 'TX0001', 'PH', ?, 4, ?, ?)",
                           {code, QDateTime(QDate(2026, 12, 3), QTime(9, 0)), pending ? QVariant() : QVariant("X")});
            UiScript::reset();
            if (r.picked) queuePick(QString::fromLatin1(r.picked));
            auto w = open();
            enter(w->txtEntry, QString::fromLatin1(r.typed));
            ASSERT_FALSE(UiScript::shown().isEmpty());
            if (pending)
                EXPECT_EQ(UiScript::shown().last().title, "Message ");
            else
                EXPECT_EQ(UiScript::lastText(), "Please administer previously requested medicines before requesting again. \r\n"
                                                "Please check list of medicines for this patient.");
            EXPECT_EQ(cell(w.get(), 1, 1), "");
            EXPECT_EQ(cell(w.get(), 1, 2), "");
            EXPECT_EQ(w->mshflexEntry->Col(), 1);
        }
    }
}

// The listed routes get the stock check and the high-alert notice of the typed ones.
TEST_F(PharmacyEntryTest, PickedItemsAreCheckedForStockAndWarnings)
{
    setHospitalFlag("AllowZeroOnHand", true);
    queuePick("20108");
    auto w = open();
    enter(w->txtEntry, "NITRO");
    EXPECT_EQ(UiScript::lastText(), "There is no stock left for NITROGLYCERIN 5MG/ML AMP. The system can't process the specified item.");
    EXPECT_EQ(UiScript::shown().last().style & 0x70, vbCritical);
    EXPECT_EQ(cell(w.get(), 1, 1), "");

    QString notice;
    UiScript::queueDialog("frmMessage", [&notice](QDialog* d) {
        auto* m = static_cast<frmMessage*>(d);
        notice = m->lblMessage->text();
        EXPECT_TRUE(m->cmdOption[0]->isHidden());
        EXPECT_EQ(m->cmdOption[1]->text(), "OK");
        m->cmdOption[1]->click();
    });
    queuePick("20105");
    enter(w->txtEntry, "INSU");
    EXPECT_EQ(notice, "ITEM IS TAGGED AS HIGH ALERT AND REFRIGERATED!");
    EXPECT_EQ(cell(w.get(), 1, 1), "20105");
}

TEST_F(PharmacyEntryTest, PricesByPatientKindAndCompanyAccount)
{
    struct Case {
        const char *idNum, *account, *code;
        bool companyPricing;
        const char* price;
    } cases[] = {
        {"TX0001", "T9001", "20103", true, "38"},    // the patient's own account: in-patient price
        {"TX0002B", "T9001", "20103", true, "35"},   // a visit: out-patient price
        {"TX0001", "C100", "20103", true, "34.5"},   // a company account: the company price
        {"TX0001", "C100", "20103", false, "38"},    // company prices off
        {"TX0001", "C100", "20102", true, "2.25"},   // no company price for the item: its selling price
        {"TX0002B", "C100", "20103", true, "34.5"},  // a visit charged to a company
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.idNum) + " " + c.account + " " + c.code);
        setHospitalFlag("IsCompanyPrice", c.companyPricing);
        conn().execute("UPDATE PATIENT_DATA..tbPatient SET AccountNum = ? WHERE IDNum = 'TX0001'", {c.account});
        conn().execute("UPDATE PATIENT_DATA..TBOUTPATIENT SET AccountNum = ? WHERE IDNum = 'TX0002B'", {c.account});
        auto w = open(c.idNum);
        enter(w->txtEntry, c.code);
        EXPECT_EQ(cell(w.get(), 1, 8), c.price);
        EXPECT_EQ(cell(w.get(), 1, 5), c.price); // one unit
    }
}

TEST_F(PharmacyEntryTest, DosageQuantityAndStatWalkTheRow)
{
    auto w = open();
    enter(w->txtEntry, "20103"); // 38 a tablet, 300 in stock
    ASSERT_EQ(w->mshflexEntry->Col(), 3);
    enter(w->txtEntry, "TID");
    EXPECT_EQ(cell(w.get(), 1, 3), "TID");
    EXPECT_EQ(cell(w.get(), 1, 4), "3");
    EXPECT_EQ(cell(w.get(), 1, 6), ""); // not PRN: the remarks are emptied
    EXPECT_EQ(cell(w.get(), 1, 5), "114");
    ASSERT_EQ(w->mshflexEntry->Col(), 4);
    enter(w->txtEntry, "10");
    EXPECT_EQ(cell(w.get(), 1, 5), "380");
    ASSERT_EQ(w->mshflexEntry->Col(), 6);
    enter(w->txtEntry, "after meals");
    EXPECT_EQ(cell(w.get(), 1, 6), "AFTER MEALS");
    ASSERT_EQ(w->mshflexEntry->Col(), 9);
    enter(w->txtEntry, "y");
    EXPECT_EQ(cell(w.get(), 1, 9), "Y");
    // The complete row got a second row behind it, where the cursor now stands.
    EXPECT_EQ(w->mshflexEntry->Rows(), 3);
    EXPECT_EQ(cell(w.get(), 2, 0), "2");
    EXPECT_EQ(w->mshflexEntry->Row(), 2);
    EXPECT_EQ(w->mshflexEntry->Col(), 1);
    EXPECT_TRUE(UiScript::texts().isEmpty());
    // The same brand again is refused and its row taken back.
    enter(w->txtEntry, "20103");
    EXPECT_EQ(UiScript::lastText(), "Can't request the same medicine! Please check previous requests.");
    EXPECT_EQ(cell(w.get(), 2, 1), "");
}

TEST_F(PharmacyEntryTest, QuantityAndStatRefusals)
{
    setHospitalFlag("AllowZeroOnHand", true);
    struct Case {
        int column;
        const char *typed, *message, *cellAfter;
    } cases[] = {
        {4, "0", "Quantity should be greater than zero(0)!", "1"},
        {4, "2.5", "You are only allowed to enter whole number for quantity.", "1"},
        {4, "400", "Stock is not enough for the quantity entered. Remaining stock is: 300", ""},
        {9, "X", "Invalid entry! Please enter <Y> STAT and <N> Non STAT.", "N"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        UiScript::reset();
        auto w = open();
        enter(w->txtEntry, "20103");
        w->mshflexEntry->MoveTo(1, c.column);
        enter(w->txtEntry, c.typed);
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(cell(w.get(), 1, c.column), c.cellAfter);
        EXPECT_EQ(w->mshflexEntry->Col(), c.column); // the cursor stays
        if (c.column == 4) EXPECT_EQ(cell(w.get(), 1, 5), "38"); // the amount is not touched
    }
}

TEST_F(PharmacyEntryTest, DeleteAsksAndRenumbers)
{
    auto w = open();
    UiScript::reset();
    w->cmdMedOption[2]->click();
    EXPECT_EQ(UiScript::lastText(), "Row cannot be deleted because there are no entries yet.");
    for (const char* code : {"20101", "20102", "20103"}) {
        enter(w->txtEntry, code);
        w->mshflexEntry->MoveTo(w->mshflexEntry->Rows() - 1, 1);
    }
    ASSERT_EQ(w->mshflexEntry->Rows(), 5);
    w->mshflexEntry->MoveTo(1, 1);
    UiScript::queueAnswer(vbNo);
    w->cmdMedOption[2]->click();
    EXPECT_EQ(w->mshflexEntry->Rows(), 5);
    UiScript::queueAnswer(vbYes);
    QTest::keyClick(w->txtEntry, Qt::Key_F3); // F3 runs the same
    EXPECT_EQ(UiScript::lastText(), "Are you sure to delete the request?");
    ASSERT_EQ(w->mshflexEntry->Rows(), 4);
    EXPECT_EQ(cell(w.get(), 1, 1), "20102");
    EXPECT_EQ(QStringList({cell(w.get(), 1, 0), cell(w.get(), 2, 0), cell(w.get(), 3, 0)}), QStringList({"1", "2", "3"}));
    EXPECT_EQ(w->RowNumberCounter, 3);
}

// A medicine off the national formulary for a PHIC patient: refused where no by-pass is allowed,
// asked otherwise.
TEST_F(PharmacyEntryTest, FormularyCheckForClaimPatients)
{
    setStationParameter("CheckPNF", "1");
    setStationParameter("NoPNFByPass", "1");
    conn().execute("INSERT INTO MEDICARE..tbPHICMembership (IDNum, PHICNumber, Status) VALUES ('TX0001', '19-000000001-2', 'A')");
    auto w = open();
    enter(w->txtEntry, "20103");
    EXPECT_EQ(UiScript::lastText(), "Item is not under PNF list.");
    EXPECT_EQ(cell(w.get(), 1, 2), "");
    EXPECT_EQ(w->txtEntry->text(), "20103"); // stopped: the box keeps the code
    setStationParameter("NoPNFByPass", "0");
    UiScript::reset();
    UiScript::queueAnswer(vbNo);
    enter(w->txtEntry, "20103");
    EXPECT_EQ(UiScript::lastText(), "Item is not under PNF list. Would you like to continue?");
    EXPECT_EQ(UiScript::shown().last().title, "Confirmation");
    EXPECT_EQ(cell(w.get(), 1, 2), "");
    UiScript::queueAnswer(vbYes);
    enter(w->txtEntry, "20103");
    EXPECT_EQ(cell(w.get(), 1, 2), "CLOPIDOGREL 75MG TAB TAB");
}

} // namespace
