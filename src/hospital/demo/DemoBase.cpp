// The hospital every demo starts from: its settings, the station's people and the patients.
#include "hospital/DemoData.h"
#include "hospital/DemoPeople.h"

#include "platform/db/Connection.h"
#include "platform/text/Encryption.h"

#include <QDateTime>

namespace {

void hospitalInfo(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral(
        "INSERT INTO PATIENT_DATA..TBHOSPITALINFO (Company, Address1, Bygeneric, MTSServerName, IsNursePrint, "
        "PhoneNum, clientname, IsLBDirectCharging, IsXRDirectCharging, IsUSDirectCharging, IsCTDirectCharging, "
        "IsHSDirectCharging, IsShowAmount, IsPrintChargeSlip, IsAllowSupervisorCodeForCancellationOfCharges, "
        "IsAllowClinicalAssessmentWithoutValidation, IsAllowEntryOfReasonForCancellation, PSIOxygenComputationType, "
        "isstat, AllowZeroOnHand, IsCompanyPrice, HighAlert, IsAllowOPDShowLabSpecimen) "
        "VALUES (?, ?, 0, ?, 1, ?, ?, 0, 0, 0, 0, 0, 1, 1, 1, 0, 1, 1, 0, 0, 0, 1, 0)"),
        {DemoData::hospitalName(), QStringLiteral("1450 Rizal Avenue, San Isidro City"),
         QStringLiteral("APPSERVER01"), QStringLiteral("(02) 8555-0142"), QStringLiteral("SBMC")});
    c.execute(QStringLiteral("INSERT INTO STATION..tbNursing_Settings (ShowPrecautions, ValidateUnusedMedClearance, "
                             "NoRequestingAfterFinalNotice, PrintPHCSRequest) VALUES (1, 0, 0, 0)"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseStation (StationID, Station, RevenueID, Status) VALUES "
                             "('CL', 'CATH LABORATORY', 'CL', 'A'), ('2F', 'SECOND FLOOR NURSING', '', 'A'), "
                             "('3F', 'THIRD FLOOR NURSING', '', 'A'), ('ER', 'EMERGENCY ROOM', 'ER', 'A'), "
                             "('XR', 'RADIOLOGY', 'XR', 'A'), ('LB', 'LABORATORY', 'LB', 'A')"));
    const QList<QPair<QString, QString>> setup = {
        {QStringLiteral("CathLabMainRevenueID"), QStringLiteral("CL")},
        {QStringLiteral("EnableCathLabRegistration"), QStringLiteral("1")},
        {QStringLiteral("EnableCLSched"), QStringLiteral("0")},
        {QStringLiteral("UseNewCLMarkUp"), QStringLiteral("1")},
        {QStringLiteral("CLShowCF4"), QStringLiteral("0")},
        {QStringLiteral("CLCheckRevokePackageRight"), QStringLiteral("1")},
        {QStringLiteral("CLShowSelectCensusFormat"), QStringLiteral("1")},
        {QStringLiteral("CLConsignedMedicinesRev"), QStringLiteral("CM")},
        {QStringLiteral("CLConsignedSuppliesRev"), QStringLiteral("CU")},
        {QStringLiteral("CLHospitalMedsRev"), QStringLiteral("PH")},
        {QStringLiteral("CLHospitalSuppliesRev"), QStringLiteral("CS")},
        {QStringLiteral("CLEquipmentRev"), QStringLiteral("EQ")},
        {QStringLiteral("CSlipFormat"), QStringLiteral("CLChargeSlip")},
        {QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("1")},
    };
    for (const auto& [field, value] : setup)
        c.execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"),
                  {field, value});
}

void people(Connection& c, const DemoScale&)
{
    const QList<QPair<QString, QString>> items = DemoPeople::rightItems();
    for (const auto& [id, description] : items)
        c.execute(QStringLiteral("INSERT INTO STATION..tbNurseUserSettings (ItemID, Description, Status) VALUES (?, ?, 'A')"),
                  {id, description});
    for (const DemoUser& u : DemoPeople::users()) {
        c.execute(QStringLiteral("INSERT INTO PASSWORD..tbPasswordMain (EmployeeID, LastName, FirstName, MiddleName, "
                                 "Initial, OriginalDepartment, Position, AccessCode, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'A')"),
                  {u.id, u.lastName, u.firstName, u.middleName, u.initial, u.department, u.position,
                   EncryptDecrypt(QStringLiteral("E"), QString::fromLatin1(kAccessCodeKey), u.accessCode).trimmed()});
        for (const QString& dept : u.stations)
            c.execute(QStringLiteral("INSERT INTO PASSWORD..tbPasswordDepartment (EmployeeID, DeptCode) VALUES (?, ?)"),
                      {u.id, dept});
        if (!u.rights.isNull())
            c.execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES (?, ?)"),
                      {u.id, u.rights});
    }
}

const char* const kLastNames[] = {"SANTOS", "REYES", "CRUZ", "BAUTISTA", "OCAMPO", "GARCIA", "MENDOZA", "TORRES",
                                  "VILLANUEVA", "RAMOS", "AQUINO", "CASTILLO", "FERNANDEZ", "NAVARRO", "DIZON",
                                  "PASCUAL", "SALAZAR", "DE LEON", "MANALO", "GONZALES", "TAN", "LIM", "CO", "UY",
                                  "DEL ROSARIO", "O'NEIL", "MUÑOZ", "PEÑA"};
const char* const kFirstNames[] = {"JUAN", "MARIA", "JOSE", "ANA", "PEDRO", "ROSA", "MIGUEL", "CARMEN", "RAFAEL",
                                   "LUZ", "ANTONIO", "TERESA", "ROBERTO", "GLORIA", "FERNANDO", "ELENA", "RICARDO",
                                   "CORAZON", "EDUARDO", "LOURDES"};
