// Every definition of the report folder, opened through the report routines over the demo hospital
// with the values its callers pass, in their order: nothing refused, no field left unfilled, the page
// header not repeated in the body, and the patient's name and numbers on every print that names a
// patient, for an in-patient and for an out-patient where the print takes a stay.
#include "support/TestDatabase.h"

#include "platform/db/Recordset.h"
#include "platform/report/ReportLog.h"
#include "shared/modGlobals.h"
#include "shared/reports/modReports.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <functional>

namespace {

// One stay of the demo hospital and the documents printed for it.
struct Stay {
    QString idNum, hospNum, name; // name as the master file spells it: "LAST, FIRST"
    QString heartRequest;         // a heart-station result of the stay
};

// What a print must show of its patient.
enum Shows { Nothing = 0, Name = 1, IdNum = 2, HospNum = 4 };

struct Print {
    const char* file;
    const char* caller; // where the values come from
    int shows;          // Shows of the stay; Nothing for a print that takes no stay
    std::function<QVariantList(const Stay&)> params;
    QList<std::pair<const char*, std::function<QVariantList(const Stay&)>>> subreports = {};
};

QVariantList requestOnly(const Stay& s) { return {s.heartRequest}; }

const QString kFrom = QStringLiteral("11/01/2026"), kTo = QStringLiteral("12/31/2026");

// The calls, as the windows make them (the values of screen boxes given as the stay holds them).
QList<Print> prints()
{
    const auto heart = [](const char* file) { return Print{file, "heart-station View, form type table", Name | IdNum, requestOnly}; };
    QList<Print> list = {
        heart("AbdominalAorta2.rpt"), heart("ArterialLower.rpt"), heart("ArterialLower2.rpt"), heart("ArterialUpper.rpt"),
        heart("ArterialUpper2.rpt"), heart("Carotid.rpt"), heart("Carotid2.rpt"), heart("RenalArtery.rpt"), heart("Transcranial.rpt"),
        heart("VenousLower.rpt"), heart("VenousUpper.rpt"),
        {"ResultECG.rpt", "heart-station View, form type I", IdNum, requestOnly},
        {"Exam_2DEcho_Adult.rpt", "heart-station View, form type A (single result)", Name,
         [](const Stay& s) {
             return QVariantList{Session.HospAddress, s.heartRequest, s.name, QStringLiteral("MANILA"), QStringLiteral("54"),
                                 QStringLiteral("M"), QStringLiteral("DR. CRUZ"), QString(), QString(), QString(), QString(),
                                 QStringLiteral("301"), QString(), QString(), s.heartRequest};
         }},
        {"Exam_Hemodynamic.rpt", "heart-station View, form type J", Name | IdNum,
         [](const Stay& s) { return QVariantList{s.heartRequest, s.name, QStringLiteral("DR. CRUZ"), QStringLiteral("DR. REYES")}; }},
        {"CLRegistrationForm.RPT", "registration Save/Print and the menu's Print Registration Form", Name | IdNum | HospNum,
         [](const Stay& s) { return QVariantList{s.idNum}; }},
        {"Clinical_Summary.RPT", "workspace clinical summary print", IdNum,
         [](const Stay& s) { return QVariantList{s.idNum, Session.HospAddress}; }},
        {"Vital Signs.rpt", "workspace vital signs print", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{s.idNum, s.name, QStringLiteral("11/20/2026"), s.idNum, s.hospNum, QStringLiteral("301"),
                                 QStringLiteral("M"), QStringLiteral("54")};
         }},
        {"List_of_RequestOrders.Rpt", "workspace report label 3 and the menu's Request Summary", Nothing,
         [](const Stay& s) { return QVariantList{s.idNum}; }},
        {"Posted Medicines.RPT", "workspace report list, type 4", Nothing,
         [](const Stay& s) { return QVariantList{s.idNum, true}; }},
        {"Posted Supplies.RPT", "workspace report list, type 5", Nothing,
         [](const Stay& s) { return QVariantList{s.idNum, true}; }},
        {"List_Of_Proccess_Request_New.rpt", "workspace report list, type 6", Nothing,
         [](const Stay& s) { return QVariantList{s.idNum, QStringLiteral("CL")}; }},
        {"Patient_Ledger.RPT", "the menu's Patient Ledger", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{Session.HospName, Session.HospAddress, QString(), QStringLiteral("PATIENT'S CATHLAB LEDGER"), s.name,
                                 QStringLiteral("MANILA"), s.hospNum, QStringLiteral("PERSONAL"), s.idNum, s.hospNum,
                                 QStringLiteral("11/20/2026"), QString(), QStringLiteral("301"), s.hospNum, s.idNum, QStringLiteral("CL")};
         }},
        {"StatementOfAccountPatientsLedgerByDepartment.RPT", "workspace Statement of Account", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{s.idNum, Session.HospAddress, s.name, QStringLiteral("MANILA"), s.hospNum, QStringLiteral("PERSONAL"),
                                 s.hospNum};
         },
         {{"HospitalBill", [](const Stay& s) { return QVariantList{s.idNum}; }},
          {"MedicalFee", [](const Stay& s) { return QVariantList{s.idNum}; }}}},
        {"LabRequestForm.RPT", "workspace laboratory order and the request-form reprint", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{Session.HospAddress, Session.HospPhone, s.hospNum, s.idNum, s.name, QStringLiteral("54"),
                                 QStringLiteral("M"), QStringLiteral("301"), QStringLiteral("PRIVATE"), QStringLiteral("LB0001"),
                                 QString(), QStringLiteral("ROUTINE"), QString(), QString(), QStringLiteral("DR. CRUZ"),
                                 QStringLiteral("In-Patient"), QStringLiteral("CL001"), QStringLiteral("LB"), QStringLiteral("1")};
         }},
        {"LabRequestForm_Reprint.RPT", "results' laboratory form reprint", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{Session.HospAddress, Session.HospPhone, s.hospNum, s.idNum, s.name, QStringLiteral("54"),
                                 QStringLiteral("M"), QStringLiteral("301"), QStringLiteral("PRIVATE"), QStringLiteral("LB0001"),
                                 QString(), QStringLiteral("STAT"), QString(), QString(), QStringLiteral("DR. CRUZ"),
                                 QStringLiteral("In-Patient"), QStringLiteral("CL001"), QStringLiteral("LB"), QStringLiteral("1")};
         }},
        {"LaboratoryResult_InTabularFormat_Graph.rpt", "tabular laboratory grid, View Graph", IdNum,
         [](const Stay& s) { return QVariantList{s.idNum, QStringLiteral("CREA")}; }},
        {"Charge_Slip_BlankForm.RPT", "charging save and reprints", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{QStringLiteral("C000001"), s.name, s.hospNum, QStringLiteral("54 / M"), QString(),
                                 QStringLiteral("PERSONAL"), QStringLiteral("301"), s.idNum, QStringLiteral("12/01/2026 09:00:00 AM"),
                                 QStringLiteral("12/01/2026 09:00:00 AM"), QStringLiteral("DR. CRUZ"), QString(),
                                 QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("(CL001) DELA CRUZ, ANA"), QStringLiteral("DELA CRUZ, ANA"),
                                 QStringLiteral("ORIGINAL COPY")};
         }},
        {"Charge_Slip_New.RPT", "late-charge reprint on the pre-printed form", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{QStringLiteral("C000001"), s.name, s.hospNum, QStringLiteral("54 / M"), QString(),
                                 QStringLiteral("PERSONAL"), QStringLiteral("301"), s.idNum, QStringLiteral("12/01/2026 09:00:00 AM"),
                                 QStringLiteral("12/01/2026 09:00:00 AM"), QStringLiteral("DR. CRUZ"), QString(),
                                 QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("(CL001) DELA CRUZ, ANA"), QStringLiteral("DELA CRUZ, ANA"),
                                 QStringLiteral("REPRINTED COPY")};
         }},
        {"PHCSRequest.RPT", "medicine and supply request save and reprint", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{QStringLiteral("ORIGINAL COPY"), s.name, s.hospNum, QStringLiteral("54/M"), QString(),
                                 QStringLiteral("PERSONAL"), QStringLiteral("301"), QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("PH"),
                                 s.idNum, QStringLiteral("CL001"), false, QString()};
         }},
        {"CMSlip.rpt", "returns' credit memo slip", Name | IdNum | HospNum,
         [](const Stay& s) {
             return QVariantList{s.name, s.idNum, QStringLiteral("301"), s.hospNum, QStringLiteral("INITIAL"),
                                 QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("CL001"), QStringLiteral("CM000001"), Session.HospName,
                                 Session.HospAddress, QStringLiteral("NOT USED")};
         }},
        {"NHICensusCharging.rpt", "census charging print", Nothing,
         [](const Stay& s) { return QVariantList{s.idNum, s.hospNum, QStringLiteral("1")}; }},
        {"NHICensusCharging_New.rpt", "census format dialog, new form", Nothing,
         [](const Stay& s) { return QVariantList{s.idNum, s.hospNum, QStringLiteral("1")}; }},
    };
    // the census prints ready every subreport with the same three values, the returned items with two
    for (Print& p : list) {
        if (!QString::fromLatin1(p.file).startsWith(QLatin1String("NHICensusCharging"))) continue;
        for (const char* sub : {"AddtionalSupplies.rpt", "AddtionalSupplies.rpt - 02", "AddtionalSupplies.rpt - 01", "NHICensussUBrEPORT.rpt",
                                "AddtionalSupplies.rpt - 01 - 01", "AddtionalSupplies.rpt - 01 - 02", "AddtionalSupplies.rpt - 01 - 03"})
            p.subreports.append({sub, [](const Stay& s) { return QVariantList{s.idNum, s.hospNum, QStringLiteral("1")}; }});
        p.subreports.append({"SubReturnedItems.rpt", [](const Stay& s) { return QVariantList{s.idNum, QStringLiteral("1")}; }});
    }
    return list;
}

