// Catalogues the order and charging checks work on: departments and their stock locations, the
// laboratory, x-ray and ultrasound exams with their STAT rules and largest quantities, profiles
// and specimens, the department's services by rate class, packages and their links, AR codes.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <cmath>
#include <initializer_list>

namespace {

void insertRows(Connection& c, const QString& sql, std::initializer_list<QVariantList> rows)
{
    for (const QVariantList& r : rows) c.execute(sql, r);
}

const QVariant kNull;

void departments(Connection& c, const DemoScale&)
{
    // Location 35 (the department's own stock room) and 36 (consignment) leave their type blank:
    // it follows from the revenue code that keeps their stock cards.
    insertRows(c, QStringLiteral("INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, LocationID, StockCardRevenueID, Status) "
                                 "VALUES (?, ?, ?, ?, 'A')"),
               {{"LB", "LABORATORY", "", ""},
                {"XR", "X-RAY", "", ""},
                {"US", "ULTRASOUND", "", ""},
                {"CT", "CT-SCAN", "", ""},
                {"HS", "HEART STATION", "", ""},
                {"PH", "PHARMACY", "20", "PH"},
                {"CS", "CENTRAL SUPPLY", "21", "CS"},
                {"CL", "CATH LABORATORY", "35", "CS"},
                {"CM", "CATHLAB CONSIGNED MEDICINES", "36", "PH"},
                {"CU", "CATHLAB CONSIGNED SUPPLIES", "36", "PH"},
                {"EQ", "CATHLAB EQUIPMENT", "", ""},
                {"OR", "OPERATING ROOM", "21", "CS"},
                {"MD", "PROFESSIONAL FEE", kNull, kNull},
                {"OX", "OXYGEN", "", ""}});
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvLocation (LocationID, Location, InventoryType, Status) VALUES (?, ?, ?, 'A')"),
               {{"20", "MAIN PHARMACY", "P"},
                {"21", "CENTRAL SUPPLY ROOM", "C"},
                {"35", "CATH LAB STOCK ROOM", ""},
                {"36", "CATH LAB CONSIGNMENT", kNull}});
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand, ReorderLevel) VALUES (?, ?, ?, ?)"),
               {{"20", "MED0201", 240, 50},   // heparin 5,000 IU/mL vial
                {"20", "MED0301", 60, 20},    // iohexol 350, 100 mL
                {"20", "MED0401", 500, 100},  // lidocaine 2%, 5 mL
                {"20", "MED0101", 0, 10},     // morphine 10 mg/mL ampule, out of stock
                {"21", "SUP0001", 35, 10},    // guide wire 0.035"
                {"21", "SUP0002", 80, 20},    // introducer sheath 6 Fr
                {"35", "SUP0002", 12, 5},
                {"35", "SUP0003", 18, 5},     // angiographic catheter 5 Fr
                {"36", "SUP0004", 6, 2}});    // drug-eluting stent (consigned)
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvPNFList (ItemID) VALUES (?)"),
               {{"MED0201"}, {"MED0401"}, {"MED0101"}});
    // AR codes: mode 1 charge, 2 revocation, 3 late charge; ERM the cash assessment.
    const char* revenues[] = {"CL", "LB", "XR", "HS", "PH", "CS", "MD"};
    int account = 1101;
    for (const char* rev : revenues) {
        const QString r = QString::fromLatin1(rev);
        insertRows(c, QStringLiteral("INSERT INTO STATION..tbNurseARCodes (RevenueID, SystemID, TransMode, ARCode, Description) "
                                     "VALUES (?, ?, ?, ?, ?)"),
                   {{r, "CL", "1", QStringLiteral("%1-%2").arg(account).arg(r), "CHARGES"},
                    {r, "CL", "2", QStringLiteral("%1-%2R").arg(account).arg(r), "REVOKED CHARGES"},
                    {r, "CL", "3", QStringLiteral("%1-%2L").arg(account).arg(r), "LATE CHARGES"},
                    {r, "ERM", "1", QStringLiteral("%1-%2C").arg(account + 400).arg(r), "CASH ASSESSMENT"}});
        account += 10;
    }
}


