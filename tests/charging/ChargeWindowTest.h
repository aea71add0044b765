#pragma once
// The charging window driven as a nurse drives it: a fresh demo hospital with the code search and
// the drug catalogue connected, the window opened for an admission and room, codes typed into its
// floating box and Enter pressed.
#include "support/TestDatabase.h"

#include "charging/ChargingComponents.h"
#include "charging/frmCharge.h"
#include "shared/MainWindowLinks.h"
#include "platform/ui/EntryGrid.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <memory>

class ChargeWindowTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        m_savedHost = MainWindowLinks::currentHost(); // put back when the test ends, whatever it installed
        StationParameters().LoadParameters();
        Session.HospitalInfo.IsShowAmount = true;
        m_components = std::make_unique<ChargingComponents>(conn());
    }
    void TearDown() override
    {
        delete frmCharge::existing();
        MainWindowLinks::setHost(m_savedHost);
        m_components.reset();
        DbTest::TearDown();
    }
    // The window for an admission and room, with the departments the workspace would give it.
    frmCharge* open(const QString& idNum = QStringLiteral("TX0001"), const QString& room = QStringLiteral("205"))
    {
        frmCharge* w = frmCharge::instance();
        for (const char* d : {"CL", "HS", "MD", "PH", "CO", "CP", "SR"}) {
            auto* item = new QTreeWidgetItem(w->lvwDepartments);
            item->setText(0, QString::fromLatin1(d));
        }
        w->txtID->setText(idNum);
        w->txtRoom->setText(room);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    frmCharge* w() { return frmCharge::instance(); }
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
    void enterItem(const QString& dept, const QString& code)
    {
        enter(dept);
        enter(code);
    }
    std::unique_ptr<ChargingComponents> m_components;
    MainWindowLinks::Host m_savedHost;
};
