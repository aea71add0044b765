// What the main window opens of the patient lists: the lists themselves, the patient information
// box, the NHI census charging and its form type dialog, and the control panel from the lists.
#include "shell/ShellTest.h"

#include "components/patient_search/clsPatientSearch.h"
#include "patients/GridDriver.h"
#include "shared/MainWindowLinks.h"
#include "patients/frmCathPatients.h"
#include "patients/frmListERAdmission.h"
#include "patients/frmSearch.h"
#include "patients/frmCensusFormat.h"
#include "shell/frmInfo.h"
#include "shell/settings/frmControlPanel.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

namespace {

using GridDriver::clickRow;
using GridDriver::rowOf;

class PatientWindows : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        auto* search = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
        search->InitConnection(&conn(), QString());
        Session.PatientSearch = search;
        w->show();
    }
    void TearDown() override
    {
        delete frmCathPatients::existing();
        delete frmSearch::existing();
        delete frmListERAdmission::existing();
        delete frmCensusFormat::existing();
        delete frmControlPanel::existing();
        delete Session.PatientSearch;
        Session.PatientSearch = nullptr;
        ShellTest::TearDown();
    }
    bool isChild(QWidget* window)
    {
        for (QMdiSubWindow* s : w->mdiArea->subWindowList())
            if (s->widget() == window) return true;
        return false;
    }
    void choose(PatientListWindow* list, const QString& idNum)
    {
        list->Command1_Click();
        const int row = rowOf(list->MSHFlexList, idNum);
        ASSERT_GT(row, 0) << idNum.toStdString();
        clickRow(list->MSHFlexList, row);
        UiScript::reset();
    }
};

TEST_F(PatientWindows, OpenFollowsTheParameterAndRegistrationAlwaysTheGeneralList)
{
    w->mnuOpen_Click(); // the demo registers its own cases
    ASSERT_TRUE(frmCathPatients::isLoaded());
    EXPECT_TRUE(isChild(frmCathPatients::existing()));
    EXPECT_FALSE(frmSearch::isLoaded());

    w->mnuRegister_Click();
    ASSERT_TRUE(frmSearch::isLoaded());
    EXPECT_TRUE(isChild(frmSearch::existing()));

    delete frmCathPatients::existing();
    delete frmSearch::existing();
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
    w->toolbarButton(QStringLiteral("Open"))->trigger();
    EXPECT_TRUE(frmSearch::isLoaded());
    EXPECT_FALSE(frmCathPatients::isLoaded());

    w->mnuAdmission_Click();
    EXPECT_TRUE(UiScript::dialogsRun().contains(QStringLiteral("frmListERAdmission")));
}

TEST_F(PatientWindows, TheFirstTickOpensTheList)
{
    w->Timer1_Timer();
    EXPECT_EQ(UiScript::dialogsRun().value(0), QStringLiteral("frmSplash"));
    EXPECT_TRUE(frmCathPatients::isLoaded());
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
}

TEST_F(PatientWindows, PersonalInfoShowsTheChosenRow)
{
    frmCathPatients* list = frmCathPatients::instance();
    list->show();
    struct Case { const char* id; const char* hosp; const char* room; };
    for (const Case c : {Case{"2026900001", "900001", "201"}, Case{"900101B", "900006", "ER/OPD"}}) {
        choose(list, QString::fromLatin1(c.id));
        QStringList shown;
        UiScript::queueDialog(QStringLiteral("frmInfo"), [&shown](QDialog* d) {
            auto* f = static_cast<frmInfo*>(d);
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Patient Information"));
            shown << f->lblInfo[0]->text() << f->lblInfo[1]->text() << f->lblInfo[2]->text() << f->lblInfo[3]->text()
                  << f->lblPatient->text();
        });
        w->mnuInfo_Click();
        ASSERT_EQ(shown.size(), 5);
        EXPECT_EQ(shown[0], QString::fromLatin1(c.hosp));
        EXPECT_EQ(shown[1], QString::fromLatin1(c.id));
        EXPECT_EQ(shown[3], QString::fromLatin1(c.room));
        EXPECT_EQ(shown[4], list->MSHFlexList->TextMatrix(Selection.SelectedListRow, 3));
        // the admission date in the general date form
        EXPECT_EQ(shown[2], frmInfo::AdmissionDateText(list->MSHFlexList->TextMatrix(Selection.SelectedListRow, 4)));
        EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d\d/\d\d/\d{4} \d\d:\d\d:\d\d [AP]M$)")).match(shown[2]).hasMatch())
            << shown[2].toStdString();
    }
}