void examCatalogues(Connection& c, const DemoScale&)
{
    const QString lab = QStringLiteral(
        "INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, LabSectionID, IsProfile, Stat, IsProcedure, OpenQuantity, "
        "MaxQty, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, 'A')");
    struct Exam { const char* id; const char* name; const char* section; int profile; QVariant stat; int proc, open; QVariant max; double rate; };
    const Exam exams[] = {
        {"CBC", "COMPLETE BLOOD COUNT", "HEMA", 0, "", 0, 0, kNull, 350},
        {"PLT", "PLATELET COUNT", "HEMA", 0, "", 0, 0, kNull, 200},
        {"PT", "PROTHROMBIN TIME", "HEMA", 0, kNull, 0, 0, kNull, 450},
        {"APTT", "ACTIVATED PARTIAL THROMBOPLASTIN TIME", "HEMA", 0, kNull, 0, 0, kNull, 500},
        {"CREA", "CREATININE", "CHEM", 0, "", 0, 0, kNull, 250},
        {"BUN", "BLOOD UREA NITROGEN", "CHEM", 0, "", 0, 0, kNull, 250},
        {"CHOL", "TOTAL CHOLESTEROL", "CHEM", 0, "N", 0, 0, kNull, 300},
        {"TRIG", "TRIGLYCERIDES", "CHEM", 0, "N", 0, 0, kNull, 350},
        {"HDL", "HDL CHOLESTEROL", "CHEM", 0, "N", 0, 0, kNull, 350},
        {"LDL", "LDL CHOLESTEROL", "CHEM", 0, "N", 0, 0, kNull, 350},
        {"NA", "SODIUM", "CHEM", 0, "", 0, 0, kNull, 280},
        {"K", "POTASSIUM", "CHEM", 0, "", 0, 0, kNull, 280},
        {"CL", "CHLORIDE", "CHEM", 0, "", 0, 0, kNull, 280},
        {"TROPI", "TROPONIN I", "IMMU", 0, "Y", 0, 0, kNull, 1800},
        {"CKMB", "CK-MB", "IMMU", 0, "Y", 0, 0, kNull, 1200},
        {"ABG", "ARTERIAL BLOOD GAS", "CHEM", 0, "Y", 1, 1, 5, 1500},
        {"BLDCS", "BLOOD CULTURE AND SENSITIVITY", "MICR", 0, "", 1, 1, 3, 1650},
        {"ACT", "ACTIVATED CLOTTING TIME", "HEMA", 0, "", 1, 0, 6, 400},   // a procedure, but no open quantity
        {"LIPID", "LIPID PROFILE", "CHEM", 1, "N", 0, 0, kNull, 1100},
        {"ELEC", "SERUM ELECTROLYTES", "CHEM", 1, "", 0, 0, kNull, 750},
        {"COAG", "COAGULATION PROFILE", "HEMA", 1, "", 0, 0, kNull, 850},
    };
    for (const Exam& e : exams)
        c.execute(lab, QVariantList{e.id, e.name, e.section, e.profile, e.stat, e.proc, e.open, e.max} + DemoData::ClassRates(e.rate));

    insertRows(c, QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabProfile (ProfileID, LabExamID, SortOrder) VALUES (?, ?, ?)"),
               {{"LIPID", "CHOL", 1}, {"LIPID", "TRIG", 2}, {"LIPID", "HDL", 3}, {"LIPID", "LDL", 4},
                {"ELEC", "NA", 1}, {"ELEC", "K", 2}, {"ELEC", "CL", 3},
                {"COAG", "PT", 1}, {"COAG", "APTT", 2}, {"COAG", "PLT", 3}});
    insertRows(c, QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabSpecimen (SpecimenID, Specimen, Status) VALUES (?, ?, 'A')"),
               {{"BLD", "WHOLE BLOOD (EDTA)"}, {"SER", "SERUM"}, {"PLS", "CITRATED PLASMA"}, {"ART", "ARTERIAL BLOOD"},
                {"URN", "URINE"}});
    insertRows(c, QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExamSpecimen (LabExamID, SpecimenID) VALUES (?, ?)"),
               {{"CBC", "BLD"}, {"PLT", "BLD"}, {"PT", "PLS"}, {"APTT", "PLS"}, {"CREA", "SER"}, {"CREA", "URN"},
                {"BUN", "SER"}, {"NA", "SER"}, {"K", "SER"}, {"CL", "SER"}, {"LIPID", "SER"}, {"TROPI", "SER"},
                {"TROPI", "PLS"}, {"ABG", "ART"}, {"BLDCS", "BLD"}});

    const QString xray = QStringLiteral(
        "INSERT INTO BUILD_FILE..tbCoXrayExam (XrayExamID, XrayExam, IsProcedure, OpenQuantity, MaxQty, RateA, RateB, RateC, "
        "RateD, RateE, RateF, RateG, RateH, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'A')");
    c.execute(xray, QVariantList{"CXRPA", "CHEST PA", 0, 0, kNull} + DemoData::ClassRates(650));
    c.execute(xray, QVariantList{"CXRAPL", "CHEST AP-LATERAL", 0, 0, kNull} + DemoData::ClassRates(900));
    c.execute(xray, QVariantList{"FLUORO", "FLUOROSCOPY (PER 15 MINUTES)", 1, 1, 4} + DemoData::ClassRates(2500));
    const QString ultra = QStringLiteral(
        "INSERT INTO BUILD_FILE..tbCoUltraExam (UltraExamID, UltraExam, IsProcedure, OpenQuantity, MaxQty, RateA, RateB, RateC, "
        "RateD, RateE, RateF, RateG, RateH, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'A')");
    c.execute(ultra, QVariantList{"ECHO2D", "2D ECHO WITH DOPPLER", 0, 0, kNull} + DemoData::ClassRates(3500));
    c.execute(ultra, QVariantList{"CAROTID", "CAROTID DUPLEX SCAN", 0, 0, kNull} + DemoData::ClassRates(4200));
    c.execute(ultra, QVariantList{"VASCMAP", "VASCULAR MAPPING (PER LIMB)", 1, 1, 2} + DemoData::ClassRates(3800));
}

