#pragma once
// The clinical assessment window driven as a nurse drives it: a fresh demo hospital with the code
// search and the drug catalogue connected, the window opened for an in-patient in a room of class C
// (rates of class C), codes typed into the floating box and Enter pressed; the remarks dialog of
// each priced line is answered with "&Ok" unless the test scripts it.
#include "support/TestDatabase.h"

#include "assessment/frmAssessmentClinical.h"
#include "assessment/frmClinicalAssessmentRemarks.h"
#include "charging/ChargingComponents.h"
#include "shared/MainWindowLinks.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

class ClinicalWindowTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        m_savedHost = MainWindowLinks::currentHost(); // put back when the test ends, whatever it installed
        StationParameters().LoadParameters();
        m_components = std::make_unique<ChargingComponents>(conn());
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES ('TX0031', 'T9002', '205')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, Status) VALUES ('T01', 'ABAD', 'LUIS', 'A')"));
        // A service of class rates A 100 ... H 800, and one without rates.
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, "
                                      "RateC, RateD, RateE, RateF, RateG, RateH, FixRate, Status) "
                                      "VALUES ('HS', 'TST01', 'TEST PROCEDURE', 100, 200, 300, 400, 500, 600, 700, 800, 'Y', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, FixRate, Status) "
                                      "VALUES ('HS', 'TST09', 'UNPRICED SERVICE', 'Y', 'A')"));
    }
    void TearDown() override
    {
        delete frmAssessmentClinical::existing();
        MainWindowLinks::setHost(m_savedHost);
        m_components.reset();
        DbTest::TearDown();
    }
    frmAssessmentClinical* open(bool showAmount = true, bool stat = false)
    {
        frmAssessmentClinical* w = frmAssessmentClinical::instance();
        for (const char* d : {"LB", "XR", "US", "HS", "MD", "OX", "CT", "NU", "PT", "PA", "CS"}) {
            auto* item = new QTreeWidgetItem(w->lvwDepartments);
            item->setText(0, QString::fromLatin1(d));
        }
        w->txtID->setText(QStringLiteral("TX0031"));
        w->txtPno->setText(QStringLiteral("T9002"));
        w->txtPatient->setText(QStringLiteral("SANTOS, MARIA"));
        w->txtRoom->setText(QStringLiteral("205"));
        w->txtAge->setText(QStringLiteral("54"));
        w->txtSex->setText(QStringLiteral("F"));
        w->txtDoctor2->setText(QStringLiteral("DR. ABAD"));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        // The window rereads the hospital information as it lays itself out.
        Session.HospitalInfo.IsShowAmount = showAmount;
        Session.HospitalInfo.isstat = stat;
        Session.HospitalInfo.AllowZeroOnHand = false;
        Session.AllowEditAmount = false;
        return w;
    }
    frmAssessmentClinical* w() { return frmAssessmentClinical::instance(); }
    EntryGrid* grid() { return w()->mshflexEntry; }
    QString cell(int row, int col) { return grid()->TextMatrix(row, col); }
    void enter(const QString& text)
    {
        w()->txtEntry->selectAll();
        QTest::keyClick(w()->txtEntry, Qt::Key_Backspace);
        QTest::keyClicks(w()->txtEntry, text);
        QTest::keyClick(w()->txtEntry, Qt::Key_Return);
    }
    // The next remarks dialog: remarks typed, then "&Ok".
    static void queueRemarks(const QString& remarks = QString())
    {
        UiScript::queueDialog(QStringLiteral("frmClinicalAssessmentRemarks"), [remarks](QDialog* d) {
            auto* dlg = static_cast<frmClinicalAssessmentRemarks*>(d);
            dlg->txtRemarks->setPlainText(remarks);
            dlg->cmdOption->click();
        });
    }
    std::unique_ptr<ChargingComponents> m_components;
    MainWindowLinks::Host m_savedHost;
};
