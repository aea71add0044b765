// The main window's menu items and toolbar: their rights, refusals, date prompts and the reports
// they print with their values.
#include "support/ScriptedValidation.h"
#include "shell/ShellTest.h"

#include "access/frmTransaction_UserValidation.h"
#include "charging/PackageItemPanel.h"
#include "charging/frmCharge.h"
#include "components/Component.h"
#include "components/login/clsCurrentuser.h"
#include "shared/MainWindowLinks.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "shared/clsParameters.h"
#include "procedure_report/frmCoronaryAngiographyVRNK.h"
#include "procedure_report/frmPatientIndex.h"
#include "receivables/frmRecievable.h"

#include "shared/reports/modReports.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMenu>
#include <QTest>
#include <functional>
#include <QToolBar>

namespace {

class Menus : public ShellTest {};

struct DatedReport {
    const char* name;
    void (mdiCathLabMenu::*action)();
    const char* prompt;
    const char* file;
    const char* caption;
    int values;
    const char* shows; // a text the demo data puts on the report
};

const DatedReport kDated[] = {
    {"audit", &mdiCathLabMenu::mnuAudit_Click, "Enter Report Date for Audit Report", "Audit_report.RPT", "Audit Report", 5,
     "SUMMARY PER USER"},
    {"census", &mdiCathLabMenu::mnuCLCensus_Click, "Enter Report Date for CathLab Census Report", "CLCensus.RPT",
     "CathLab Census Report", 2, "LEFT HEART CATHETERIZATION"},
    {"monthly", &mdiCathLabMenu::mnuMonthly_Click, "Enter Report Date for Monthly Report", "MonthlyReport.RPT",
     "Monthly Report", 2, "PTCA PACKAGE (TWO STENTS)"},
    {"detailed", &mdiCathLabMenu::mnuDetailed_Click, "Enter Report Date for Income Report",
     "Nurse_Station_Income_Detailed.RPT", "Income Report (Detailed)", 4, "LEFT HEART CATHETERIZATION"},
    {"summary", &mdiCathLabMenu::mnuSummary_Click, "Enter Report Date for Income Report", "Nurse_Station_Income_Summary.RPT",
     "Income Report (Summary)", 4, "PER ITEM"},
};

TEST_F(Menus, DatedReportsAskForDatesThenPrintWithTheirValues)
{
    for (const DatedReport& r : kDated) {
        UiScript::reset();
        ReportLog::clear();
        QString prompt;
        answerDates(&prompt, today().addDays(-30), today());
        (w->*r.action)();
        SCOPED_TRACE(r.name);
        EXPECT_EQ(prompt, QString::fromLatin1(r.prompt));
        EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const ReportCall& call = ReportLog::calls().last();
        EXPECT_EQ(call.fileName(), QString::fromLatin1(r.file));
        EXPECT_FALSE(call.openedFile.isEmpty());
        EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
        ASSERT_EQ(call.params.size(), r.values);
        const int from = call.params.size() == 4 ? 1 : 0; // the income reports take the amount switch first
        EXPECT_EQ(call.params[from].toString(), today().addDays(-30).toString(QStringLiteral("MM/dd/yyyy")));
        EXPECT_EQ(call.params[from + 1].toString(), today().toString(QStringLiteral("MM/dd/yyyy")));
        EXPECT_EQ(call.shown, ReportShown::Viewer);
        EXPECT_FALSE(call.showGroupTree);
        EXPECT_EQ(call.caption, QString::fromLatin1(r.caption));
        EXPECT_TRUE(call.text.contains(QString::fromLatin1(r.shows))) << call.text.toStdString();
    }
}

TEST_F(Menus, AuditAndIncomeReportsPassTheirOwnValues)
{
    answerDates(nullptr, today().addDays(-7), today());
    // The audit item is hidden and off in this station's menu: its handler is called as is.
    EXPECT_FALSE(w->mnuAudit->isVisible());
    w->mnuAudit_Click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const QVariantList audit = ReportLog::calls().last().params;
    EXPECT_EQ(audit[2].toString(), Session.HospName);
    EXPECT_EQ(audit[3].toString(), Session.HospAddress);
    EXPECT_EQ(audit[4].toString(), QStringLiteral("CATH LABORATORY AUDIT REPORT"));
    // the audit lists the reversal posted last week by the department
    EXPECT_TRUE(ReportLog::calls().last().text.contains(QStringLiteral("REVERSAL")));

    for (bool show : {true, false}) {
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsShowAmount = ?"), {show ? 1 : 0});
        LoadHospitalInfo();
        ReportLog::clear();
        answerDates(nullptr, today().addDays(-7), today());
        w->mnuDetailed->trigger();
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const ReportCall& call = ReportLog::calls().last();
        EXPECT_EQ(call.params[3].toString(), QStringLiteral("CL"));
        EXPECT_EQ(call.params[0], QVariant(show));
        // the demo's own procedure line of this morning: 42,000.00 only when amounts are shown
        EXPECT_EQ(call.text.contains(QStringLiteral("42,000.00")), show) << call.text.toStdString();
    }
}

TEST_F(Menus, AClosedDatePromptPrintsNothing)
{
    for (auto action : {&mdiCathLabMenu::mnuAudit_Click, &mdiCathLabMenu::mnuCLCensus_Click,
                        &mdiCathLabMenu::mnuSummary_Click}) {
        UiScript::queueDialog(QStringLiteral("frmReport"), [](QDialog* d) { static_cast<frmReport*>(d)->cmdOption[1]->click(); });
        (w->*action)();
    }
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(UiScript::dialogsRun().size(), 3);
}

TEST_F(Menus, RightsAreCheckedWithTheirOwnRefusals)
{
    struct Gate { void (mdiCathLabMenu::*action)(); const char* text; const char* title; };
    const Gate gates[] = {
        {&mdiCathLabMenu::mnuDetailed_Click, "Sorry, you don't have access right to view Detailed Income Report!", "Message"},
        {&mdiCathLabMenu::mnuSummary_Click, "Sorry, you don't have access right to view Summary Income Report!", "Notification"},
        {&mdiCathLabMenu::mnuRecvbles_Click, "Sorry, you don't have access right for Receivable Entry!", "Message"},
    };
    signIn(QStringLiteral("CL003")); // holds no right
    w->mnuLedger->setEnabled(true);
    for (const Gate& g : gates) {
        UiScript::reset();
        (w->*g.action)();
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::shown()[0].text, QString::fromLatin1(g.text));
        EXPECT_EQ(UiScript::shown()[0].title, QString::fromLatin1(g.title));
        EXPECT_EQ(UiScript::shown()[0].style & 0x70, int(vbInformation));
        EXPECT_TRUE(UiScript::dialogsRun().isEmpty()); // no date prompt after a refusal
    }
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_TRUE(w->mnuLedger->isEnabled()); // a refused receivable update changes no menu
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0); // refusals are not logged

    // CL004 holds rights 1, 3 and 10 only; the right is read at the moment of use
    signIn(QStringLiteral("CL004"));
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '|1|3|10|18' WHERE EmployeeID = 'CL004'"));
    UiScript::reset();
    answerDates(nullptr, today(), today());
    w->mnuDetailed->trigger();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(ReportLog::calls().size(), 1);
}