void servicesAndPackages(Connection& c, const DemoScale&)
{
    const QString svc = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, FixRate, Status) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', 'A')");
    c.execute(svc, QVariantList{"CL", "CL101", "LEFT HEART CATHETERIZATION"} + DemoData::ClassRates(42000) + QVariantList{50400, 54600});
    c.execute(svc, QVariantList{"CL", "CL102", "PTCA - MULTIVESSEL"} + DemoData::ClassRates(165000) + QVariantList{198000, 214500});
    c.execute(svc, QVariantList{"CL", "CL103", "DUAL CHAMBER PACEMAKER INSERTION"} + DemoData::ClassRates(115000) + QVariantList{138000, 149500});
    c.execute(svc, QVariantList{"CL", "CL104", "TEMPORARY PACEMAKER INSERTION"} + DemoData::ClassRates(25000) + QVariantList{30000, kNull});
    c.execute(svc, QVariantList{"CL", "CL105", "PERICARDIOCENTESIS"} + DemoData::ClassRates(18000) + QVariantList{kNull, kNull});
    c.execute(svc, QVariantList{"CL", "CL106", "IABP SUPPORT (PER DAY)"} + DemoData::ClassRates(12500.5) + QVariantList{15000.75, 16250.25});
    c.execute(svc, QVariantList{"HS", "HS001", "ECG 12 LEADS"} + DemoData::ClassRates(450) + QVariantList{540, 585});
    c.execute(svc, QVariantList{"HS", "HS002", "TREADMILL STRESS TEST"} + DemoData::ClassRates(3500) + QVariantList{4200, 4550});
    c.execute(svc, QVariantList{"HS", "CL101", "HOLTER MONITORING"} + DemoData::ClassRates(4800) + QVariantList{5760, 6240});

    insertRows(c, QStringLiteral("INSERT INTO BUILD_FILE..tbCoAdmPackage (PackageID, Package, CLActive) VALUES (?, ?, ?)"),
               {{"PKG-RHC", "RIGHT HEART CATHETERIZATION PACKAGE", "Y"},
                {"PKG-PTCA", "PTCA PACKAGE (TWO STENTS)", "Y"},
                {"PKG-PPI", "DUAL CHAMBER PACEMAKER PACKAGE", "Y"},
                {"PKG-IABP", "IABP EQUIPMENT PACKAGE", "Y"}});
    insertRows(c, QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES (?, ?, ?)"),
               {{"PKG-RHC", "CL101", "A"},
                {"PKG-PTCA", "CL102", "A"},
                {"PKG-PPI", "CL104", kNull},   // an old link, never given a status
                {"PKG-PPI", "CL103", "A"},
                {"PKG-IABP", "CL106", "I"}});
    insertRows(c, QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLOtherPackageLink (PackageCode, NurseItemCode, Status) VALUES (?, ?, ?)"),
               {{"CPKG-STENT", "CL102", "A"}, {"CPKG-LEAD", "CL103", "I"}});
    insertRows(c, QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLEquipmentPackage (PackageCode, Description) VALUES (?, ?)"),
               {{"PKG-IABP", "INTRA-AORTIC BALLOON PUMP"}});
    insertRows(c, QStringLiteral("INSERT INTO STATION..tbCLExamFormTypes (ItemID, FormType, Description) VALUES (?, ?, ?)"),
               {{"CL102", "B", "INTERVENTION CONSENT AND REPORT"}, {"CL103", "C", "DEVICE IMPLANT RECORD"},
                {"CL105", kNull, "NO FORM RECORDED"}});
}