// Prints that take no stay: called once.
QList<Print> stationPrints()
{
    const auto none = [](QVariantList v) { return [v](const Stay&) { return v; }; };
    return {
        {"Audit_report.RPT", "the menu's Audit Report", Nothing,
         none({kFrom, kTo, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("CATH LABORATORY AUDIT REPORT")})},
        {"CLCensus.RPT", "the menu's CathLab Census", Nothing, none({kFrom, kTo})},
        {"MonthlyReport.RPT", "the menu's Monthly Report", Nothing, none({kFrom, kTo})},
        {"Nurse_Station_Income_Detailed.RPT", "income report, detailed", Nothing, none({true, kFrom, kTo, QStringLiteral("CL")})},
        {"Nurse_Station_Income_Summary.RPT", "income report, summary", Nothing, none({true, kFrom, kTo, QStringLiteral("CL")})},
        {"PatientDischargeNoticeStatus.RPT", "discharge notice status", Nothing, none({QStringLiteral("CL")})},
        {"ListProcedures.RPT", "the menu's price list", Nothing, none({QStringLiteral("CL")})},
        {"Diet_List.Rpt", "workspace report label 0", Nothing,
         none({QStringLiteral("CL"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("CATH LABORATORY - Diet List")})},
        {"CensusByStation_QZV.rpt", "workspace census", Nothing, none({QStringLiteral("12/11/2026")})},
        {"NurseDischargeReport.rpt", "workspace discharges", Nothing,
         none({QStringLiteral("CATH LABORATORY"), QStringLiteral("-"), QStringLiteral("-")})},
        {"List_Of_Proccess_Request_AllPatient.rpt", "workspace report list, type 3", Nothing,
         none({QStringLiteral("CL"), kFrom, kTo, QStringLiteral("CATH LABORATORY")})},
        {"List_Of_All_PendingRequest_ByAll_Station.Rpt", "workspace pending requests", Nothing, none({QStringLiteral("CL")})},
        {"ConfirmedCathlabScheds.rpt", "schedule print", Nothing,
         none({QStringLiteral("C"), QStringLiteral("CL"), QDateTime(QDate(2026, 12, 11), QTime()), QStringLiteral("1"),
               QDateTime(QDate(2026, 12, 11), QTime())})},
        {"CathlabSchedLogbook.rpt", "schedule logbook", Nothing,
         none({QStringLiteral("A"), QString(), QDateTime(QDate(2026, 11, 1), QTime()), QString(), QDateTime(QDate(2026, 12, 31), QTime())})},
        {"CodedInterpretation.rpt", "interpretation builder print", Nothing, none({QStringLiteral("1")})},
        {"CathLabRequestForm.RPT", "request processing print", Nothing,
         none({QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("CL0000051"), QStringLiteral("0")})},
        {"EEGReport.Rpt", "neurology View, section A", Nothing, none({QStringLiteral("EE1001")})},
        {"EMG-NCVReport.Rpt", "neurology View, other sections", Nothing, none({QStringLiteral("EN1001")}),
         {{"NCVDataReport", [](const Stay&) { return QVariantList{QStringLiteral("EN1001"), QStringLiteral("900010")}; }},
          {"EMGDataReport", [](const Stay&) { return QVariantList{QStringLiteral("EN1001"), QStringLiteral("900010")}; }}}},
    };
}

// Prints whose values come from data the test looks up (a staged result, a saved document), or
// that other tests render with the documents their windows save.
const char* const kRenderedElsewhere[][2] = {
    {"RadioResult.Rpt", "reads the result the imaging print stages for the user and admission: tests/results"},
    {"MRIResult.rpt", "reads the result the imaging print stages for the user and admission: tests/results"},
    {"CathLab_Result.RPT", "a verified angiogram: the whole-text test below and tests/procedure_report"},
    {"HeartDiagram.rpt", "takes the drawn picture into its section 6: tests/procedure_report"},
    {"Assessment_Slip_BlankForm.rpt", "an assessment saved by the window: the whole-text test below"},
    {"CashCM_Slip.rpt", "a cash credit memo advice saved by the window: tests/assessment"},
    {"CathlabSchedDetails.rpt", "twelve cells of a confirmed schedule row and the validated user: tests/registration"},
};

class EveryReportTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        signIn();
        if (Session.HospName.trimmed().isEmpty()) Session.HospName = QStringLiteral("DEMO GENERAL HOSPITAL");
        if (Session.HospAddress.trimmed().isEmpty()) Session.HospAddress = QStringLiteral("1 HOSPITAL ROAD, MANILA");
    }
    Stay stay(const QString& idNum, const char* stayTable)
    {
        Stay s;
        s.idNum = idNum;
        const Recordset rs = conn().query(QStringLiteral("SELECT p.HospNum, m.LastName || ', ' || m.FirstName AS Name FROM %1 p "
                                                         "JOIN PATIENT_DATA..tbMaster m ON m.HospNum = p.HospNum WHERE p.IDNum = ?")
                                              .arg(QString::fromLatin1(stayTable)),
                                          {idNum});
        s.hospNum = rs.text(QStringLiteral("HospNum")).trimmed();
        s.name = rs.text(QStringLiteral("Name")).trimmed();
        s.heartRequest = conn().scalar(QStringLiteral("SELECT MIN(RequestNum) FROM STATION..tbHSResult WHERE IDNum = ? AND FormType = 'C'"),
                                       {idNum}).toString();
        return s;
    }
    // Opens, readies and shows one print; the rendered text, or a failure.
    void render(const Print& p, const Stay& s)
    {
        SCOPED_TRACE(std::string(p.file) + " (" + p.caller + ") for " + s.idNum.toStdString());
        ReportLog::clear();
        try {
            PrepareReport(ReportFilePath(QString::fromLatin1(p.file)), p.params(s));
            for (const auto& [name, params] : p.subreports) PrepareSubreport(QString::fromLatin1(name), params(s));
            ShowReport(false, QString(), false, true);
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            return;
        }
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const QString text = ReportLog::calls().first().text;
        EXPECT_FALSE(text.trimmed().isEmpty());
        static const QRegularExpression unfilled(QStringLiteral(R"(\{[?@#/]?[A-Za-z][\w.]*(:[^}]*)?\})"));
        EXPECT_FALSE(unfilled.match(text).hasMatch()) << unfilled.match(text).captured().toStdString();
        // the page header carries the hospital and the title; the body does not say them again
        const QString body = text.section(QLatin1Char('\n'), 3);
        EXPECT_FALSE(body.contains(Session.HospAddress)) << text.toStdString();
        if (p.shows & Name) EXPECT_TRUE(text.contains(s.name)) << text.toStdString();
        if (p.shows & IdNum) EXPECT_TRUE(text.contains(s.idNum)) << text.toStdString();
        if (p.shows & HospNum) EXPECT_TRUE(text.contains(s.hospNum)) << text.toStdString();
    }
};

} // namespace

