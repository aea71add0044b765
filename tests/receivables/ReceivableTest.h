#pragma once
// The receivable update driven as a nurse drives it: a fresh demo hospital with a few discharged
// stays of its own (billed, unbilled under cash basis, invoiced, a billed out-patient visit), the
// code search and the drug catalogue connected, and the window's floating box typed into.
#include "support/TestDatabase.h"

#include "charging/ChargingComponents.h"
#include "components/Component.h"
#include "components/patient_search/clsPatientSearch.h"
#include "shared/MainWindowLinks.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivableValues.h"
#include "receivables/frmRecievable.h"
#include "receivables/frmSearchRecievable.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

class ReceivableTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        m_savedHost = MainWindowLinks::currentHost(); // put back when the test ends, whatever it installed
        StationParameters().LoadParameters();
        Receivable.reset();
        m_components = std::make_unique<ChargingComponents>(conn());
        m_search.reset(ComponentFactory::createAs<clsPatientSearch>(QStringLiteral("MasterSearch.clsPatientSearch")));
        m_search->InitConnection(&conn(), QString());
        Session.PatientSearch = m_search.get();
        Connection& c = conn();
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, NationalityID) "
                                 "VALUES ('R9001', 'DELAROSA  ', 'JUAN  ', 'PONCE ', 'M', 'USA'), "
                                 "('R9002', 'DELACRUZ', 'ANA', 'REYES', 'F', 'FIL'), ('R9003', 'DELMAR', 'LINO', '', 'M', 'FIL')"));
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, AccountNum, BillingDate, "
                                 "InvoiceDate) VALUES "
                                 "('RX001', 'R9001', '2026-11-02 08:00:00', '2026-11-09 10:00:00', '205', '', '2026-11-10 09:00:00', NULL), "
                                 "('RX002', 'R9002', '2026-11-03 08:00:00', '2026-11-08 10:00:00', '205', '', NULL, NULL), "
                                 "('RX003', 'R9003', '2026-10-03 08:00:00', '2026-10-08 10:00:00', '205', '', '2026-10-09 09:00:00', "
                                 "'2026-10-20 09:00:00')"));
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL) VALUES ('RX002', 0)"));
        c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoOPDClass (OPDClassID, Description, RateType) VALUES ('Q', 'TEST CASH', 'A')"));
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, DcrDate, AccountNum, BillingDate, "
                                 "OPDClass) VALUES ('RX004B', 'R9002', '2026-11-20 08:00:00', '2026-11-20 12:00:00', '', "
                                 "'2026-11-21 09:00:00', 'Q')"));
        const QString item = QStringLiteral(
            "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
            "RateE, RateF, RateG, RateH, FixRate, Status) VALUES (?, ?, ?, 100, 200, 300, 400, 500, 600, 700, 800, 'Y', 'A')");
        c.execute(item, {"HS", "TST01", "TEST PROCEDURE"});
        c.execute(item, {"CO", "TST03", "TEST MARKED-UP ITEM"});
        for (const char* d : {"HS", "PH", "MD", "CO", "OX"})
            if (count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLChargingCodes WHERE RevenueID = ?"), {d}) == 0)
                c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) VALUES (?, ?, 'A')"),
                          {d, d});
        c.execute(QStringLiteral("UPDATE INVENTORY..tbInvSellingPrice SET SellingPriceIn = 50, SellingPriceOut = 70 "
                                 "WHERE ItemID IN ('MED0201', 'MED0301')"));
        c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, Status) VALUES "
                                 "('T02', 'BAUTISTA', 'ROSA', 'A')"));
        c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorRate (DoctorID, RateClass, Amount) VALUES ('T02', 'C', 3000)"));
        Session.HospitalInfo.IsShowAmount = true;
        setHospitalFlag(QStringLiteral("IsShowAmount"), 1);
        UiScript::reset();
    }
    void TearDown() override
    {
        delete frmRecievable::existing();
        frmSearchRecievable::Unload();
        MainWindowLinks::setHost(m_savedHost);
        Session.PatientSearch = nullptr;
        m_search.reset();
        m_components.reset();
        DbTest::TearDown();
    }
    // The hospital information is read again whenever the grid is laid out.
    void setHospitalFlag(const QString& field, int value)
    {
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET %1 = ?").arg(field), {value});
    }
    frmRecievable* open()
    {
        frmRecievable* w = frmRecievable::instance();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
public:
    // Picks the patient through the window's search, as the user would: the key typed, Search,
    // the row with that admission number chosen and Enter.
    static void pickThroughSearch(const QString& idNum, bool outPatient = false)
    {
        UiScript::queueDialog(QStringLiteral("frmSearchRecievable"), [idNum, outPatient](QDialog* d) {
            auto* s = static_cast<frmSearchRecievable*>(d);
            s->optPatientType[outPatient ? 1 : 0]->click();
            s->txtSearch[2]->setText(idNum);
            s->Command1->click();
            for (int r = 1; r < s->MSHFlexList->Rows(); ++r)
                if (s->MSHFlexList->TextMatrix(r, 2) == idNum) s->MSHFlexList->setCurrentCell(r, 1);
            QTest::keyClick(s->MSHFlexList, Qt::Key_Return);
        });
        frmRecievable::instance()->Command1[3]->click();
    }

protected:
    frmRecievable* w() { return frmRecievable::instance(); }
    EntryGrid* grid() { return w()->mshflexEntry; }
    QString cell(int row, int col) { return grid()->TextMatrix(row, col); }
    void key(Qt::Key k) { QTest::keyClick(w()->txtEntry, k); }
    void enter(const QString& text)
    {
        w()->txtEntry->selectAll();
        QTest::keyClick(w()->txtEntry, Qt::Key_Backspace);
        QTest::keyClicks(w()->txtEntry, text);
        key(Qt::Key_Return);
    }
    std::unique_ptr<ChargingComponents> m_components;
    std::unique_ptr<clsPatientSearch> m_search;
    MainWindowLinks::Host m_savedHost;
};
