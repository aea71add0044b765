// What the procedures workspace shows of the demo stays: diets, doctors, how the patients came in,
// the billing office's section flags, blood types and insurance, and the station's nurse reports.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

namespace {

void workspace(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDiet (DietID, Diet, Remarks) VALUES ('REG', 'REGULAR DIET', ''), "
                             "('LSLF', 'LOW SALT, LOW FAT DIET', 'NO ADDED SALT'), ('NPO', 'NOTHING PER OREM', 'BEFORE PROCEDURE'), "
                             "('SOFT', 'SOFT DIET', '')"));
    const char* diets[] = {"LSLF", "NPO", "REG", "", "SOFT"};
    const char* how[] = {"WALK-IN", "EMERGENCY ROOM", "TRANSFER FROM OTHER HOSPITAL"};
    // The diet and the section flags live in the stay's tbPatient2 row: a stay without one gets a
    // row with every section open (what no row means as well), then the usual diet.
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL, OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, "
                             "OkeyCT, OkeyPT, OkeyHS, OkeyRTS, OkeyNU, PatientsMed, PackageID) "
                             "SELECT IDNum, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, '' FROM PATIENT_DATA..tbPatient "
                             "WHERE IDNum NOT IN (SELECT IDNum FROM PATIENT_DATA..tbPatient2)"));
    // The rows of the stays' other details leave the section flags unset, which would put every
    // section on cash basis: open them, so only the stays below are on cash basis.
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET DietID = 'REG', OkeyLab = COALESCE(OkeyLab, 1), "
                             "OkeyXray = COALESCE(OkeyXray, 1), OkeyUltra = COALESCE(OkeyUltra, 1), OkeyPH = COALESCE(OkeyPH, 1), "
                             "OkeyCS = COALESCE(OkeyCS, 1), OkeyCT = COALESCE(OkeyCT, 1), OkeyPT = COALESCE(OkeyPT, 1), "
                             "OkeyHS = COALESCE(OkeyHS, 1), OkeyRTS = COALESCE(OkeyRTS, 1), OkeyNU = COALESCE(OkeyNU, 1) "
                             "WHERE IDNum IN (SELECT IDNum FROM PATIENT_DATA..tbPatient)"));
    const Recordset adm = c.query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 12"));
    for (int r = 0; r < adm.recordCount(); ++r) {
        const QString id = adm.textAt(r, QStringLiteral("IDNum"));
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientAdmInfo (IDNum, AdmittingDr, AttendingDr2, HowAdmitted, "
                                 "AdmittingImpression) VALUES (?, ?, ?, ?, 'STABLE ANGINA')"),
                  {id, r % 2 ? QStringLiteral("D005") : QStringLiteral("D002"), r % 3 ? QStringLiteral("D007") : QString(),
                   QString::fromLatin1(how[r % 3])});
        c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET DietID = ? WHERE IDNum = ?"),
                  {*diets[r % 5] ? QVariant(QString::fromLatin1(diets[r % 5])) : QVariant(QMetaType(QMetaType::QString)), id});
        c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET AttendingDr1 = ? WHERE IDNum = ?"),
                  {r % 2 ? QStringLiteral("D001") : QStringLiteral("D003"), id});
        // A few stays with sections on cash basis.
        if (r == 1) c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET OkeyPH = 0 WHERE IDNum = ?"), {id});
        if (r == 4) c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET OkeyHS = 0 WHERE IDNum = ?"), {id});
    }
    // Every other stay gets the usual doctors, diet and manner of admission too, so no header
    // shows empty doctor boxes (one statement each: the scaled demo has many stays).
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET AttendingDr1 = 'D001' WHERE AttendingDr1 IS NULL OR AttendingDr1 = ''"));
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientAdmInfo (IDNum, AdmittingDr, AttendingDr2, HowAdmitted, "
                             "AdmittingImpression) SELECT IDNum, 'D002', 'D007', 'WALK-IN', 'STABLE ANGINA' "
                             "FROM PATIENT_DATA..tbPatient WHERE IDNum NOT IN (SELECT IDNum FROM PATIENT_DATA..tbPatientAdmInfo)"));
    // What the first stay received and what was examined, for its clinical summary.
    if (!adm.isEmpty()) {
        const QString first = adm.textAt(0, QStringLiteral("IDNum"));
        const QDateTime when = DbValue::toDateTime(
            c.query(QStringLiteral("SELECT AdmDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {first}).value(QStringLiteral("AdmDate")));
        c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, "
                                 "Amount, UserID) VALUES (?, ?, 'PH', 'D', 'MED0102', 2, 'PH900001', 1200, 'CL001')"),
                  {first, when.addSecs(7200)});
        c.execute(QStringLiteral("INSERT INTO RADIOLOGY..tbRadExamResults (IDNum, Kind, Examination, ExamDate, Interpretation) VALUES "
                                 "(?, '2', 'CHEST PA', ?, 'NO ACTIVE LUNG INFILTRATES. HEART IS NOT ENLARGED.'), "
                                 "(?, '3', '2D ECHO WITH DOPPLER', ?, 'CONCENTRIC LEFT VENTRICULAR HYPERTROPHY, EF 55%.')"),
                  {first, when.addSecs(3600), first, when.addDays(1)});
    }
    const Recordset opd = c.query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..TBOUTPATIENT ORDER BY IDNum LIMIT 6"));
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET RequestingDr = 'D005' WHERE RequestingDr IS NULL OR RequestingDr = ''"));
    for (int r = 0; r < opd.recordCount(); ++r)
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientAdmInfo (IDNum, AdmittingDr, AttendingDr2, HowAdmitted) "
                                 "VALUES (?, 'D001', 'D002', 'WALK-IN')"),
                  {opd.textAt(r, QStringLiteral("IDNum"))});
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientAdmInfo (IDNum, AdmittingDr, AttendingDr2, HowAdmitted) "
                             "SELECT IDNum, 'D001', 'D002', 'WALK-IN' FROM PATIENT_DATA..TBOUTPATIENT "
                             "WHERE IDNum NOT IN (SELECT IDNum FROM PATIENT_DATA..tbPatientAdmInfo)"));
    const Recordset master = c.query(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbMaster ORDER BY HospNum"));
    const char* blood[] = {"O+", "A+", "B+", "AB+", "O-"};
    for (int r = 0; r < master.recordCount(); ++r)
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster2 (HospNum, Philhealth, BloodType) VALUES (?, ?, ?)"),
                  {master.textAt(r, QStringLiteral("HospNum")),
                   r % 3 == 0 ? QVariant(QMetaType(QMetaType::QString)) : QVariant(r % 3 == 1 ? QStringLiteral("1") : QStringLiteral("0")),
                   QString::fromLatin1(blood[r % 5])});
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, Status) VALUES "
                             "('OR', 'OR001', 'CORONARY ARTERY BYPASS GRAFT', 'A'), ('OR', 'OR002', 'VALVE REPLACEMENT', 'A'), "
                             "('OR', 'OR003', 'PERMANENT PACEMAKER INSERTION', 'A')"));
    c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORRooms (RoomName, SortOrder) VALUES ('OR 1', 1), ('OR 2', 2), ('CATH LAB', 3)"));
    const QDate today = QDate::currentDate();
    c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORApplication (StartTime, DayLength, ScheduleIncrement) VALUES (?, 720, 30)"),
              {QDateTime(today, QTime(7, 0))});
    c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORSchedule (RoomName, StartTime, Length, Description, CategoryName) VALUES "
                             "('OR 1', ?, 120, 'CORONARY ARTERY BYPASS - DELA ROSA', 'CARDIAC'), "
                             "('CATH LAB', ?, 60, 'CORONARY ANGIOGRAM - VILLAREAL', NULL)"),
              {QDateTime(today, QTime(8, 0)), QDateTime(today.addDays(1), QTime(10, 0))});
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurse_ReportList (ReportType, ReportName, RecordStatus) VALUES "
                             "('0', 'Diet List', 1), ('1', 'Census Report by Station', 1), ('2', 'Discharges for the Day', 1), "
                             "('3', 'List of Requests and Orders', 1), ('4', 'Posted Medicines', 1), "
                             "('5', 'Posted Supplies', 1), ('6', 'List of Processed Request', 1), "
                             "('7', 'Patient Discharge Notice Status', 1), ('8', 'Income Report (Detailed)', 1), "
                             "('9', 'Income Report (Summary)', 1), ('X', 'Old Ward Census', 0)"));
}

} // namespace

CATHLAB_DEMO_SECTION(400, "workspace details of the demo stays", workspace, "BUILD_FILE..tbCoDiet");
