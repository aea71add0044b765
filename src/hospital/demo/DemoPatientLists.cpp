// The department's own patients: a small cast with known numbers, so that every row colour and
// every answer of the patient lists and the case actions can be seen by hand, and the cases,
// cash-basis flags and admission requests of the generated patients (scaled with DemoScale).
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

#include <QDateTime>

namespace {

const QVariant kNoDate = QVariant(QMetaType(QMetaType::QDateTime));

QVariant at(const QDateTime& base, int days, int hour = 0)
{
    return base.addDays(days).addSecs(qint64(hour) * 3600);
}

struct Person {
    const char* hospNum;
    const char* last;
    const char* first;
    const char* middle;
    const char* sex;
    const char* city;
};

// Hospital numbers 900001 and up stay clear of the generated patients.
const Person kCast[] = {
    {"900001", "ABELLERA", "ROMEO", "SANTOS", "M", "MALOLOS"},
    {"900002", "BUENAFLOR", "LIGAYA", "CRUZ", "F", "SAN ISIDRO CITY"},
    {"900003", "CABRERA", "DANILO", "", "M", "QUEZON CITY"},
    {"900004", "DIMAGIBA", "ESTELA", "REYES", "F", "PASIG"},
    {"900005", "ESGUERRA", "NOEL", "BAUTISTA", "M", "ANTIPOLO"},
    {"900006", "FAJARDO", "AMPARO", "LIM", "F", "CALAMBA"},
    {"900007", "GALANG", "TEODORO", "MENDOZA", "M", "MALOLOS"},
    {"900008", "HIDALGO", "REMEDIOS", "TAN", "F", "QUEZON CITY"},
    {"900009", "ILAGAN", "BENIGNO", "DIZON", "M", "PASIG"},
    {"900010", "JAVIER", "CONSUELO", "RAMOS", "F", "SAN ISIDRO CITY"},
    {"900011", "LACSON", "VIRGILIO", "NAVARRO", "M", "ANTIPOLO"},
    {"900012", "MACARAEG", "PURITA", "SALAZAR", "F", "CALAMBA"},
};

void insertPerson(Connection& c, const Person& p, int n)
{
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, "
                             "CivilStatus, HouseStreet, Barangay, City, Province, ZipCode, Telephone) "
                             "VALUES (?, ?, ?, ?, ?, ?, 'MARRIED', ?, 'POBLACION', ?, 'BULACAN', '3000', ?)"),
              {QString::fromLatin1(p.hospNum), QString::fromLatin1(p.last), QString::fromLatin1(p.first),
               QString::fromLatin1(p.middle), QString::fromLatin1(p.sex),
               QDateTime(QDate(1950 + 2 * n, 1 + n % 12, 1 + n), QTime(0, 0)),
               QStringLiteral("%1 RIZAL ST.").arg(10 + 7 * n), QString::fromLatin1(p.city),
               QStringLiteral("0918%1").arg(5550100 + n)});
}

struct Stay {
    const char* idNum;
    const char* hospNum;
    int admittedDaysAgo;
    int dischargedDaysAgo; // -1: still in the hospital
    int billedDaysAgo;     // -1: account open
    const char* room;
    const char* account;   // empty: the patient's own account
    bool okeyCL;
    bool okeyPH;
};

const Stay kAdmissions[] = {
    {"2026900001", "900001", 3, -1, -1, "201", "C0001", true, true},   // ordinary row
    {"2026900002", "900002", 6, -1, 0, "202", "", false, true},       // billed (and on cash basis): blue
    {"2026900003", "900003", 2, -1, -1, "305", "", false, false},     // cash basis: red, with its text
    {"2026900004", "900004", 12, 4, 3, "210", "C0002", true, true},   // discharged and billed
    {"2026900005", "900005", 1, -1, -1, "303", "", true, true},       // case revoked
    {"2026900009", "900009", 2, -1, -1, "215", "C0003", true, true},  // confined: its visit cannot be tagged
    {"2026900010", "900010", 1, -1, -1, "216", "", true, true},       // admitted from its visit
};

