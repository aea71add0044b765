#include "WorkspaceFixture.h"

#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "shared/frmMessage.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QCoreApplication>
#include <QEvent>

namespace {

class WorkspaceLeaving : public WorkspaceTest {
protected:
    void TearDown() override
    {
        for (QWidget* w : WindowRegistry::loaded()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WorkspaceTest::TearDown();
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // A window of the ordering page that the workspace is to close.
    static QWidget* picker(const char* name)
    {
        auto* w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        w->setAttribute(Qt::WA_DeleteOnClose, true);
        WindowRegistry::add(w);
        return w;
    }
};

TEST_F(WorkspaceLeaving, UnsentOrderAsksFirstAndYesSendsIt)
{
    frmFinal* w = open(admission(0));
    w->mshflexOrders->setTextMatrix(1, 1, QStringLiteral("LAB"));
    w->tabSSTab1->setCurrentIndex(6);
    UiScript::queueDialog(QStringLiteral("frmMessage"), [](QDialog* d) { static_cast<frmMessage*>(d)->cmdOption_Click(0); });
    UiScript::queueAnswer(vbNo);  // the save's validation is left: not to try again
    UiScript::queueAnswer(vbNo);  // "Do you want to exit?"
    w->cmdExit->click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmMessage", "frmTransaction_UserValidation"}));
    EXPECT_EQ(w->tabSSTab1->currentIndex(), 0);
    ASSERT_GE(UiScript::texts().size(), 2);
    EXPECT_EQ(UiScript::texts().last(), "Do you want to exit?");
    EXPECT_TRUE(frmFinal::isLoaded()) << "No to the exit question keeps the workspace even after the save";
}

TEST_F(WorkspaceLeaving, UnsentOrderAnsweredNoSendsNothing)
{
    frmFinal* w = open(admission(0));
    w->mshflexOrders->setRows(3);
    w->tabSSTab1->setCurrentIndex(6);
    UiScript::queueDialog(QStringLiteral("frmMessage"), [](QDialog* d) { static_cast<frmMessage*>(d)->cmdOption_Click(1); });
    UiScript::queueAnswer(vbNo);
    w->cmdExit->click();
    EXPECT_EQ(UiScript::texts(), QStringList{"Do you want to exit?"});
    EXPECT_EQ(w->tabSSTab1->currentIndex(), 6);
}

TEST_F(WorkspaceLeaving, BlankOrderRowAsksOnlyTheExitQuestion)
{
    frmFinal* w = open(admission(0));
    UiScript::queueAnswer(vbNo);
    w->cmdExit->click();
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(UiScript::texts(), QStringList{"Do you want to exit?"});
}

TEST_F(WorkspaceLeaving, ExitReturnsToTheCaseListAndClosesTheGeneralList)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("1"));
    frmSearch::instance();
    frmFinal* w = open(admission(0));
    UiScript::queueAnswer(vbYes);
    w->cmdExit->click();
    flushDeletes();
    EXPECT_FALSE(frmFinal::isLoaded());
    EXPECT_TRUE(frmCathPatients::isLoaded());
    EXPECT_FALSE(frmSearch::isLoaded());
}

TEST_F(WorkspaceLeaving, ExitReturnsToTheGeneralListWithItsHandOffLabelsOff)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
    frmSearch* list = frmSearch::instance();
    for (QLabel* l : list->lblProcedures) l->setEnabled(true);
    frmFinal* w = open(admission(0));
    UiScript::queueAnswer(vbYes);
    w->cmdExit->click();
    flushDeletes();
    ASSERT_TRUE(frmSearch::isLoaded());
    for (QLabel* l : frmSearch::existing()->lblProcedures) EXPECT_FALSE(l->isEnabled());
    EXPECT_FALSE(frmCathPatients::isLoaded());
}

