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
        // the imaging prints read the row their handler stages for the user and admission (none here)
        {"RadioResult.Rpt", "x-ray, ultrasound and CT View", Nothing,
         [](const Stay& s) {
             return QVariantList{QStringLiteral("X-RAY SECTION"), s.hospNum, Session.HospAddress, QStringLiteral("CL001"), s.idNum};
         }},
        {"MRIResult.rpt", "MRI View", Nothing,
         [](const Stay& s) {
             return QVariantList{QStringLiteral("MAGNETIC RESONANCE IMAGING"), s.hospNum, Session.HospAddress, QStringLiteral("CL001"),
                                 s.idNum, QStringLiteral("CL002"), QStringLiteral("VERIFIER"), QStringLiteral("RADIOLOGIST"), QString(),
                                 QStringLiteral("INTERPRETATION"), QStringLiteral("RAD01")};
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
         none({kFrom, kTo, Session.HospName, Session.HospAddress, QStringLiteral("CATH LABORATORY AUDIT REPORT")})},
        {"CLCensus.RPT", "the menu's CathLab Census", Nothing, none({kFrom, kTo})},
        {"MonthlyReport.RPT", "the menu's Monthly Report", Nothing, none({kFrom, kTo})},
        {"Nurse_Station_Income_Detailed.RPT", "income report, detailed", Nothing, none({true, kFrom, kTo, QStringLiteral("CL")})},
        {"Nurse_Station_Income_Summary.RPT", "income report, summary", Nothing, none({true, kFrom, kTo, QStringLiteral("CL")})},
        {"PatientDischargeNoticeStatus.RPT", "discharge notice status", Nothing, none({QStringLiteral("CL")})},
        {"ListProcedures.RPT", "the menu's price list", Nothing, none({QStringLiteral("CL")})},
        {"Diet_List.Rpt", "workspace report label 0", Nothing,
         none({QStringLiteral("CL"), Session.HospName, Session.HospAddress, QStringLiteral("CATH LABORATORY - Diet List")})},
        {"CensusByStation_QZV.rpt", "workspace census", Nothing, none({QStringLiteral("12/11/2026")})},
        {"NurseDischargeReport.rpt", "workspace discharges", Nothing,
         none({QStringLiteral("CATH LABORATORY"), Session.HospName, Session.HospAddress})},
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
         none({Session.HospName, Session.HospAddress, QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("CL0000051"), QStringLiteral("0")})},
        {"EEGReport.Rpt", "neurology View, section A", Nothing, none({QStringLiteral("EE1001")})},
        {"EMG-NCVReport.Rpt", "neurology View, other sections", Nothing, none({QStringLiteral("EN1001")}),
         {{"NCVDataReport", [](const Stay&) { return QVariantList{QStringLiteral("EN1001"), QStringLiteral("900010")}; }},
          {"EMGDataReport", [](const Stay&) { return QVariantList{QStringLiteral("EN1001"), QStringLiteral("900010")}; }}}},
    };
}

// Prints whose values come from data the test looks up (a staged result, a saved document), or
// that other tests render with the documents their windows save.
const char* const kRenderedElsewhere[][2] = {
    {"CathLab_Result.RPT", "a verified angiogram: the whole-text test below and tests/procedure_report"},
    {"HeartDiagram.rpt", "takes the drawn picture into its section 6: tests/procedure_report"},
    {"Assessment_Slip_BlankForm.rpt", "an assessment saved by the window: the whole-text test below"},
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
        const QString title = text.section(QLatin1Char('\n'), 2, 2), body = text.section(QLatin1Char('\n'), 3);
        EXPECT_FALSE(body.contains(Session.HospAddress)) << text.toStdString();
        EXPECT_FALSE(body.contains(Session.HospName)) << text.toStdString();
        EXPECT_FALSE(body.split(QLatin1Char('\n')).contains(title)) << text.toStdString();
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
    // the cash credit memo advice of the demo hospital, by its receipt and advice numbers
    const Recordset advice = conn().query(QStringLiteral("SELECT ORNumber, CMAdviseNum FROM BILLING..tbCashCMAdvise ORDER BY LineID"));
    ASSERT_FALSE(advice.isEmpty());
    const QVariantList adviceValues{advice.text(QStringLiteral("ORNumber")), advice.text(QStringLiteral("CMAdviseNum"))};
    render({"CashCM_Slip.rpt", "cash credit memo print", Nothing, [&](const Stay&) { return adviceValues; }}, inPatient);
    covered << QStringLiteral("cashcm_slip.rpt");
    for (const auto& row : kRenderedElsewhere) covered << QString::fromLatin1(row[0]).toLower();

    // every file of the folder is in one of the tables
    const QDir folder(QFileInfo(ReportFilePath(QStringLiteral("CLRegistrationForm.RPT"))).absolutePath());
    for (const QString& file : folder.entryList(QDir::Files))
        EXPECT_TRUE(covered.contains(file.toLower())) << file.toStdString() << " is opened by no print of this test";
}