struct Visit {
    const char* idNum;
    const char* hospNum;
    int daysAgo;
    const char* opdClass; // "A": OPD cash registration
    int billedDaysAgo;
};

const Visit kVisits[] = {
    {"900101B", "900006", 1, "A", -1}, // cash registration: red; admission request pending
    {"900102B", "900007", 0, "B", -1}, // ordinary; may be tagged for admission
    {"900103B", "900008", 5, "B", 4},  // billed: blue
    {"900104B", "900009", 3, "B", -1}, // patient confined meanwhile
    {"900105B", "900010", 2, "B", -1}, // request admitted
    {"900106B", "900011", 1, "B", -1}, // request revoked
};

struct Case {
    const char* cathLabNum;
    const char* idNum;
    const char* hospNum;
    const char* status;
};

const Case kCases[] = {
    {"CL-900001", "2026900001", "900001", "X"}, {"CL-900002", "2026900002", "900002", "X"},
    {"CL-900003", "2026900003", "900003", "X"}, {"CL-900004", "2026900004", "900004", "D"},
    {"CL-900005", "2026900005", "900005", "R"}, {"CL-900006", "900101B", "900006", "X"},
    {"CL-900007", "900102B", "900007", "X"},    {"CL-900008", "900103B", "900008", "D"},
    {"CL-900009", "900104B", "900009", "X"},    {"CL-900010", "900105B", "900010", "D"},
    {"CL-900011", "900106B", "900011", "X"},
    // a case whose stay is no longer on file: the list shows it, choosing it finds no record
    {"CL-900012", "2026900012", "900012", "X"},
};

void insertCase(Connection& c, const QString& num, const QString& idNum, const QString& hospNum, const QString& status,
                const QDateTime& registered)
{
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..TBCLPATIENT (CathLabNum, IDNum, HospNum, PatientType, RegistryDate, "
                             "UserID, RecordStatus, DateDischarged, DischargedBy, DateRevoked, RevokedBy) "
                             "VALUES (?, ?, ?, ?, ?, 'CL001', ?, ?, ?, ?, ?)"),
              {num, idNum, hospNum, IsOutPatientNumber(idNum) ? QStringLiteral("O") : QStringLiteral("I"), registered,
               status, status == QLatin1String("D") ? QVariant(registered.addDays(1)) : kNoDate,
               status == QLatin1String("D") ? QVariant(QStringLiteral("CL002")) : QVariant(QString()),
               status == QLatin1String("R") ? QVariant(registered.addSecs(3600)) : kNoDate,
               status == QLatin1String("R") ? QVariant(QStringLiteral("CL001")) : QVariant(QString())});
}

const QString kInsPatient2 = QStringLiteral(
    "INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL, OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, OkeyCT, OkeyPT, "
    "OkeyHS, OkeyRTS, OkeyNU, PatientsMed, DietID, PackageID) VALUES (?, ?, 1, 1, 1, ?, 1, 1, 1, 1, 1, 1, 0, '', '')");