TEST_F(PatientWindows, NhiCensusChargingByTheNumberOfPackages)
{
    // two packages: the case list offers them
    Selection.SelectedIDNum = QStringLiteral("2026900001");
    Selection.SelectedHospNum = QStringLiteral("900001");
    w->mnuNHI_Click();
    ASSERT_TRUE(frmCathPatients::isLoaded());
    EXPECT_FALSE(frmCathPatients::existing()->pctMultiPackage->isHidden());
    EXPECT_TRUE(ReportLog::calls().isEmpty());

    // none
    Selection.SelectedIDNum = QStringLiteral("2026000004");
    w->mnuNHI_Click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("No cathlab case record for this patient."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));

    // one (a revoked posting does not count): printed at once with its eight subreports
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCathLabLogBook (IDNum, HospNum, PackageID, RefNum, TransDate, "
                                  "UserID, RecordStatus) VALUES ('2026000003', '100002', 'PKG-RHC', 'CS000101', ?, 'CL001', 'X'), "
                                  "('2026000003', '100002', 'PKG-PTCA', 'CS000199', ?, 'CL001', 'R')"),
                   {Session.ServerDate, Session.ServerDate});
    Selection.SelectedIDNum = QStringLiteral("2026000003 ");
    Selection.SelectedHospNum = QStringLiteral("100002");
    UiScript::reset();
    w->mnuNHI_Click();
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("NHICensusCharging.rpt"));
    const QVariantList three{QStringLiteral("2026000003"), QStringLiteral("100002"), QString()};
    EXPECT_EQ(call.params, three);
    const QStringList names = {"AddtionalSupplies.rpt", "AddtionalSupplies.rpt - 02", "AddtionalSupplies.rpt - 01",
                               "NHICensussUBrEPORT.rpt", "AddtionalSupplies.rpt - 01 - 01", "AddtionalSupplies.rpt - 01 - 02",
                               "AddtionalSupplies.rpt - 01 - 03", "SubReturnedItems.rpt"};
    ASSERT_EQ(call.subreports.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(call.subreports[i].name, names[i]);
        const QVariantList two{QStringLiteral("2026000003"), QString()};
        EXPECT_EQ(call.subreports[i].params, i < 7 ? three : two);
    }
    EXPECT_EQ(call.caption, QStringLiteral("NHI Census Charging"));
    EXPECT_EQ(call.shown, ReportShown::Viewer);
    // the admission's one case: its package is on the form
    EXPECT_TRUE(call.text.contains(QStringLiteral("RIGHT HEART CATHETERIZATION PACKAGE"))) << call.text.toStdString();
}

TEST_F(PatientWindows, TheCensusFormTypeChoosesTheLayout)
{
    frmCensusFormat* f = frmCensusFormat::instance();
    f->setIDNo(QStringLiteral(" 2026900001 "));
    f->setHospNo(QStringLiteral("900001"));
    f->show();
    EXPECT_TRUE(f->optNew->isChecked());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Census Form Type"));
    f->cmdView->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select patient case to print."));
    EXPECT_TRUE(ReportLog::calls().isEmpty());

    f->setRefNo(QStringLiteral("0000102"));
    for (bool newForm : {true, false}) {
        ReportLog::clear();
        (newForm ? f->optNew : f->Option1)->setChecked(true);
        f->cmdView->click();
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const ReportCall& call = ReportLog::calls().last();
        EXPECT_EQ(call.fileName(), frmCensusFormat::reportFile(newForm));
        EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
        const QVariantList three{QStringLiteral("2026900001"), QStringLiteral("900001"), QStringLiteral("0000102")};
        EXPECT_EQ(call.params, three);
        ASSERT_EQ(call.subreports.size(), 8);
        EXPECT_EQ(call.subreports[7].params, (QVariantList{QStringLiteral("2026900001"), QStringLiteral("0000102")}));
        EXPECT_EQ(call.shown, ReportShown::MedicationSheet);
        EXPECT_TRUE(call.text.contains(newForm ? QStringLiteral("SUMMARY OF CHARGES") : QStringLiteral("PACKAGE")))
            << call.text.toStdString();
        EXPECT_TRUE(f->isVisible()); // stays open for another layout
    }
    EXPECT_EQ(frmCensusFormat::reportFile(false), QStringLiteral("NHICensusCharging.rpt"));
}

TEST_F(PatientWindows, TheGeneralListPrintsThroughTheFormTypeWhenAsked)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
    for (const char* ask : {"1", "0"}) {
        setParameter(QStringLiteral("CLShowSelectCensusFormat"), QString::fromLatin1(ask));
        UiScript::reset();
        ReportLog::clear();
        frmSearch* list = frmSearch::instance(); // its load empties the selection
        Selection.SelectedIDNum = QStringLiteral("2026900001");
        Selection.SelectedHospNum = QStringLiteral("900001");
        list->ShowMultiPackageSelection();
        UiScript::queueDialog(QStringLiteral("frmCensusFormat"), [](QDialog* d) { static_cast<frmCensusFormat*>(d)->cmdView_Click(); });
        list->cmdSelect->click();
        ASSERT_EQ(ReportLog::calls().size(), 1) << ask;
        if (QLatin1String(ask) == QLatin1String("1")) {
            EXPECT_EQ(UiScript::dialogsRun().value(0), QStringLiteral("frmCensusFormat"));
            EXPECT_EQ(ReportLog::calls().last().fileName(), QStringLiteral("NHICensusCharging_New.rpt"));
        } else {
            EXPECT_FALSE(UiScript::dialogsRun().contains(QStringLiteral("frmCensusFormat")));
            EXPECT_EQ(ReportLog::calls().last().fileName(), QStringLiteral("NHICensusCharging.rpt"));
        }
    }
}

TEST_F(PatientWindows, F10InTheListsOpensTheControlPanel)
{
    MainWindowLinks::ShowControlPanel();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("frmControlPanel")));
}

} // namespace