// The registration entry keeps the zip code alone and the chief complaint in the stay's history; where
// the master file has no town or province, the form shows the zip code's, and the complaint beside
// the diagnosis.
TEST_F(EveryReportTest, TheRegistrationFormShowsTheTownOfTheZipCodeAndTheChiefComplaint)
{
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbMaster SET City = NULL, Province = '', ZipCode = '1100' WHERE HospNum = '900011'"));
    conn().execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbOutPatientHistory WHERE IDNum = '900106B'"));
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatientHistory (IDNum, ChiefComplaint) VALUES ('900106B', 'CHEST PAIN')"));
    struct Case { const char* diagnosis; const char* shown; };
    for (const Case& c : {Case{nullptr, "CHEST PAIN"}, Case{"ANGINA", "ANGINA / CHEST PAIN"}}) {
        SCOPED_TRACE(c.shown);
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET Diagnosis = ? WHERE IDNum = '900106B'"),
                       {c.diagnosis ? QVariant(QString::fromLatin1(c.diagnosis)) : QVariant()});
        ReportLog::clear();
        PrepareReport(ReportFilePath(QStringLiteral("CLRegistrationForm.RPT")), {QStringLiteral("900106B")});
        ShowReport(false, QStringLiteral("Print Registration Form"), false, true);
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const QString text = ReportLog::calls().first().text;
        EXPECT_TRUE(text.contains(QStringLiteral("80 RIZAL ST. POBLACION, QUEZON CITY, METRO MANILA 1100"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("ADMITTING DIAGNOSIS / CHIEF COMPLAINT\n") + QLatin1String(c.shown))) << text.toStdString();
    }
}

// ---- whole texts of the key prints ----

#include "assessment/AssessmentSlip.h"
#include "charging/ChargeSlipPrint.h"

namespace {
// The print's text without its footer (the printing time and page count).
QString printedText()
{
    if (ReportLog::calls().isEmpty()) return QStringLiteral("<nothing printed>");
    const ReportCall& call = ReportLog::calls().last();
    if (!call.error.isEmpty()) return call.error;
    QStringList lines = call.text.split(QLatin1Char('\n'));
    static const QRegularExpression footer(QStringLiteral(R"(^Printed |Page \d+ of \d+)"));
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](const QString& l) { return footer.match(l).hasMatch(); }), lines.end());
    return lines.join(QLatin1Char('\n')).trimmed();
}
} // namespace

// The largest line the slip's columns hold everywhere, and a half cent, print as kept.
TEST_F(EveryReportTest, TheChargeSlipReadsWhole)
{
    const QString slip = QStringLiteral("C000777");
    for (const QVariantList& line : {QVariantList{"HS001", "450", "1", "HS", "ECG 12 LEADS"},
                                     QVariantList{"MED0201", "31999999996800", "9999999999", "PH", "HEPARIN 5000IU/ML VIAL"},
                                     QVariantList{"MED0202", "2.675", "1", "PH", "GAUZE"}})
        conn().call(QStringLiteral("STATION..sp_CL_SaveChargePrint"), line + QVariantList{slip});
    const ChargeSlipHeader h{QStringLiteral("LACSON, VIRGILIO NAVARRO"), QStringLiteral("900011"), QStringLiteral("61 / M"),
                             QStringLiteral("PERSONAL"), QStringLiteral("ER/OPD"), QStringLiteral("900106B"), QStringLiteral("DR. CRUZ")};
    ShowChargeSlip(false, ChargeSlipValues(h, slip, QStringLiteral("12/01/2026 09:00:00 AM"), QStringLiteral("DELA CRUZ, ANA"),
                                           QStringLiteral("ORIGINAL COPY")),
                   QStringLiteral("Print ChargeSlip"));
    EXPECT_EQ(printedText().toStdString(), R"(DEMO GENERAL HOSPITAL
1 HOSPITAL ROAD, MANILA
CHARGE SLIP


CATH LABORATORY
ORIGINAL COPY
Charge Slip No. C000777
12/01/2026 09:00:00 AM

Patient
LACSON, VIRGILIO NAVARRO
Hospital No.
900011
Age / Sex
61 / M
Admission No.
900106B
Account
PERSONAL
Room
ER/OPD
Attending Dr.
DR. CRUZ

Dept.
Item Code
Description
Qty
Amount
HS
HS001
ECG 12 LEADS
1.00
450.00
PH
MED0201
HEPARIN 5000IU/ML VIAL
9,999,999,999.00
31,999,999,996,800.00
PH
MED0202
GAUZE
1.00
2.68
TOTAL
31,999,999,997,252.68

DELA CRUZ, ANA
______________________________
Entered by
DELA CRUZ, ANA
______________________________
Released by
______________________________
Received by)");
}

