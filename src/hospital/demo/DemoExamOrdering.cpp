// What the ward's exam ordering works on: the common exams of the workspace's pick lists, the
// sections a ward may ask for work and their exams with prices, the request and reference
// counters, results written on processed requests and a few clinical assessments.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <cmath>

namespace {


void examOrdering(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRoomClass (RoomClass, Description) VALUES ('A', 'PRIVATE SUITE'), "
                             "('B', 'PRIVATE ROOM'), ('C', 'SEMI-PRIVATE ROOM'), ('D', 'WARD'), ('E', 'INTENSIVE CARE UNIT')"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseRequestCounter (CounterID, LastNumber) VALUES ('REQUEST', 1000000), "
                             "('REFERENCE', 5000)"));
    const char* common[][2] = {{"LB", "CBC"},    {"LB", "PLT"},   {"LB", "PT"},    {"LB", "APTT"},  {"LB", "CREA"},
                               {"LB", "BUN"},    {"LB", "NA"},    {"LB", "K"},     {"LB", "CHOL"},  {"LB", "TRIG"},
                               {"LB", "TROPI"},  {"LB", "CKMB"},  {"LB", "ABG"},   {"LB", "LIPID"}, {"LB", "ELEC"},
                               {"LB", "COAG"},   {"XR", "CXRPA"}, {"XR", "CXRAPL"}, {"US", "ECHO2D"}, {"US", "CAROTID"}};
    for (const auto& e : common)
        c.execute(QStringLiteral("INSERT INTO STATION..tbNurseCommonExams (RevenueID, ExamID) VALUES (?, ?)"),
                  {QString::fromLatin1(e[0]), QString::fromLatin1(e[1])});
    const char* sections[][2] = {{"PT", "PHYSICAL THERAPY"}, {"CT", "CT-SCAN"},       {"NU", "NUCLEAR MEDICINE"},
                                 {"NE", "NEUROLOGY"},        {"HS", "HEART STATION"}, {"AU", "AUDIOMETRY"},
                                 {"PA", "PULMONARY"},        {"MI", "MRI"},           {"WC", "CENTRE FOR WOMEN"},
                                 {"EN", "ENDOSCOPY"},        {"CL", "CATH LABORATORY"}};
    for (const auto& s : sections)
        c.execute(QStringLiteral("INSERT INTO STATION..OtherExams (RevenueID, ItemName) VALUES (?, ?)"),
                  {QString::fromLatin1(s[0]), QString::fromLatin1(s[1])});

    const QString svc = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, FixRate, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', ?)");
    struct Service { const char* section; const char* code; const char* name; double rate; const char* status; };
    const Service services[] = {
        {"CT", "CT01", "CT SCAN OF THE CHEST WITH CONTRAST", 9500, "A"},
        {"CT", "CT02", "CT CORONARY ANGIOGRAPHY", 18500, "A"},
        {"CT", "CT03", "CT SCAN OF THE HEAD, PLAIN", 6200, "A"},
        {"CT", "CT09", "CT SCAN OF THE WHOLE ABDOMEN (OLD CODE)", 9000, "I"},
        {"PT", "PT01", "CARDIAC REHABILITATION SESSION", 1200, "A"},
        {"PT", "PT02", "CHEST PHYSIOTHERAPY", 800, "A"},
        {"PT", "PT03", "AMBULATION TRAINING", 650, "A"},
        {"PA", "PA01", "SPIROMETRY", 1500, "A"},
        {"PA", "PA02", "NEBULIZATION", 350, "A"},
        {"PA", "PA03", "ARTERIAL BLOOD GAS SAMPLING", 900, "A"},
        {"AU", "AU01", "PURE TONE AUDIOMETRY", 1100, "A"},
        {"AU", "AU02", "TYMPANOMETRY", 900, "A"},
        {"NU", "NU01", "MYOCARDIAL PERFUSION SCAN", 16000, "A"},
        {"NU", "NU02", "MUGA SCAN", 12000, "A"},
        {"NE", "NE01", "ELECTROENCEPHALOGRAPHY", 2800, "A"},
        {"NE", "NE02", "NERVE CONDUCTION VELOCITY", 3500, "A"},
        {"HS", "HS003", "2D ECHO, BEDSIDE", 4200, "A"},
        {"MI", "MI01", "CARDIAC MRI", 28000, "A"},
        {"MI", "MI02", "MRI OF THE BRAIN", 15000, "A"},
        {"WC", "WC01", "MAMMOGRAPHY", 2500, "A"},
        {"EN", "EN01", "UPPER GI ENDOSCOPY", 7500, "A"},
    };
    for (const Service& s : services)
        c.execute(svc, QVariantList{s.section, s.code, s.name} + DemoData::ClassRates(s.rate) + QVariantList{s.status});
    // Results written on the processed requests, and assessments entered for two stays.
    const QDateTime now = c.serverDateTime();
    c.execute(QStringLiteral("UPDATE STATION..tbNurseLogbook SET ResultBy = ProcessBy, ResultDate = ProcessDate "
                             "WHERE RecordStatus = 'X' AND ProcessDate IS NOT NULL AND RequestNum IN ('RQ0000102')"));
    c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET Description = ?, Stat = 'N' WHERE RequestNum = ?"),
              {QStringLiteral("COMPLETE BLOOD COUNT"), QStringLiteral("RQ0000101")});
    c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET Description = ?, Stat = 'N' WHERE RequestNum = ?"),
              {QStringLiteral("CHEST PA"), QStringLiteral("RQ0000102")});
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseClinicalAssessment (AssessNum, IDNum, RevenueID, ItemID, Description, "
                             "Amount, Quantity, TransDate, UserID, Status) VALUES "
                             "('AS000011', '2026000001', 'CL', 'CL101', 'LEFT HEART CATHETERIZATION', 42000, 1, ?, 'CL001', 'ASSESSED'), "
                             "('AS000012', '2026000002', 'HS', 'HS001', 'ECG 12 LEADS', 450, 1, ?, 'CL001', 'PAID')"),
              {now.addDays(-1), now.addDays(-2)});
}

} // namespace

CATHLAB_DEMO_SECTION(420, "exam ordering: common exams, sections, counters", examOrdering, "STATION..tbNurseCommonExams");