TEST_F(Menus, ReceivableUpdateDisablesThePatientItemsFirst)
{
    w->mnuLedger->setEnabled(true);
    w->mnuRS->setEnabled(true);
    w->mnuRecvbles->trigger();
    EXPECT_FALSE(w->mnuLedger->isEnabled());
    EXPECT_FALSE(w->mnuRS->isEnabled());
    EXPECT_TRUE(UiScript::shown().isEmpty());
    ASSERT_TRUE(frmRecievable::isLoaded());
    EXPECT_EQ(frmRecievable::existing()->windowTitle(), QStringLiteral("Receivable Update"));
    frmRecievable::existing()->close();
}

TEST_F(Menus, ChargeSlipSettingChecksTheValidatedUser)
{
    const auto validateAs = &queueValidationAs;
    // the validated user lacks right 20 although the workstation user holds it
    validateAs(QStringLiteral("CL003"), QStringLiteral("CATH3"));
    w->mnuChargeSlip->trigger();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Sorry, you don't have access right for Charge Slip Setting."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Message"));

    UiScript::reset();
    validateAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->mnuChargeSlip->trigger();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(UiScript::dialogsRun().last(), QStringLiteral("frmChargeSlipVerification"));

    // a cancelled validation leaves the user ID empty: the workstation user's right decides
    UiScript::reset();
    signIn(QStringLiteral("CL003"));
    w->mnuChargeSlip->trigger(); // the dialog is left open: closed by its frame
    EXPECT_TRUE(DialogAnswers.ValidatedUserID.isEmpty());
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Sorry, you don't have access right for Charge Slip Setting."));
}

