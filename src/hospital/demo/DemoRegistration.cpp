// What the registration, the discharge order and the discharge need beside the patients: the
// religion and town lists, the number counters, hospital cards and further details of some of the
// cast, an unpaid old account, and a discharge order whose processing sheet billing has printed.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <QDateTime>

namespace {

void registration(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoReligion (ReligionID, Religion) VALUES "
                             "('RC', 'ROMAN CATHOLIC'), ('INC', 'IGLESIA NI CRISTO'), ('ISL', 'ISLAM'), "
                             "('BAP', 'BAPTIST'), ('AGL', 'AGLIPAYAN'), ('OTH', 'OTHERS')"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoAddress (ZipCode, Town, Province) VALUES "
                             "('3000', 'MALOLOS', 'BULACAN'), ('3020', 'BALIUAG', 'BULACAN'), "
                             "('1100', 'QUEZON CITY', 'METRO MANILA'), ('1600', 'PASIG', 'METRO MANILA'), "
                             "('1870', 'ANTIPOLO', 'RIZAL'), ('4027', 'CALAMBA', 'LAGUNA'), "
                             "('3001', 'SAN ISIDRO CITY', 'BULACAN')"));
    // New hospital and out-patient numbers start above every number the demo hospital holds.
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbAdmLastNumber (CounterID, opdID, HospNum) VALUES (1, 910000, 910000)"));
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLCaseCounter (CounterID, LastCathLabNum) VALUES (1, 0)"));
    // Hospital cards: ABELLERA (in the hospital) and DIMAGIBA (discharged, may be registered again).
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbMaster SET CardNumber = 'HC-' || HospNum, CellNum = '09181234567', "
                             "Occupation = 'RETIRED', Age = NULL WHERE HospNum IN ('900001', '900004')"));
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster2 (HospNum) VALUES ('900007') ON CONFLICT DO NOTHING"));
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbMaster2 SET BirthPlace = 'MALOLOS', NationalityID = 'FIL', ReligionID = 'RC', "
                             "Spouse = 'GALANG, ROSARIO', ContactName = 'GALANG, ROSARIO', ContactRelation = 'WIFE', "
                             "ContactTelNum = '09175550107', Father = 'GALANG, ISIDRO', Mother = 'MENDOZA, PACITA' "
                             "WHERE HospNum = '900007'"));
    // An unpaid balance of a closed account, reported when HIDALGO is picked again.
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbAdmOldAccounts (IDNum, HospNum, Amount) VALUES ('900103B', '900008', 1250.5)"));
    // ABELLERA's discharge order: the department has cleared it and billing has printed the processing
    // sheet, so the discharge may go on.
    const QDateTime now = c.serverDateTime();
    c.execute(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, HospNum, RecordStatus, OrderedDate, BillUpTo, "
                             "FinalDiagnosis, Remarks, Noticedate, UserID, PatientType) "
                             "VALUES ('2026900001', '900001', 'P', ?, ?, 'CORONARY ARTERY DISEASE, S/P PCI', 'MAY GO HOME', ?, "
                             "'CL001', 'I')"),
              {now.addSecs(-7200), QDateTime(now.date(), QTime(0, 0)), now.addSecs(-7000)});
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate, ClearedBy, Remarks) "
                             "VALUES ('2026900001', 'CL', ?, 'CL001', 'NO CHARGES PENDING')"),
              {now.addSecs(-6000)});
}

} // namespace

CATHLAB_DEMO_SECTION(500, "registration: religions, towns, number counters, cards, old accounts, a processed order",
                     registration, "PATIENT_DATA..tbAdmLastNumber");
