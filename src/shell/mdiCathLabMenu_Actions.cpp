// What the main window's menu items and toolbar buttons do: open a window, after a right check
// where the item is guarded, or print a station report, after the report-date prompt where the
// report covers a period.
#include "shell/mdiCathLabMenu.h"
#include "exam_requests/frmRequestReprint.h"
#include "patients/CensusChargingPrint.h"

#include "access/frmAccessCode.h"
#include "access/UserValidation.h"
#include "charging/frmCharge.h"
#include "charging/frmChargeSlipVerification.h"
#include "components/login/clsCurrentuser.h"
#include "shared/MainWindowLinks.h"
#include "patients/frmCathPatients.h"
#include "patients/frmListERAdmission.h"
#include "patients/frmSearch.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"
#include "procedure_report/frmCoronaryAngiographyVRNK.h"
#include "procedure_report/frmInterpretBuild.h"
#include "procedure_report/frmPatientIndex.h"
#include "receivables/frmRecievable.h"
#include "registration/frmCathlabSched.h"
#include "shared/UserRights.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/frmReport.h"
#include "shared/reports/modReports.h"
#include "shell/frmInfo.h"
#include "shell/ShellData.h"
#include "shell/settings/frmMarkupSettings.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>

namespace {
void refuse(const QString& text, const QString& title)
{
    MsgBox(text, vbOKOnly | vbInformation, title);
}

// A right check at the moment of use; a failing read is shown and counts as not held.
bool holds(const QString& right, const QString& employee = QString())
{
    try {
        return HasUserRight(SharedConnection(), right, employee);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
}

bool noPatientChosen()
{
    if (!Selection.SelectedIDNum.trimmed().isEmpty()) return false;
    MsgBox(QStringLiteral("Please select patient."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
    return true;
}
}

// ---- windows -----------------------------------------------------------------------------

void mdiCathLabMenu::mnuOpen_Click()
{
    if (StationParameters().EnableCathLabRegistration())
        MainWindowLinks::ShowChild(frmCathPatients::instance());
    else
        MainWindowLinks::ShowChild(frmSearch::instance());
}

void mdiCathLabMenu::mnuRegister_Click() { MainWindowLinks::ShowChild(frmSearch::instance()); }

void mdiCathLabMenu::mnuChargeSlip_Click()
{
    // A cancelled validation names nobody: the workstation user's right decides.
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (holds(QStringLiteral("20"), validated ? validated->userID : QString()))
        runModal(frmChargeSlipVerification::instance());
    else
        refuse(QStringLiteral("Sorry, you don't have access right for Charge Slip Setting."), QStringLiteral("Message"));
}

void mdiCathLabMenu::mnuSched_Click()
{
    frmCathlabSched dialog(this);
    runModal(&dialog);
}

void mdiCathLabMenu::mnuAdmission_Click() { runModal(frmListERAdmission::instance()); }

void mdiCathLabMenu::mnuReprintNHI_Click()
{
    frmRequestCensusCharging reprint(this);
    runModal(&reprint);
}

void mdiCathLabMenu::mnuRequestForm_Click()
{
    frmRequestReprint reprint(this);
    runModal(&reprint);
}

void mdiCathLabMenu::mnuResultEntry_Click()
{
    frmPatientIndex* inquiry = frmPatientIndex::instance();
    inquiry->setStatus(QStringLiteral("X"));
    inquiry->setMode(QStringLiteral("RESULT"));
    runModal(inquiry);
}

void mdiCathLabMenu::mnuMarkUp_Click()
{
    frmMarkupSettings settings(this);
    runModal(&settings);
}

void mdiCathLabMenu::mnuUser_Click() { runModal(frmAccessCode::instance()); }

void mdiCathLabMenu::mnuCoronaryAngiographyVRNK_Click()
{
    frmCoronaryAngiographyVRNK* generator = frmCoronaryAngiographyVRNK::instance();
    generator->show();
    generator->raise();
}

void mdiCathLabMenu::mnuInfo_Click()
{
    frmInfo info(this);
    runModal(&info);
}

void mdiCathLabMenu::mnuInterpretation_Click()
{
    runModal(frmInterpretBuild::instance());
}

void mdiCathLabMenu::mnuRecvbles_Click()
{
    if (!holds(QStringLiteral("13"))) {
        refuse(QStringLiteral("Sorry, you don't have access right for Receivable Entry!"), QStringLiteral("Message"));
        return;
    }
    mnuInfo->setEnabled(false);
    mnuLedger->setEnabled(false);
    mnuRS->setEnabled(false);
    MainWindowLinks::ShowChild(frmRecievable::instance());
}

// The charging window pops these up over itself; they call back into it and do nothing else.
void mdiCathLabMenu::mnuConsignedItems_Click()
{
    if (frmCharge::isLoaded()) frmCharge::existing()->LoadConsignedItems();
}

void mdiCathLabMenu::mnuEquipment_Click()
{
    if (frmCharge::isLoaded()) frmCharge::existing()->LoadEquipmentItems();
}

void mdiCathLabMenu::mnuCF4_Click()
{
    try {
        clsCF4* cf4 = Session.CurrentUser->TALVEROClasses()->clsCF4Object();
        cf4->IDNum = Selection.SelectedIDNum;
        cf4->StationID = Session.CurrentStationID.toString();
        cf4->Title = QStringLiteral("PhilHealth CF4 Entries ") + QStringLiteral(" - ") + Selection.SelectedPatientName +
                     QStringLiteral(" ( ") + Selection.SelectedIDNum + QStringLiteral(" )");
        cf4->HospitalName = Session.HospName;
        cf4->HospitalAddress = Session.HospAddress;
        cf4->ReportPath = QDir(ProgramFolder::path()).filePath(QStringLiteral("Reports"));
        cf4->EmployeeCode = Session.CurrentUser->EmployeeCode();
        cf4->ShowEntry();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void mdiCathLabMenu::mnuExitApps_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to close Ostrivan?"), vbYesNo | vbQuestion,
               QStringLiteral("Confirmation")) == vbYes)
        close();
}

void mdiCathLabMenu::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Open")) mnuOpen_Click();
    else if (key == QLatin1String("Exit")) mnuExitApps_Click();
    // "Report" (its entries act), "Operation" and "Build" do nothing
}

void mdiCathLabMenu::Toolbar1_ButtonMenuClick(const QString& key)
{
    if (key == QLatin1String("Month")) mnuMonthly_Click();
    // "Statistics" and "Stockcard" do nothing
}

// ---- reports -----------------------------------------------------------------------------

void mdiCathLabMenu::printReport(const QString& reportFile, const QVariantList& values, bool groupTree,
                                 const QString& viewerCaption, bool medicationSheet)
{
    try {
        PrepareReport(ReportFilePath(reportFile), values);
        ShowReport(groupTree, viewerCaption, false, medicationSheet);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void mdiCathLabMenu::printDatedReport(const QString& promptCaption, bool limitToServerDate, const QString& reportFile,
                                      const QString& viewerCaption, const std::function<QVariantList()>& values)
{
    try {
        frmReport* prompt = frmReport::instance();
        prompt->setCaption(promptCaption);
        if (limitToServerDate) {
            const QDate today = Session.ServerDate.date();
            prompt->dtpFrom->setMaximumDate(today);
            prompt->dtpTo->setMaximumDate(today);
        }
        prompt->ShowModal();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (ReportValues.ReportDateFrom.isEmpty() && ReportValues.ReportDateTo.isEmpty()) return; // closed without dates
    printReport(reportFile, values(), false, viewerCaption, false);
}

void mdiCathLabMenu::mnuAudit_Click()
{
    printDatedReport(QStringLiteral("Enter Report Date for Audit Report"), true, QStringLiteral("Audit_report.RPT"),
                     QStringLiteral("Audit Report"), [] {
                         return QVariantList{ReportValues.ReportDateFrom, ReportValues.ReportDateTo, Session.HospName, Session.HospAddress,
                                             QStringLiteral("CATH LABORATORY AUDIT REPORT")};
                     });
}

void mdiCathLabMenu::mnuCLCensus_Click()
{
    printDatedReport(QStringLiteral("Enter Report Date for CathLab Census Report"), false, QStringLiteral("CLCensus.RPT"),
                     QStringLiteral("CathLab Census Report"), [] { return QVariantList{ReportValues.ReportDateFrom, ReportValues.ReportDateTo}; });
}

void mdiCathLabMenu::mnuMonthly_Click()
{
    printDatedReport(QStringLiteral("Enter Report Date for Monthly Report"), true, QStringLiteral("MonthlyReport.RPT"),
                     QStringLiteral("Monthly Report"), [] { return QVariantList{ReportValues.ReportDateFrom, ReportValues.ReportDateTo}; });
}

namespace {
// In the order of the reports' fields, which the workspace's nurse reports fill the same way.
QVariantList incomeValues()
{
    return {Session.HospitalInfo.IsShowAmount, ReportValues.ReportDateFrom, ReportValues.ReportDateTo, Session.CurrentStationID.toString()};
}
}

void mdiCathLabMenu::mnuDetailed_Click()
{
    if (!holds(QStringLiteral("18"))) {
        refuse(QStringLiteral("Sorry, you don't have access right to view Detailed Income Report!"), QStringLiteral("Message"));
        return;
    }
    printDatedReport(QStringLiteral("Enter Report Date for Income Report"), false,
                     QStringLiteral("Nurse_Station_Income_Detailed.RPT"), QStringLiteral("Income Report (Detailed)"),
                     incomeValues);
}

void mdiCathLabMenu::mnuSummary_Click()
{
    if (!holds(QStringLiteral("21"))) {
        refuse(QStringLiteral("Sorry, you don't have access right to view Summary Income Report!"),
               QStringLiteral("Notification"));
        return;
    }
    printDatedReport(QStringLiteral("Enter Report Date for Income Report"), false,
                     QStringLiteral("Nurse_Station_Income_Summary.RPT"), QStringLiteral("Income Report (Summary)"),
                     incomeValues);
}

void mdiCathLabMenu::mnuDischargeNoticeStatus_Click()
{
    printReport(QStringLiteral("PatientDischargeNoticeStatus.RPT"), {QString()}, false,
                QStringLiteral("Patient Discharge Notice Status"), false);
}

void mdiCathLabMenu::mnuPriceList_Click()
{
    printReport(QStringLiteral("ListProcedures.RPT"), {QStringLiteral("CL")}, false,
                QStringLiteral("List of Procedures and Supplies"), false);
}

void mdiCathLabMenu::mnuLedger_Click()
{
    printReport(QStringLiteral("Patient_Ledger.RPT"),
                {Session.HospName, Session.HospAddress, QString(), QStringLiteral("PATIENT'S CATHLAB LEDGER"), Selection.SelectedPatientName,
                 Selection.SelectedPatientAddress, Selection.SelectedAccountNum, Selection.SelectedCompany, Selection.SelectedIDNum.trimmed(),
                 Selection.SelectedHospNum.trimmed(), Selection.SelectedAdmissionDate, Selection.SelectedDischargeDate, Selection.SelectedRoom,
                 Selection.SelectedHospNum.trimmed(), Selection.SelectedIDNum.trimmed(), QStringLiteral("CL")},
                false, QStringLiteral("Patient Ledger"), false);
}

void mdiCathLabMenu::mnuPrintRegistration_Click()
{
    if (noPatientChosen()) return;
    // trimmed: the servers here compare trailing blanks
    printReport(QStringLiteral("CLRegistrationForm.RPT"), {Selection.SelectedIDNum.trimmed()}, false, QStringLiteral("Print Registration Form"),
                true);
}

void mdiCathLabMenu::mnuRS_Click()
{
    printReport(QStringLiteral("List_of_RequestOrders.Rpt"), {Selection.SelectedIDNum.trimmed()}, true, QString(), false);
}

int mdiCathLabMenu::GetPatientLogbookPackages()
{
    try {
        return CountLogbookPackages(SharedConnection(), Selection.SelectedIDNum);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return 0;
    }
}

void mdiCathLabMenu::mnuNHI_Click()
{
    if (noPatientChosen()) return;
    const int packages = GetPatientLogbookPackages();
    if (packages == 0) {
        MsgBox(QStringLiteral("No cathlab case record for this patient."), vbOKOnly | vbInformation,
               QStringLiteral("Notification"));
        return;
    }
    if (packages >= 2) {
        // the patient list lets the user choose the package
        try {
            if (StationParameters().EnableCathLabRegistration()) frmCathPatients::instance()->ShowMultiPackageSelection();
            else frmSearch::instance()->ShowMultiPackageSelection();
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
        }
        return;
    }
    CensusChargingPrint::Print(Selection.SelectedIDNum.trimmed(), Selection.SelectedHospNum.trimmed(), QString());
}