void cast(Connection& c, const QDateTime& today)
{
    int n = 0;
    for (const Person& p : kCast) insertPerson(c, p, n++);
    for (const Stay& s : kAdmissions) {
        const QString hosp = QString::fromLatin1(s.hospNum);
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, AccountNum, "
                                 "AccountNumII, BillingDate, PackageID, AttendingDr1, AdmType, Diagnosis) "
                                 "VALUES (?, ?, ?, ?, ?, ?, '', ?, '', '', 'ADM', 'ACUTE CORONARY SYNDROME')"),
                  {QString::fromLatin1(s.idNum), hosp, at(today, -s.admittedDaysAgo, 9),
                   s.dischargedDaysAgo < 0 ? kNoDate : at(today, -s.dischargedDaysAgo, 14),
                   QString::fromLatin1(s.room), *s.account ? QString::fromLatin1(s.account) : hosp,
                   s.billedDaysAgo < 0 ? kNoDate : at(today, -s.billedDaysAgo, 16)});
        c.execute(kInsPatient2, {QString::fromLatin1(s.idNum), s.okeyCL ? 1 : 0, s.okeyPH ? 1 : 0});
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, AdmittingDiagnosis, ChiefComplaint, "
                                 "AdmittingImpression, FinalDiagnosis, Procedures, Precautions) "
                                 "VALUES (?, 'ACUTE CORONARY SYNDROME', 'CHEST PAIN', 'UNSTABLE ANGINA', '', '', '')"),
                  {QString::fromLatin1(s.idNum)});
    }
    for (const Visit& v : kVisits) {
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, DcrDate, AccountNum, "
                                 "BillingDate, PackageID, OPDClass, RequestingDr, Diagnosis) "
                                 "VALUES (?, ?, ?, NULL, ?, ?, '', ?, '', 'FOR CORONARY ANGIOGRAM')"),
                  {QString::fromLatin1(v.idNum), QString::fromLatin1(v.hospNum), at(today, -v.daysAgo, 8),
                   QString::fromLatin1(v.hospNum), v.billedDaysAgo < 0 ? kNoDate : at(today, -v.billedDaysAgo, 17),
                   QString::fromLatin1(v.opdClass)});
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatientHistory (IDNum, ChiefComplaint, AdmittingDiagnosis, "
                                 "Precautions) VALUES (?, 'CHEST PAIN ON EXERTION', 'FOR CORONARY ANGIOGRAM', '')"),
                  {QString::fromLatin1(v.idNum)});
    }
    for (const Case& k : kCases)
        insertCase(c, QString::fromLatin1(k.cathLabNum), QString::fromLatin1(k.idNum), QString::fromLatin1(k.hospNum),
                   QString::fromLatin1(k.status), at(today, -2, 10).toDateTime());
    const QString insRequest = QStringLiteral(
        "INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, RequestedBy, RequestDate, StationID, "
        "AdmIDNum, RecordStatus) VALUES (?, ?, ?, ?, 'CL', ?, ?)");
    c.execute(insRequest, {QStringLiteral("900006"), QStringLiteral("900101B"), QStringLiteral("CL001"), at(today, -1, 11),
                           QString(), QString()});
    c.execute(insRequest, {QStringLiteral("900010"), QStringLiteral("900105B"), QStringLiteral("CL002"), at(today, -2, 10),
                           QStringLiteral("2026900010"), QStringLiteral("A")});
    c.execute(insRequest, {QStringLiteral("900011"), QStringLiteral("900106B"), QStringLiteral("CL001"), at(today, -1, 15),
                           QString(), QStringLiteral("R")});
    // Packages (the department's own services) posted to the first admission under three reference
    // numbers, one package twice, with the charges of each posting; a fourth posting was revoked.
    const QString insLog = QStringLiteral(
        "INSERT INTO CLINICAL_AREA..tbCathLabLogBook (IDNum, HospNum, PackageID, RefNum, TransDate, UserID, RecordStatus) "
        "VALUES (?, ?, ?, ?, ?, 'CL001', ?)");
    c.execute(insLog, {QStringLiteral("2026900001"), QStringLiteral("900001"), QStringLiteral("CL101"), QStringLiteral("0000101"),
                       at(today, -2, 13), QStringLiteral("X")});
    c.execute(insLog, {QStringLiteral("2026900001"), QStringLiteral("900001"), QStringLiteral("CL102"), QStringLiteral("0000102"),
                       at(today, -1, 13), QStringLiteral("X")});
    c.execute(insLog, {QStringLiteral("2026900001"), QStringLiteral("900001"), QStringLiteral("CL101"), QStringLiteral("0000103"),
                       at(today, -1, 15), QStringLiteral("X")});
    c.execute(insLog, {QStringLiteral("2026900001"), QStringLiteral("900001"), QStringLiteral("CL102"), QStringLiteral("0000104"),
                       at(today, -1, 16), QStringLiteral("R")});
    const QString insBill = QStringLiteral(
        "INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, Amount, UserID, RoomID) "
        "VALUES ('2026900001', ?, ?, ?, ?, ?, ?, ?, 'CL001', '201')");
    const struct {
        const char *rev, *drcr, *item, *ref;
        double qty, amount;
    } bills[] = {{"CL", "D", "CL101", "0000101", 1, 42000}, {"PH", "D", "HEPARIN5000", "0000101", 2, 1150},
                 {"CS", "D", "GUIDEWIRE035", "0000101", 1, 3800}, {"CS", "C", "GUIDEWIRE035", "0000101", 1, 3800},
                 {"CL", "D", "CL102", "0000102", 1, 165000}, {"CL", "D", "CL101", "0000103", 1, 42000}};
    // A package the ward asked of the department for the cash-basis patient, not yet processed.
    c.execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, "
                             "Quantity, RequestDate, StationID, UserID, RecordStatus) "
                             "VALUES ('RQ900003', '2026900003', '900003', 'CL', 'CL101', 1, ?, '3F', 'CL002', NULL)"),
              {at(today, -1, 9)});
    for (const auto& b : bills)
        c.execute(insBill, {at(today, -2, 14), QString::fromLatin1(b.rev), QString::fromLatin1(b.drcr), QString::fromLatin1(b.item),
                            b.qty, QString::fromLatin1(b.ref), b.amount});
}