TEST_F(WorkspaceLeaving, ExitClosesEveryPickerTheFrameLeavesTheNeurologyOne)
{
    QPointer<QWidget> pt = picker("frmPTFile"), neuro = picker("frmNeuRoExams");
    frmFinal* w = open(admission(0));
    w->close();
    flushDeletes();
    EXPECT_TRUE(pt.isNull());
    EXPECT_FALSE(neuro.isNull());

    pt = picker("frmPTFile");
    w = open(admission(0));
    UiScript::queueAnswer(vbYes);
    w->cmdExit->click();
    flushDeletes();
    EXPECT_TRUE(pt.isNull());
    EXPECT_TRUE(neuro.isNull());
}

TEST_F(WorkspaceLeaving, HiddenReportLabelsRunTheirReportsAtOnce)
{
    frmFinal* w = open(admission(0));
    const QString id = w->txtID->text();
    for (QLabel* l : w->lblReports) {
        EXPECT_TRUE(l->isHidden());
        EXPECT_FALSE(l->isEnabled());
    }
    struct Case { int index; const char* file; QVariantList params; const char* caption; bool tree; };
    const Case cases[] = {
        {0, "Diet_List.Rpt", {"CL", Session.HospName.trimmed(), Session.HospAddress.trimmed(), Session.CurrentStationName.toString().trimmed() + " - Diet List"}, "Diet List", false},
        {1, "CensusByStation_QZV.rpt", {Session.ServerDate.toString("MM/dd/yyyy")}, "Census Report by Station", false},
        {2, "NurseDischargeReport.rpt", {Session.CurrentStationName.toString().trimmed(), Session.HospName.trimmed(), Session.HospAddress.trimmed()}, "Discharged List", false},
        {3, "List_of_RequestOrders.Rpt", {id}, "", true},
        {4, "Posted Medicines.RPT", {id}, "", false},
        {5, "Posted Supplies.RPT", {id}, "", false},
        {6, "List_Of_Proccess_Request_New.rpt", {id, "CL"}, "List of Processed Request", false},
    };
    for (const Case& c : cases) {
        ReportLog::clear();
        w->lblReports_Click(c.index);
        ASSERT_EQ(ReportLog::calls().size(), 1) << c.index;
        const ReportCall& call = ReportLog::calls()[0];
        EXPECT_EQ(call.fileName(), c.file);
        EXPECT_EQ(call.params, c.params) << c.index;
        EXPECT_EQ(call.caption, c.caption);
        EXPECT_EQ(call.showGroupTree, c.tree);
        EXPECT_TRUE(call.error.isEmpty()) << c.index << ' ' << call.error.toStdString();
    }
    EXPECT_TRUE(UiScript::shown().isEmpty()) << "no right and no date prompt on the labels";
}

TEST_F(WorkspaceLeaving, PointerOverAReportLabelColoursItYellowAndTheOthersBlue)
{
    frmFinal* w = open(admission(0));
    w->lblReports_MouseMove(2);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w->lblReports[i]->palette().color(QPalette::WindowText), i == 2 ? QColor(255, 255, 0) : QColor(0, 0, 0xC0));
}

TEST_F(WorkspaceLeaving, ThePostedMedicinesHaveTheirColumnHeadings)
{
    frmFinal* w = open(admission(0));
    ReportLog::clear();
    w->lblReports_Click(4);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const QString text = ReportLog::calls()[0].text;
    const QString medicine = conn().query("SELECT I.ItemName FROM BILLING..tbBillDailyBill B JOIN INVENTORY..TBINVMASTER I "
                                          "ON I.ItemID = B.ItemID WHERE B.IDNum = ? AND B.RevenueID = 'PH'", {admission(0)})
                                 .text("ItemName").trimmed();
    ASSERT_FALSE(medicine.isEmpty());
    const qsizetype headings = text.indexOf(QStringLiteral("Date\nMedicine\nQuantity\nAmount"));
    EXPECT_GE(headings, 0) << text.toStdString();
    EXPECT_GT(text.indexOf(medicine), headings);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmReportViewer")) top->close();
}

} // namespace