TEST_F(EveryReportTest, TheAssessmentSlipReadsWhole)
{
    const AssessmentSlipHeader h{QStringLiteral("SALAZAR, ANA FLORES"), QStringLiteral("100038"), QStringLiteral("47"), QStringLiteral("F"),
                                 QStringLiteral("ER/OPD"), QStringLiteral("2026000001"), QStringLiteral("DR. CRUZ")};
    ShowAssessmentSlip(conn(), h, QStringLiteral("CL1998"), QStringLiteral("12/01/2026 09:00:00 AM"), QStringLiteral("CL001"),
                       QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("ORIGINAL COPY"), QString(), QStringLiteral("Assessment Slip"));
    EXPECT_EQ(printedText().toStdString(), R"(DEMO GENERAL HOSPITAL
1 HOSPITAL ROAD, MANILA
ASSESSMENT SLIP


CATH LABORATORY - ASSESSMENT
ORIGINAL COPY
Assessment No. CL1998
12/01/2026 09:00:00 AM

Patient
SALAZAR, ANA FLORES
Hospital No.
100038
Age / Sex
47 / F
Admission No.
2026000001
Account
PERSONAL
Room
ER/OPD
Attending Dr.
DR. CRUZ

Dept.
Item Code
Description
Qty
Amount
HS
HS001
ECG 12 LEADS
1.00
450.00
OX
OX001
OXYGEN PER 100 PSI
250.00
375.00
TOTAL TO PAY
825.00


(CL001) DELA CRUZ, ANA
______________________________
Assessed by
______________________________
Cashier
______________________________
Received by)");
}

TEST_F(EveryReportTest, TheAngiogramResultReadsWhole)
{
    PrepareReport(ReportFilePath(QStringLiteral("CathLab_Result.RPT")),
                  {QStringLiteral("CL0000051"), QStringLiteral("UY, LOURDES LOPEZ"), QStringLiteral("05/14/1961"), QStringLiteral("65"),
                   QStringLiteral("F"), QStringLiteral("5ft. 2in."), QStringLiteral("58 kgs."), QStringLiteral("1.6"),
                   QStringLiteral("CORONARY ANGIOGRAPHY"), QStringLiteral("ASIAN")});
    ShowReport(false, QStringLiteral("Result"), false, true);
    EXPECT_EQ(printedText().toStdString(), R"(DEMO GENERAL HOSPITAL
1 HOSPITAL ROAD, MANILA
CORONARY ANGIOGRAM RESULT


Patient: UY, LOURDES LOPEZ
Hospital #: 100002
Admission #: 2026000003
Birth date: 05/14/1961
Age: 65
Sex: F
Height: 5ft. 2in.
Weight: 58 kgs.
BSA: 1.6 m²
Race: ASIAN
Trans. No.: CL0000051
Case No.: 


Procedure: CORONARY ANGIOGRAPHY
Date performed: 12/04/2026
Time started: 09:15 AM
Time ended: 10:05 AM
Out of CCL: 10:40 AM
Cathlab room: CATHLAB 1
Result date: 12/04/2026
Referring MD: MAGSAYSAY, ELENA
Interventionist: VILLAREAL, ANTONIO
Anesthesiologist: LACSON, TERESITA
Radtech: GALANG ,NESTOR REYES
Scrub RN: MARASIGAN ,JOEL PADILLA
Circulator RN: CRUZ ,BEATRIZ SALAS
Physio RN: CRUZADO ,LEAH 
RVS: 93452 


LEFT MAIN: Normal.
LAD: 70% proximal stenosis.
RCA: Dominant, no significant disease.
IMPRESSION
Single vessel coronary artery disease.
Verified by: DELA CRUZ, ANA on 12/04/2026 12:00 PM)");
}
