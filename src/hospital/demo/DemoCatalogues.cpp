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
               {{"20", "MED0001", 240, 50},   // heparin 5,000 IU/mL vial
                {"20", "MED0002", 60, 20},    // nitroglycerin 5 mg/mL ampule
                {"20", "MED0003", 500, 100},  // clopidogrel 75 mg tablet
                {"20", "MED0004", 0, 10},     // abciximab vial, out of stock
                {"21", "SUP0001", 35, 10},    // guide wire 0.035"
                {"21", "SUP0002", 80, 20},    // introducer sheath 6 Fr
                {"35", "SUP0002", 12, 5},
                {"35", "SUP0003", 18, 5},     // angiographic catheter 5 Fr
                {"36", "SUP0004", 6, 2}});    // drug-eluting stent (consigned)
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvPNFList (ItemID) VALUES (?)"),
               {{"MED0001"}, {"MED0002"}, {"MED0003"}});
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

// Rate classes A to H of one price: A the dearest, each class 5% below the one before.
QVariantList rates(double a)
{
    QVariantList out;
    for (int i = 0; i < 8; ++i) out << std::round(a * (1.0 - 0.05 * i) * 100.0) / 100.0;
    return out;
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
        c.execute(lab, QVariantList{e.id, e.name, e.section, e.profile, e.stat, e.proc, e.open, e.max} + rates(e.rate));

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
    c.execute(xray, QVariantList{"CXRPA", "CHEST PA", 0, 0, kNull} + rates(650));
    c.execute(xray, QVariantList{"CXRAPL", "CHEST AP-LATERAL", 0, 0, kNull} + rates(900));
    c.execute(xray, QVariantList{"FLUORO", "FLUOROSCOPY (PER 15 MINUTES)", 1, 1, 4} + rates(2500));
    const QString ultra = QStringLiteral(
        "INSERT INTO BUILD_FILE..tbCoUltraExam (UltraExamID, UltraExam, IsProcedure, OpenQuantity, MaxQty, RateA, RateB, RateC, "
        "RateD, RateE, RateF, RateG, RateH, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'A')");
    c.execute(ultra, QVariantList{"ECHO2D", "2D ECHO WITH DOPPLER", 0, 0, kNull} + rates(3500));
    c.execute(ultra, QVariantList{"CAROTID", "CAROTID DUPLEX SCAN", 0, 0, kNull} + rates(4200));
    c.execute(ultra, QVariantList{"VASCMAP", "VASCULAR MAPPING (PER LIMB)", 1, 1, 2} + rates(3800));
}

void servicesAndPackages(Connection& c, const DemoScale&)
{
    const QString svc = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'A')");
    c.execute(svc, QVariantList{"CL", "CL001", "CORONARY ANGIOGRAPHY"} + rates(45000) + QVariantList{54000, 58500});
    c.execute(svc, QVariantList{"CL", "CL002", "PCI SINGLE VESSEL"} + rates(120000) + QVariantList{144000, 156000});
    c.execute(svc, QVariantList{"CL", "CL003", "PERMANENT PACEMAKER INSERTION"} + rates(95000) + QVariantList{114000, 123500});
    c.execute(svc, QVariantList{"CL", "CL004", "TEMPORARY PACEMAKER INSERTION"} + rates(25000) + QVariantList{30000, kNull});
    c.execute(svc, QVariantList{"CL", "CL005", "RIGHT HEART CATHETERIZATION"} + rates(38000) + QVariantList{kNull, kNull});
    c.execute(svc, QVariantList{"CL", "CL006", "INTRA-AORTIC BALLOON PUMP INSERTION"} + rates(65000.5) + QVariantList{78000.75, 84500.25});
    c.execute(svc, QVariantList{"HS", "HS001", "ECG 12 LEADS"} + rates(450) + QVariantList{540, 585});
    c.execute(svc, QVariantList{"HS", "HS002", "TREADMILL STRESS TEST"} + rates(3500) + QVariantList{4200, 4550});
    c.execute(svc, QVariantList{"HS", "CL001", "HOLTER MONITORING"} + rates(4800) + QVariantList{5760, 6240});

    insertRows(c, QStringLiteral("INSERT INTO BUILD_FILE..tbCoAdmPackage (PackageID, Package, Amount, CLActive, Status) VALUES (?, ?, ?, ?, 'A')"),
               {{"PKG-CAG", "CORONARY ANGIOGRAPHY PACKAGE", 68000, "Y"},
                {"PKG-PCI", "PCI PACKAGE (ONE STENT)", 285000, "Y"},
                {"PKG-PPI", "PERMANENT PACEMAKER PACKAGE", 310000, "Y"},
                {"PKG-IABP", "IABP EQUIPMENT PACKAGE", 95000, "Y"},
                {"PKG-MAT", "NORMAL DELIVERY PACKAGE", 35000, "N"}});
    insertRows(c, QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES (?, ?, ?)"),
               {{"PKG-CAG", "CL001", "A"},
                {"PKG-PCI", "CL002", "A"},
                {"PKG-PPI", "CL004", kNull},   // an old link, never given a status
                {"PKG-PPI", "CL003", "A"},
                {"PKG-IABP", "CL006", "I"}});
    insertRows(c, QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLOtherPackageLink (PackageCode, NurseItemCode, Status) VALUES (?, ?, ?)"),
               {{"CPKG-STENT", "CL002", "A"}, {"CPKG-LEAD", "CL003", "I"}});
    insertRows(c, QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLEquipmentPackage (PackageCode, Description) VALUES (?, ?)"),
               {{"PKG-IABP", "INTRA-AORTIC BALLOON PUMP"}});
    insertRows(c, QStringLiteral("INSERT INTO STATION..tbCLExamFormTypes (ItemID, FormType, Description) VALUES (?, ?, ?)"),
               {{"CL002", "B", "INTERVENTION CONSENT AND REPORT"}, {"CL003", "C", "DEVICE IMPLANT RECORD"},
                {"CL005", kNull, "NO FORM RECORDED"}});
}