TEST_F(Menus, ReportsWithoutDatesPassTheirValues)
{
    Selection.SelectedIDNum = QStringLiteral("2026000006 ");
    Selection.SelectedHospNum = QStringLiteral(" 100009");
    Selection.SelectedPatientName = QStringLiteral("SANTOS, JUAN");
    Selection.SelectedPatientAddress = QStringLiteral("12 MABINI ST.");
    Selection.SelectedAccountNum = QStringLiteral("C0001");
    Selection.SelectedCompany = QStringLiteral("PACIFIC HEALTH CARE INC.");
    Selection.SelectedAdmissionDate = QStringLiteral("11/20/2026");
    Selection.SelectedDischargeDate = QString();
    Selection.SelectedRoom = QStringLiteral("207");

    struct Plain { void (mdiCathLabMenu::*action)(); const char* file; QVariantList values; const char* caption;
                   ReportShown shown; bool tree; const char* shows; };
    const Plain plain[] = {
        {&mdiCathLabMenu::mnuDischargeNoticeStatus_Click, "PatientDischargeNoticeStatus.RPT", {QString()},
         "Patient Discharge Notice Status", ReportShown::Viewer, false, "FINAL - SENT TO BILLING"},
        {&mdiCathLabMenu::mnuPriceList_Click, "ListProcedures.RPT", {QStringLiteral("CL")}, "List of Procedures and Supplies",
         ReportShown::Viewer, false, "PTCA - MULTIVESSEL"},
        {&mdiCathLabMenu::mnuRS_Click, "List_of_RequestOrders.Rpt", {QStringLiteral("2026000006")}, "", ReportShown::Viewer,
         true, "No request was made for admission 2026000006."},
        {&mdiCathLabMenu::mnuPrintRegistration_Click, "CLRegistrationForm.RPT", {QStringLiteral("2026000006")},
         "Print Registration Form", ReportShown::MedicationSheet, false, "Hospital No."},
        {&mdiCathLabMenu::mnuLedger_Click, "Patient_Ledger.RPT",
         {Session.HospName, Session.HospAddress, QString(), QStringLiteral("PATIENT'S CATHLAB LEDGER"), QStringLiteral("SANTOS, JUAN"),
          QStringLiteral("12 MABINI ST."), QStringLiteral("C0001"), QStringLiteral("PACIFIC HEALTH CARE INC."),
          QStringLiteral("2026000006"), QStringLiteral("100009"), QStringLiteral("11/20/2026"), QString(), QStringLiteral("207"),
          QStringLiteral("100009"), QStringLiteral("2026000006"), QStringLiteral("CL")},
         "Patient Ledger", ReportShown::Viewer, false, "LEFT HEART CATHETERIZATION"},
    };
    for (const Plain& p : plain) {
        ReportLog::clear();
        (w->*p.action)();
        SCOPED_TRACE(p.file);
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const ReportCall& call = ReportLog::calls().last();
        EXPECT_EQ(call.fileName(), QString::fromLatin1(p.file));
        EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
        EXPECT_EQ(call.params, p.values);
        EXPECT_EQ(call.caption, QString::fromLatin1(p.caption));
        EXPECT_EQ(call.shown, p.shown);
        EXPECT_EQ(call.showGroupTree, p.tree);
        EXPECT_TRUE(call.text.contains(QString::fromLatin1(p.shows))) << call.text.toStdString();
    }
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
}