// Posted charges, stock movements, requests and cases of a few demo admissions, dated from the
// server's clock so that "today" means today.
void postings(Connection& c, const DemoScale&)
{
    const QDateTime now = c.serverDateTime();
    const QDateTime morning(now.date(), QTime(8, 30));
    const QDateTime lastWeek = morning.addDays(-7);
    insertRows(c, QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, "
                                 "Amount, UserID, RoomID) VALUES (?, ?, ?, 'D', ?, ?, ?, ?, 'CL001', ?)"),
               {{"2026000003", lastWeek, "CL", "PKG-RHC", 1, "CS000101", 58000, "204"},
                {"2026000005", lastWeek, "CL", "PKG-PTCA", 1, "CS000102", 345000, "306"},
                {"2026000005", lastWeek.addSecs(3600), "CL", "PKG-PTCA", -1, "CS000103", -345000, "306"},
                {"2026000006", morning, "CL", "CL101", 1, "CS000104", 42000, "207"},
                {"2026000006", morning, "PH", "MED0201", 2, "CS000104", 760, "207"}});
    insertRows(c, QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (IDNum, HospNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                 "Refnum, ChargeSlip, Amount, UserID) VALUES (?, ?, ?, ?, 'D', ?, ?, ?, ?, ?, 'CL001')"),
               {{"500002B", "100002", lastWeek, "HS", "HS001", 1, "OR-88121", "CS000105", 450},
                {"500003B", "100003", morning, "CL", "PKG-RHC", 1, "OR-88140", "CS000106", 58000}});
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                                 "Quantity, Amount, UserID, CreditMemoNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'CL001', ?)"),
               {{"2026000006", "MED0201", "20", "PH", morning, "CS000104", -2, 760, kNull},
                {"2026000007", "SUP0002", "21", "CS", lastWeek, "CS000107", -1, 2300, kNull},
                {"2026000007", "SUP0002", "21", "CS", lastWeek.addDays(1), "CS000107", 1, -2300, "100501"}});
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvSlipCounter (CounterID, Description, LastNumber) VALUES (?, ?, ?)"),
               {{"CREDITMEMO", "CREDIT MEMO", 100500}, {"ADJUSTSLIP", "ADJUSTMENT SLIP", 200300}});

    // Requests and their log-book lines: open, processed today, revoked, from another station,
    // processed last week.
    const QString request = QStringLiteral(
        "INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, Quantity, RequestDate, StationID, "
        "UserID, RecordStatus) VALUES (?, ?, ?, ?, 1, ?, ?, ?, ?)");
    const QString logLine = QStringLiteral(
        "INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, ProcessBy, ProcessDate, "
        "RevokeBy, RevokeDate, StationID) VALUES (?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?)");
    struct Request { const char* no; const char* id; const char* rev; const char* item; QDateTime at; const char* station;
                     const char* user; QVariant status; QVariant by; QVariant when; bool revoked; };
    const Request requests[] = {
        {"RQ0000101", "2026000001", "LB", "CBC", morning, "CL", "CL001", kNull, kNull, kNull, false},
        {"RQ0000102", "2026000002", "XR", "CXRPA", morning, "CL", "CL001", "X", "XR004", morning.addSecs(5400), false},
        {"RQ0000103", "2026000002", "LB", "TROPI", lastWeek, "CL", "CL001", "R", "CL002", lastWeek.addSecs(1800), true},
        {"RQ0000104", "2026000009", "CL", "CL101", morning, "2F", "2F011", kNull, kNull, kNull, false},
        {"RQ0000105", "2026000009", "LB", "LIPID", lastWeek, "CL", "CL001", "X", "LB007", lastWeek.addSecs(7200), false},
    };
    for (const Request& r : requests) {
        c.execute(request, {r.no, r.id, r.rev, r.item, r.at, r.station, r.user, r.status});
        c.execute(logLine, {r.no, r.id, r.rev, r.item, r.status, r.revoked ? kNull : r.by, r.revoked ? kNull : r.when,
                            r.revoked ? r.by : kNull, r.revoked ? r.when : kNull, r.station});
    }
    insertRows(c, QStringLiteral("INSERT INTO CLINICAL_AREA..tbCathLabMaster (RequestNum, RefNum, IDNum, ItemID, RevenueID, RequestDate, "
                                 "RequestStatus) VALUES (?, ?, ?, ?, 'CL', ?, ?)"),
               {{"CL0000051", "CS000101", "2026000003", "CL101", lastWeek, "W"},
                {"CL0000052", "CS000104", "2026000006", "CL101", morning, "X"},
                {"CL0000053", "CS000108", "2026000010", "CL105", morning, kNull},
                {"CL0000054", "CS000109", "2026000011", "CL102", morning, "X"},
                {"CL0000055", "CS000109", "2026000011", "CL104", morning, "D"}});
    insertRows(c, QStringLiteral("INSERT INTO STATION..tbNursePatientMedicines (IDNum, ItemID, RequestNum, QtyIssued, QtyAdministered, "
                                 "DateIssued) VALUES (?, ?, ?, ?, ?, ?)"),
               {{"2026000001", "MED0201", "RQ0000090", 2, 1, lastWeek},
                {"2026000001", "MED0301", "RQ0000091", 1, 1, lastWeek},
                {"2026000002", "MED0401", "RQ0000092", 3, 3, lastWeek}});
}

} // namespace

CATHLAB_DEMO_SECTION(250, "departments, locations and AR codes", departments, "INVENTORY..tbInvLocation");
CATHLAB_DEMO_SECTION(255, "exam catalogues, profiles and specimens", examCatalogues, "BUILD_FILE..tbCoLabExam");
CATHLAB_DEMO_SECTION(260, "department services and packages", servicesAndPackages, "CLINICAL_AREA..tbCLOtherPackageLink");
CATHLAB_DEMO_SECTION(265, "posted charges, stock cards and requests", postings, "INVENTORY..tbInvStockCard");

QVariantList DemoData::ClassRates(double a)
{
    QVariantList out;
    for (int i = 0; i < 8; ++i) out << std::round(a * (1.0 - 0.05 * i) * 100.0) / 100.0;
    return out;
}
