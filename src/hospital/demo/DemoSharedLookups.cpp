// Reference data and patient details behind the shared look-ups: doctors with their rates and
// licences, out-patient classes, packages, charging codes, drugs, and for some of the demo stays
// their further data, histories, department cases, clearances, notices, requests and charges.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <QDateTime>

namespace {

void doctors(Connection& c, const DemoScale&)
{
    struct Doctor { const char *id, *last, *first, *middle, *specialty, *licence, *s2; };
    const Doctor list[] = {
        {"D001", "VILLAREAL", "ANTONIO", "CRUZ", "INTERVENTIONAL CARDIOLOGY", "0081234", "S2-10452"},
        {"D002", "MAGSAYSAY", "ELENA", "REYES", "CARDIOLOGY", "0079911", "S2-09877"},
        {"D003", "DELA ROSA", "MARCO", "SANTOS", "CARDIOVASCULAR SURGERY", "0090012", ""},
        {"D004", "LACSON", "TERESITA", "GOMEZ", "ANESTHESIOLOGY", "0085520", "S2-11201"},
        {"D005", "QUIMPO", "RAFAEL", "LIM", "INTERNAL MEDICINE", "0102233", ""},
        {"D006", "VILLANUEVA", "CARMELA", "DIZON", "RADIOLOGY", "0097743", ""},
        {"D007", "PEÑAFLOR", "JOSE", "MARTINEZ", "CARDIOLOGY", "0088871", "S2-10003"},
    };
    for (const Doctor& d : list)
        c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, "
                                 "Specialization, LicenseNo, S2Number, Status) VALUES (?, ?, ?, ?, ?, ?, ?, 'A')"),
                  {QString::fromUtf8(d.id), QString::fromUtf8(d.last), QString::fromUtf8(d.first), QString::fromUtf8(d.middle),
                   QString::fromUtf8(d.specialty), QString::fromUtf8(d.licence),
                   *d.s2 ? QVariant(QString::fromUtf8(d.s2)) : QVariant(QMetaType(QMetaType::QString))});
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, Specialization, "
                             "LicenseNo, S2Number, Status) VALUES ('D099', 'SALONGA', 'PEDRO', 'UY', 'CARDIOLOGY', "
                             "'0061100', '', 'I')"));
    // Fees by rate class: private rooms (A, B) cost most, the service ward (F to H) least.
    const double base[] = {12000, 9000, 7500, 8000, 5000};
    const char* ids[] = {"D001", "D002", "D003", "D004", "D007"};
    for (int i = 0; i < 5; ++i)
        for (int k = 0; k < 8; ++k)
            c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorRate (DoctorID, RateClass, Amount) VALUES (?, ?, ?)"),
                      {QString::fromLatin1(ids[i]), QString(QLatin1Char(char('A' + k))), base[i] * (1.0 - 0.08 * k)});
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES "
                             "('D003', 'CORONARY ARTERY BYPASS - SURGEON', 150000, 1), "
                             "('D003', 'PERICARDIOCENTESIS', 25000, 1), "
                             "('D003', 'CONSULTATION', 0, 1), "
                             "('D005', 'CARDIAC CLEARANCE', 1500, 0)"));
}