TEST_F(Menus, TheLedgerShowsTheRunningBalanceOfTheDepartmentsLines)
{
    Selection.SelectedIDNum = QStringLiteral("2026000006");
    // off until a list chooses a patient
    w->mnuLedger->trigger();
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    MainWindowLinks::EnablePatientMenus(true); // what a list's choice does
    w->mnuLedger->trigger();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const QString text = ReportLog::calls().last().text;
    // the angiography of the first day, then this morning's catheterization: 45,000 + 42,000
    EXPECT_TRUE(text.contains(QStringLiteral("42,000.00"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("87,000.00")));
    // the pharmacy line on the same slip is not the department's
    EXPECT_FALSE(text.contains(QStringLiteral("MED0201")));
}

TEST_F(Menus, PatientItemsWantAChosenPatient)
{
    for (auto action : {&mdiCathLabMenu::mnuPrintRegistration_Click, &mdiCathLabMenu::mnuNHI_Click}) {
        UiScript::reset();
        Selection.SelectedIDNum = QStringLiteral("   ");
        (w->*action)();
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select patient."));
        EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    }
    EXPECT_TRUE(ReportLog::calls().isEmpty());
}

TEST_F(Menus, AMissingReportFileIsTheCommonNotice)
{
    QFile::rename(ReportFilePath(QStringLiteral("ListProcedures.RPT")), ReportFilePath(QStringLiteral("ListProcedures.bak")));
    w->mnuPriceList->trigger();
    QFile::rename(ReportFilePath(QStringLiteral("ListProcedures.bak")), ReportFilePath(QStringLiteral("ListProcedures.RPT")));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department."))) << UiScript::lastText().toStdString();
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
}

TEST_F(Menus, TheReprintMenusOpenTheirWindows)
{
    UiScript::reset();
    w->mnuReprintNHI->trigger();
    w->mnuRequestForm->trigger();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({QStringLiteral("frmRequestCensusCharging"), QStringLiteral("frmRequestReprint")}));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(Menus, TheProcedureReportWindowsOpenFromTheMenus)
{
    UiScript::reset();
    int found = 0;
    UiScript::queueDialog(QStringLiteral("frmPatientIndex"), [&found](QDialog* d) {
        auto* index = static_cast<frmPatientIndex*>(d);
        index->cmdSearch_Click(); // finds only in the result mode, every request of the department
        found = index->MSHFlexList->Rows() - 1;
    });
    w->mnuResultEntry->trigger();
    EXPECT_GT(found, 1);
    w->mnuInterpretation->trigger();
    EXPECT_EQ(UiScript::dialogsRun(), (QStringList{QStringLiteral("frmPatientIndex"), QStringLiteral("frmInterpretBuild")}));
    w->mnuCoronaryAngiographyVRNK->trigger();   // modeless
    ASSERT_TRUE(frmCoronaryAngiographyVRNK::isLoaded());
    EXPECT_TRUE(frmCoronaryAngiographyVRNK::existing()->isVisible());
    EXPECT_FALSE(frmCoronaryAngiographyVRNK::existing()->isModal());
    delete frmCoronaryAngiographyVRNK::existing();
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(Menus, TheScheduleEntryOpensFromTheMenu)
{
    UiScript::reset();
    w->mnuSched->trigger();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmCathlabSched")});
}

TEST_F(Menus, PatientListsOpenFromTheMenus)
{
    UiScript::reset();
    w->mnuAdmission->trigger();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmListERAdmission")});
    w->mnuOpen->trigger(); // the demo station registers its own cases
    EXPECT_TRUE(frmCathPatients::isLoaded());
    delete frmCathPatients::existing();
    w->mnuRegister->trigger();
    EXPECT_TRUE(frmSearch::isLoaded());
    delete frmSearch::existing();
}

TEST_F(Menus, ExitAsksItsQuestionAndTheFrameDoesNot)
{
    w->show();
    UiScript::queueAnswer(vbNo);
    w->toolbarButton(QStringLiteral("Exit"))->trigger();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Are you sure you want to close Ostrivan?"));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Confirmation"));
    EXPECT_EQ(UiScript::shown()[0].style, int(vbYesNo | vbQuestion));
    EXPECT_TRUE(w->isVisible());

    UiScript::queueAnswer(vbYes);
    w->mnuExitApps->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Session.CurrentUser, nullptr); // the unload released the components

    UiScript::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(mdiCathLabMenu::isLoaded());
    mdiCathLabMenu* again = mdiCathLabMenu::instance();
    again->show();
    again->close(); // by the frame
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(Menus, ToolbarDispatchesOnKeys)
{
    QStringList captions, tips;
    for (QAction* a : w->Toolbar1->actions()) {
        captions << a->text();
        tips << a->toolTip();
    }
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Patient List"), QStringLiteral("View Reports"),
                                     QStringLiteral("Exit Application    "), QStringLiteral("Clinical Operation"),
                                     QStringLiteral("Build OR Packages")}));
    EXPECT_EQ(tips[2], QStringLiteral("Exit Application"));
    EXPECT_FALSE(w->toolbarButton(QStringLiteral("Operation"))->isEnabled());

    // buttons and entries without an action
    for (const char* key : {"Report", "Operation", "Build"}) w->Toolbar1_ButtonClick(QString::fromLatin1(key));
    for (const char* key : {"Statistics", "Stockcard"}) w->toolbarMenuEntry(QString::fromLatin1(key))->trigger();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());

    // "Monthly Report" of the drop-down
    QString prompt;
    answerDates(&prompt, today().addDays(-30), today());
    w->toolbarMenuEntry(QStringLiteral("Month"))->trigger();
    EXPECT_EQ(prompt, QStringLiteral("Enter Report Date for Monthly Report"));
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().last().fileName(), QStringLiteral("MonthlyReport.RPT"));
}