TEST_F(EveryReportTest, EveryDefinitionRendersOverTheDemoHospitalWithItsCallersValues)
{
    const Stay inPatient = stay(QStringLiteral("2026900005"), "PATIENT_DATA..tbPatient");
    const Stay outPatient = stay(QStringLiteral("900106B"), "PATIENT_DATA..tbOutPatient");
    ASSERT_FALSE(inPatient.name.isEmpty());
    ASSERT_FALSE(outPatient.name.isEmpty());
    ASSERT_FALSE(outPatient.heartRequest.isEmpty());

    QSet<QString> covered;
    for (const Print& p : prints()) {
        covered << QString::fromLatin1(p.file).toLower();
        render(p, inPatient);
        render(p, outPatient);
    }
    for (const Print& p : stationPrints()) {
        covered << QString::fromLatin1(p.file).toLower();
        render(p, inPatient);
    }
    for (const auto& row : kRenderedElsewhere) covered << QString::fromLatin1(row[0]).toLower();

    // every file of the folder is in one of the tables
    const QDir folder(QFileInfo(ReportFilePath(QStringLiteral("CLRegistrationForm.RPT"))).absolutePath());
    for (const QString& file : folder.entryList(QDir::Files))
        EXPECT_TRUE(covered.contains(file.toLower())) << file.toStdString() << " is opened by no print of this test";
}