const char* const kMiddleNames[] = {"DELA CRUZ", "SANTIAGO", "LOPEZ", "MARTINEZ", "RIVERA", "FLORES", "MORALES", ""};
const char* const kCities[] = {"SAN ISIDRO CITY", "MALOLOS", "QUEZON CITY", "PASIG", "ANTIPOLO", "CALAMBA"};

template <size_t N>
QString pick(const char* const (&list)[N], quint32& s)
{
    return QString::fromUtf8(list[DemoData::random(s) % N]);
}

void rooms(Connection& c, const DemoScale&)
{
    const char* classes = "ABCDEFGH";
    for (int floor = 2; floor <= 3; ++floor)
        for (int r = 1; r <= 16; ++r) {
            const QChar cls = QLatin1Char(classes[(r - 1) / 2]);
            c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRoom (RoomID, StationID, RoomClass, RoomRate, Status) "
                                     "VALUES (?, ?, ?, ?, 'A')"),
                      {QStringLiteral("%1%2").arg(floor).arg(r, 2, 10, QLatin1Char('0')),
                       QStringLiteral("%1F").arg(floor), QString(cls), 4500.0 - 450.0 * ((r - 1) / 2)});
        }
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOCOMPANY (AccountNum, Company) VALUES "
                             "('C0001', 'PACIFIC HEALTH CARE INC.'), ('C0002', 'MERIDIAN LIFE ASSURANCE'), "
                             "('C0003', 'NATIONAL HEALTH INSURANCE')"));
}

void patients(Connection& c, const DemoScale& scale)
{
    quint32 s = scale.seed;
    const QDateTime base(QDate(2026, 12, 1), QTime(8, 0));
    const QString insMaster = QStringLiteral(
        "INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, CivilStatus, "
        "HouseStreet, Barangay, City, Province, ZipCode, Telephone) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const int persons = qMax(scale.patients, 1);
    for (int i = 1; i <= persons; ++i) {
        const QDate birth = QDate(1940, 1, 1).addDays(DemoData::random(s) % 25000);
        const QString last = pick(kLastNames, s);
        const QString first = pick(kFirstNames, s);
        const QString middle = pick(kMiddleNames, s);
        (void)DemoData::random(s); // the draw that once gave the sex: the demo's other values stay as they were
        // the first names alternate man, woman
        int nameIndex = 0;
        while (QString::fromUtf8(kFirstNames[nameIndex]) != first) ++nameIndex;
        c.execute(insMaster, {QStringLiteral("%1").arg(100000 + i), last, first, middle,
                              nameIndex % 2 ? QStringLiteral("F") : QStringLiteral("M"),
                              QDateTime(birth, QTime(0, 0)), QStringLiteral("MARRIED"),
                              QStringLiteral("%1 MABINI ST.").arg(1 + DemoData::random(s) % 300),
                              QStringLiteral("POBLACION"), pick(kCities, s), QStringLiteral("BULACAN"),
                              QStringLiteral("3000"), QStringLiteral("0917%1").arg(1000000 + DemoData::random(s) % 8999999)});
    }
    const QString insAdm = QStringLiteral(
        "INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, AccountNum, AccountNumII, "
        "BillingDate, PackageID, AttendingDr1, AdmType, Diagnosis) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 1; i <= scale.admissions; ++i) {
        const QString hosp = QStringLiteral("%1").arg(100000 + 1 + int(DemoData::random(s) % persons));
        const QDateTime adm = base.addSecs(-qint64(DemoData::random(s) % (60 * 86400)));
        const bool discharged = (i % 4) == 0;
        const QString company = (i % 3) == 0 ? QStringLiteral("C000%1").arg(1 + i % 3) : hosp;
        c.execute(insAdm, {DemoData::admissionNumber(i), hosp, adm,
                           discharged ? QVariant(adm.addDays(3)) : QVariant(QMetaType(QMetaType::QDateTime)),
                           QStringLiteral("%1%2").arg(2 + i % 2).arg(1 + i % 16, 2, 10, QLatin1Char('0')), company,
                           QString(), discharged && (i % 8) == 0 ? QVariant(adm.addDays(3)) : QVariant(QMetaType(QMetaType::QDateTime)),
                           QString(), QString(), QStringLiteral("ADM"), QStringLiteral("CORONARY ARTERY DISEASE")});
    }
    const QString insOpd = QStringLiteral(
        "INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, DcrDate, AccountNum, BillingDate, PackageID, "
        "OPDClass, RequestingDr, Diagnosis) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 1; i <= scale.outPatients; ++i) {
        const QString hosp = QStringLiteral("%1").arg(100000 + 1 + int(DemoData::random(s) % persons));
        const QDateTime adm = base.addSecs(-qint64(DemoData::random(s) % (30 * 86400)));
        c.execute(insOpd, {DemoData::outPatientNumber(i), hosp, adm, QVariant(QMetaType(QMetaType::QDateTime)),
                           hosp, QVariant(QMetaType(QMetaType::QDateTime)), QString(), QStringLiteral("A"), QString(),
                           QStringLiteral("CHEST PAIN")});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(10, "hospital information", hospitalInfo, "PATIENT_DATA..TBHOSPITALINFO");
CATHLAB_DEMO_SECTION(20, "employees and rights", people, "PASSWORD..tbPasswordMain");
CATHLAB_DEMO_SECTION(30, "rooms and companies", rooms, "BUILD_FILE..tbCoRoom");
CATHLAB_DEMO_SECTION(40, "patients", patients, "PATIENT_DATA..tbMaster");