TEST_F(Menus, ClaimFormEntryIsHandedItsValues)
{
    Selection.SelectedIDNum = QStringLiteral("2026000004");
    Selection.SelectedPatientName = QStringLiteral("REYES, MARIA");
    ComponentTrace::clear();
    w->mnuCF4->trigger();
    clsCF4* cf4 = Session.CurrentUser->TALVEROClasses()->clsCF4Object();
    EXPECT_EQ(cf4->IDNum, QStringLiteral("2026000004"));
    EXPECT_EQ(cf4->StationID, QStringLiteral("CL"));
    EXPECT_EQ(cf4->Title, QStringLiteral("PhilHealth CF4 Entries  - REYES, MARIA ( 2026000004 )"));
    EXPECT_EQ(cf4->HospitalName, Session.HospName);
    EXPECT_EQ(cf4->HospitalAddress, Session.HospAddress);
    EXPECT_TRUE(cf4->ReportPath.endsWith(QStringLiteral("Reports")));
    EXPECT_EQ(cf4->EmployeeCode, QStringLiteral("CL001"));
    EXPECT_TRUE(ComponentTrace::calls().contains(QStringLiteral("clsCF4.ShowEntry")));
}

TEST_F(Menus, MenuStatesAtLoad)
{
    struct State { QAction* mdiCathLabMenu::*item; bool visible; bool enabled; };
    const State states[] = {
        {&mdiCathLabMenu::mnuOpen, false, true},        {&mdiCathLabMenu::mnuChargeSlip, false, true},
        {&mdiCathLabMenu::mnuRegister, true, true},     {&mdiCathLabMenu::mnuAudit, false, false},
        {&mdiCathLabMenu::mnuMonthly, false, false},    {&mdiCathLabMenu::mnuPriceList, false, true},
        {&mdiCathLabMenu::mnuPhilhealth, false, false}, {&mdiCathLabMenu::mnuStat, false, false},
        {&mdiCathLabMenu::mnuLedger, true, false},      {&mdiCathLabMenu::mnuAssessment, false, false},
        {&mdiCathLabMenu::mnuInfo, false, false},       {&mdiCathLabMenu::mnuRS, true, false},
        {&mdiCathLabMenu::mnuDischargeNoticeStatus, false, true}, {&mdiCathLabMenu::mnuschedule, false, false},
        {&mdiCathLabMenu::mnuRecvbles, true, true},     {&mdiCathLabMenu::mnuListDischargeNotice, true, true},
    };
    for (const State& s : states) {
        SCOPED_TRACE((w->*s.item)->objectName().toStdString());
        EXPECT_EQ((w->*s.item)->isVisible(), s.visible);
        // a hidden item cannot be chosen, whatever its own enabled state
        EXPECT_EQ((w->*s.item)->isEnabled(), s.visible && s.enabled);
    }
    EXPECT_EQ(w->mnuAdmission->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_FALSE(w->mnuInquiry->menuAction()->isVisible() && w->menuBar()->actions().contains(w->mnuInquiry->menuAction()));
    EXPECT_EQ(w->mnuConsignedItems->text(), w->mnuEquipment->text());
    EXPECT_EQ(w->findChild<QMenu*>(QStringLiteral("mnuInquiry")), w->mnuInquiry);
}

} // namespace