void references(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoOPDClass (OPDClassID, Description, RateType) VALUES "
                             "('A', 'REGULAR', 'A'), ('B', 'HMO / CORPORATE', 'B'), ('E', 'EMPLOYEE', 'E'), "
                             "('S', 'SERVICE', 'F'), ('X', 'UNCLASSIFIED', NULL)"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbExecPackageCode (PackageID, Description) VALUES "
                             "('EX01', 'EXECUTIVE CHECK-UP A'), ('EX02', 'EXECUTIVE CARDIAC CHECK-UP')"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoNationality (NationalityID, Nationality, isInternational) VALUES "
                             "('FIL', 'FILIPINO', 'N'), ('USA', 'AMERICAN', 'Y'), ('JPN', 'JAPANESE', 'Y'), "
                             "('KOR', 'KOREAN', 'Y')"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoAdmPackage (PackageID, Package, CLActive) VALUES "
                             "('PKG-CAG', 'CORONARY ANGIOGRAM PACKAGE', 'Y'), ('PKG-PCI', 'PTCA WITH ONE STENT PACKAGE', 'Y'), "
                             "('PKG-PPM', 'PERMANENT PACEMAKER PACKAGE', 'Y'), ('PKG-MAT', 'MATERNITY PACKAGE', 'N') "
                             "ON CONFLICT DO NOTHING"));
    struct Service { const char *id, *name; double rate; };
    const Service services[] = {{"CL001", "CORONARY ANGIOGRAPHY", 45000}, {"CL002", "PTCA - SINGLE VESSEL", 120000},
                                {"CL003", "PERMANENT PACEMAKER INSERTION", 95000}, {"CL004", "RIGHT HEART CATHETERIZATION", 38000},
                                {"CL005", "INTRA-AORTIC BALLOON PUMP INSERTION", 52000}};
    for (const Service& s : services) {
        QVariantList v{QString::fromLatin1(s.id), QString::fromLatin1(s.name)};
        for (int k = 0; k < 8; ++k) v << s.rate * (1.0 - 0.05 * k);
        v << s.rate * 0.3 << s.rate * 0.5;
        c.execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, "
                                 "RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, FixRate, CathOverTimeRate, "
                                 "CathOnCallRate, Status) VALUES ('CL', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', ?, ?, 'A') "
                                 "ON CONFLICT DO NOTHING"),
                  v);
    }
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES "
                             "('PKG-CAG', 'CL001', 'A'), ('PKG-PCI', 'CL002', 'A'), ('PKG-PPM', 'CL003', 'I')"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) VALUES "
                             "('CL', 'CATH LAB PROCEDURES', 'A'), ('MD', 'PROFESSIONAL FEES', 'A'), "
                             "('PH', 'PHARMACY', 'A'), ('CS', 'CENTRAL SUPPLY', 'A'), ('OX', 'OXYGEN', 'A'), "
                             "('CM', 'CONSIGNED MEDICINES', 'A'), ('CU', 'CONSIGNED SUPPLIES', 'A'), "
                             "('EQ', 'EQUIPMENT', 'A'), ('XR', 'X-RAY', 'I')"));
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvPackage (PackageID, Description, RateA, RateB, RateC, RateD, RateE, "
                             "Status) VALUES ('PKG-CAG', 'CORONARY ANGIOGRAM PACKAGE', 85000, 80000, 76000, 72000, 68000, 'A'), "
                             "('PKG-PCI', 'PTCA WITH ONE STENT PACKAGE', 250000, 240000, 232000, 225000, 218000, 'A'), "
                             "('PKG-PPM', 'PERMANENT PACEMAKER PACKAGE', 310000, 300000, 292000, 285000, NULL, 'A')"));
    c.execute(QStringLiteral("INSERT INTO INVENTORY..TBINVMASTER (ItemID, ItemName, GenericName, ItemClassificationID, "
                             "UnitOfMeasure, Status) VALUES "
                             "('MED0101', 'MORPHINE SULFATE 10MG/ML AMP', 'MORPHINE', 'DD', 'AMP', 'A'), "
                             "('MED0102', 'FENTANYL 50MCG/ML AMP', 'FENTANYL', 'DD', 'AMP', 'A'), "
                             "('MED0103', 'MIDAZOLAM 5MG/ML AMP', 'MIDAZOLAM', 'DD', 'AMP', 'A'), "
                             "('MED0201', 'HEPARIN 5000IU/ML VIAL', 'HEPARIN', 'ANTICOAG', 'VIAL', 'A'), "
                             "('MED0301', 'IOHEXOL 350 100ML', 'IOHEXOL', 'CONTRAST', 'BOT', 'A'), "
                             "('MED0401', 'LIDOCAINE 2% 5ML', 'LIDOCAINE', NULL, 'AMP', 'A')"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES ('RegulatedDrugsClassID', 'DD', '1')"));
}

// Details of the first demo stays and visits, so that every look-up has something to find.
void stays(Connection& c, const DemoScale&)
{
    const Recordset adm = c.query(QStringLiteral("SELECT IDNum, HospNum, AdmDate, DcrDate, BillingDate FROM PATIENT_DATA..tbPatient "
                                                 "ORDER BY IDNum LIMIT 12"));
    const Recordset opd = c.query(QStringLiteral("SELECT IDNum, HospNum, AdmDate FROM PATIENT_DATA..TBOUTPATIENT ORDER BY IDNum LIMIT 6"));
    const QStringList precautions = {QStringLiteral("ALLERGIC TO IODINE CONTRAST"), QStringLiteral("FALL RISK"),
                                     QStringLiteral("ON WARFARIN - CHECK INR"), QString()};
    const char* packages[] = {"PKG-CAG", "PKG-PCI", "", "EX02"};
    for (int r = 0; r < adm.recordCount(); ++r) {
        const QString id = adm.textAt(r, QStringLiteral("IDNum"));
        const QString hosp = adm.textAt(r, QStringLiteral("HospNum"));
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, PackageID, OkeyCL, PatientsMed, transplantID, "
                                 "dialysisID, VIP, IsSpecial) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {id, QString::fromLatin1(packages[r % 4]), r % 3 == 0 ? 0 : 1, r % 5 == 0 ? 1 : 0,
                   r == 2 ? QStringLiteral("1") : QStringLiteral("0"), QString::number(r % 3), r == 1 ? 1 : 0,
                   r == 4 ? QStringLiteral("1") : QStringLiteral("0")});
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, Precautions, AdmittingDiagnosis, "
                                 "ChiefComplaint) VALUES (?, ?, 'CORONARY ARTERY DISEASE', 'CHEST PAIN')"),
                  {id, precautions[r % 4]});
        if (r < 6) {
            const QVariant dcr = adm.valueAt(r, QStringLiteral("DcrDate"));
            c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPatient (CathLabNum, IDNum, HospNum, RegistryDate, "
                                     "DateDischarged, RecordStatus, UserID) VALUES (?, ?, ?, ?, ?, ?, 'CL001')"),
                      {QStringLiteral("CL-26-%1").arg(r + 1, 4, 10, QLatin1Char('0')), id, hosp,
                       DbValue::toDateTime(adm.valueAt(r, QStringLiteral("AdmDate"))).addSecs(3600),
                       dcr.isNull() ? QVariant(QMetaType(QMetaType::QDateTime)) : QVariant(DbValue::toDateTime(dcr)),
                       r == 5 ? QStringLiteral("R") : QStringLiteral("X")});
            c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                     "Refnum, Amount, UserID) VALUES (?, ?, 'CL', 'D', 'CL001', 1, ?, 45000, 'CL001')"),
                      {id, DbValue::toDateTime(adm.valueAt(r, QStringLiteral("AdmDate"))).addDays(1),
                       QStringLiteral("CS%1").arg(700100 + r)});
        }
        if (r == 3 || r == 7)
            c.execute(QStringLiteral("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate, ClearedBy) "
                                     "VALUES (?, 'CL', ?, 'CL001')"),
                      {id, DbValue::toDateTime(adm.valueAt(r, QStringLiteral("AdmDate"))).addDays(2)});
        if (r == 3 || r == 8)
            c.execute(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, HospNum, RecordStatus, OrderedDate, "
                                     "Remarks, Noticedate, UserID) VALUES (?, ?, ?, ?, 'MAY GO HOME', ?, 'CL001')"),
                      {id, hosp, r == 3 ? QStringLiteral("F") : QStringLiteral("S"),
                       DbValue::toDateTime(adm.valueAt(r, QStringLiteral("AdmDate"))).addDays(2),
                       DbValue::toDateTime(adm.valueAt(r, QStringLiteral("AdmDate"))).addDays(2)});
        if (r % 2 == 0)
            c.execute(QStringLiteral("INSERT INTO MEDICARE..tbPHICMembership (IDNum, PHICNumber, MemberType, Status) "
                                     "VALUES (?, ?, 'MEMBER', 'A')"),
                      {id, QStringLiteral("19-%1-5").arg(250000000 + r)});
    }
    for (int r = 0; r < opd.recordCount(); ++r) {
        const QString id = opd.textAt(r, QStringLiteral("IDNum"));
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, PackageID, OkeyCL, PatientsMed, transplantID, "
                                 "dialysisID, VIP, IsSpecial) VALUES (?, NULL, 1, 0, '0', '0', 0, '0')"),
                  {id});
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatientHistory (IDNum, Precautions, ChiefComplaint) "
                                 "VALUES (?, ?, 'CHEST PAIN ON EXERTION')"),
                  {id, r == 0 ? QStringLiteral("LATEX ALLERGY") : QString()});
        c.execute(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET OPDClass = ? WHERE IDNum = ?"),
                  {QString(QLatin1Char("ABESAA"[r % 6])), id});
        c.execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, "
                                 "Quantity, RequestDate, StationID, UserID, RecordStatus) VALUES (?, ?, ?, 'CL', 'CL001', 1, ?, "
                                 "'ER', 'ER001', ?)"),
                  {QStringLiteral("RQ%1").arg(880001 + r), id, opd.textAt(r, QStringLiteral("HospNum")),
                   DbValue::toDateTime(opd.valueAt(r, QStringLiteral("AdmDate"))),
                   r < 2 ? QVariant(QMetaType(QMetaType::QString)) : QVariant(QStringLiteral("X"))});
    }
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbMaster SET NationalityID = 'FIL'"));
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbMaster SET NationalityID = 'USA' WHERE HospNum IN ('100007', '100019')"));
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbMaster SET NationalityID = 'JPN' WHERE HospNum = '100023'"));
}

} // namespace

CATHLAB_DEMO_SECTION(200, "doctors, rates and licences", doctors, "BUILD_FILE..tbCoDoctor");
CATHLAB_DEMO_SECTION(210, "classes, packages, charging codes and drugs", references, "BUILD_FILE..tbCoOPDClass");
CATHLAB_DEMO_SECTION(220, "details of the demo stays", stays, "MEDICARE..tbPHICMembership");