// Posted charges, stock movements, requests and cases of a few demo admissions, dated from the
// server's clock so that "today" means today.
void postings(Connection& c, const DemoScale&)
{
    const QDateTime now = c.serverDateTime();
    const QDateTime morning(now.date(), QTime(8, 30));
    const QDateTime lastWeek = morning.addDays(-7);
    insertRows(c, QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, RefNum, "
                                 "Amount, UserID, RoomID) VALUES (?, ?, ?, 'D', ?, ?, ?, ?, 'CL001', ?)"),
               {{"2026000003", lastWeek, "CL", "PKG-CAG", 1, "CS000101", 68000, "204"},
                {"2026000005", lastWeek, "CL", "PKG-PCI", 1, "CS000102", 285000, "306"},
                {"2026000005", lastWeek.addSecs(3600), "CL", "PKG-PCI", -1, "CS000103", -285000, "306"},
                {"2026000006", morning, "CL", "CL001", 1, "CS000104", 45000, "207"},
                {"2026000006", morning, "PH", "MED0001", 2, "CS000104", 760, "207"}});
    insertRows(c, QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (IDNum, HospNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                 "RefNum, ChargeSlip, Amount, UserID) VALUES (?, ?, ?, ?, 'D', ?, ?, ?, ?, ?, 'CL001')"),
               {{"500002B", "100002", lastWeek, "HS", "HS001", 1, "OR-88121", "CS000105", 450},
                {"500003B", "100003", morning, "CL", "PKG-CAG", 1, "OR-88140", "CS000106", 68000}});
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                                 "Quantity, Amount, UserID, CreditMemoNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'CL001', ?)"),
               {{"2026000006", "MED0001", "20", "PH", morning, "CS000104", -2, 760, kNull},
                {"2026000007", "SUP0002", "21", "CS", lastWeek, "CS000107", -1, 2300, kNull},
                {"2026000007", "SUP0002", "21", "CS", lastWeek.addDays(1), "CS000107", 1, -2300, "100501"}});
    insertRows(c, QStringLiteral("INSERT INTO INVENTORY..tbInvSlipCounter (CounterID, Description, LastNumber) VALUES (?, ?, ?)"),
               {{"CREDITMEMO", "CREDIT MEMO", 100500}, {"ADJUSTSLIP", "ADJUSTMENT SLIP", 200300}});

    const QString request = QStringLiteral(
        "INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, RevenueID, ItemID, Quantity, RequestDate, StationID, "
        "UserID, Stat, RecordStatus, ProcessBy, ProcessDate, RevokeBy, RevokeDate) VALUES (?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insertRows(c, request,
               {{"RQ0000101", "2026000001", "LB", "CBC", morning, "CL", "CL001", "N", kNull, kNull, kNull, kNull, kNull},
                {"RQ0000102", "2026000002", "XR", "CXRPA", morning, "CL", "CL001", "N", "X", "XR004", morning.addSecs(5400), kNull, kNull},
                {"RQ0000103", "2026000002", "LB", "TROPI", lastWeek, "CL", "CL001", "Y", "R", kNull, kNull, "CL002", lastWeek.addSecs(1800)},
                {"RQ0000104", "2026000009", "CL", "CL001", morning, "2F", "2F011", "N", kNull, kNull, kNull, kNull, kNull},
                {"RQ0000105", "2026000009", "LB", "LIPID", lastWeek, "CL", "CL001", "N", "X", "LB007", lastWeek.addSecs(7200), kNull, kNull}});
    insertRows(c, QStringLiteral("INSERT INTO CLINICAL_AREA..tbCathLabMaster (RequestNum, RefNum, IDNum, ItemID, RevenueID, RequestDate, "
                                 "RequestStatus) VALUES (?, ?, ?, ?, 'CL', ?, ?)"),
               {{"CL0000051", "CS000101", "2026000003", "CL001", lastWeek, "W"},
                {"CL0000052", "CS000104", "2026000006", "CL001", morning, "X"},
                {"CL0000053", "CS000108", "2026000010", "CL005", morning, kNull},
                {"CL0000054", "CS000109", "2026000011", "CL002", morning, "X"},
                {"CL0000055", "CS000109", "2026000011", "CL004", morning, "D"}});
    insertRows(c, QStringLiteral("INSERT INTO STATION..tbNursePatientMedicines (IDNum, ItemID, RequestNum, QtyIssued, QtyAdministered, "
                                 "DateIssued) VALUES (?, ?, ?, ?, ?, ?)"),
               {{"2026000001", "MED0001", "RQ0000090", 2, 1, lastWeek},
                {"2026000001", "MED0002", "RQ0000091", 1, 1, lastWeek},
                {"2026000002", "MED0003", "RQ0000092", 3, 3, lastWeek}});
}

} // namespace

CATHLAB_DEMO_SECTION(250, "departments, locations and AR codes", departments);
CATHLAB_DEMO_SECTION(255, "exam catalogues, profiles and specimens", examCatalogues);
CATHLAB_DEMO_SECTION(260, "department services and packages", servicesAndPackages);
CATHLAB_DEMO_SECTION(265, "posted charges, stock cards and requests", postings);