namespace {
TEST_F(Menus, TheDatePromptIsWideEnoughForItsCaption)
{
    for (const DatedReport& r : kDated) {
        SCOPED_TRACE(r.name);
        int width = 0;
        UiScript::queueDialog(QStringLiteral("frmReport"), [&width](QDialog* d) {
            width = d->width();
            static_cast<frmReport*>(d)->cmdOption[1]->click();
        });
        (w->*r.action)();
        const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
        EXPECT_GT(width, title.horizontalAdvance(QString::fromLatin1(r.prompt)) + 3 * title.height());
    }
}
} // namespace

namespace {
// A right click on the charging grid pops up "Minor Packages" with the item of the current row's
// package; each item opens its panel on the charging window, titled after that row.
TEST_F(Menus, MinorPackagesOffersThePanelOfTheCurrentRowsPackage)
{
    StationParameters().LoadParameters();
    frmCharge* charge = frmCharge::instance();
    EntryGrid& g = *charge->mshflexEntry;
    struct Case { const char *dept, *item, *description; bool menu, consigned; };
    const Case cases[] = {
        {"CP", "CP103", "CONSIGNED BALLOON CATHETER PACKAGE", true, true},
        {"CP", "CP103", "", false, false},   // a consigned row without its description: no menu
        {"EQ", "", "", true, false},         // equipment: the department alone
        {"HS", "HS001", "ECG 12 LEADS", false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.dept) + " " + k.description);
        w->mnuMinorPackage->hide();
        g.setTextMatrix(1, 1, QString::fromLatin1(k.dept));
        g.setTextMatrix(1, 2, QString::fromLatin1(k.item));
        g.setTextMatrix(1, 3, QString::fromLatin1(k.description));
        g.setCurrentCell(1, 1);
        charge->mshflexEntry_MouseDown(QPoint(100, 100));
        EXPECT_EQ(w->mnuMinorPackage->isVisible(), k.menu);
        if (!k.menu) continue;
        EXPECT_EQ(w->mnuConsignedItems->isVisible(), k.consigned);
        EXPECT_EQ(w->mnuEquipment->isVisible(), !k.consigned);
        w->mnuMinorPackage->hide();
        (k.consigned ? w->mnuConsignedItems : w->mnuEquipment)->trigger();
        QWidget* panel = k.consigned ? static_cast<QWidget*>(charge->pctConsigned) : charge->pctEquipment;
        EXPECT_FALSE(panel->isHidden());
        const QString title = panel->findChild<QLabel*>(k.consigned ? "lblConsignedPackage" : "lblEquipment")->text();
        EXPECT_EQ(title, QString::fromLatin1(k.description) + (k.consigned ? " - CONSIGNED ITEMS" : " - INCLUDED ITEMS"));
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
    delete charge;
}
} // namespace