// The generated stays: every admission without further data gets them (one in seven on Cathlab
// cash basis, one in eleven on pharmacy cash basis), and one admission in five and one visit in four
// without a case become department cases (one case in five discharged from the department, one in
// ten revoked).
void generated(Connection& c, const DemoScale& scale, const QDateTime& today)
{
    const QString insMissing = QStringLiteral(
        "INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL, OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, OkeyCT, OkeyPT, "
        "OkeyHS, OkeyRTS, OkeyNU, PatientsMed, DietID, PackageID) SELECT ?, ?, 1, 1, 1, ?, 1, 1, 1, 1, 1, 1, 0, '', '' "
        "WHERE NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?)");
    for (int i = 1; i <= scale.admissions; ++i) {
        const QString id = DemoData::admissionNumber(i);
        c.execute(insMissing, {id, (i % 7) == 0 ? 0 : 1, (i % 11) == 0 ? 0 : 1, id});
    }
    int serial = 0;
    auto addCase = [&](const QString& idNum, const char* stayTable) {
        if (c.scalar(QStringLiteral("SELECT 1 FROM CLINICAL_AREA..TBCLPATIENT WHERE IDNum = ?"), {idNum}).isValid()) return;
        const QString hosp = c.scalar(QStringLiteral("SELECT HospNum FROM %1 WHERE IDNum = ?").arg(QString::fromLatin1(stayTable)),
                                      {idNum}).toString();
        ++serial;
        const char* status = serial % 10 == 0 ? "R" : serial % 5 == 0 ? "D" : "X";
        insertCase(c, QStringLiteral("CL-%1").arg(serial, 6, 10, QLatin1Char('0')), idNum, hosp, QString::fromLatin1(status),
                   today.addDays(-(serial % 20)).addSecs(3600 * (8 + serial % 9)));
    };
    for (int i = 5; i <= scale.admissions; i += 5) addCase(DemoData::admissionNumber(i), "PATIENT_DATA..tbPatient");
    for (int i = 4; i <= scale.outPatients; i += 4) addCase(DemoData::outPatientNumber(i), "PATIENT_DATA..TBOUTPATIENT");
}

void patientLists(Connection& c, const DemoScale& scale)
{
    // Dates near the generated stays, so that the lists read as one hospital.
    const QDateTime today(QDate(2026, 12, 1), QTime(0, 0));
    cast(c, today);
    generated(c, scale, today);
}

} // namespace

CATHLAB_DEMO_SECTION(350, "patient lists and department cases", patientLists, "CLINICAL_AREA..tbCathLabLogBook");
