// Stand-ins of the department's registration procedures: a person's registration details by
// admission or by hospital number, and the save of a department case.
#include "hospital/CivilStatusText.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// The person's columns as the registration entry reads them. The civil status is kept as the
// position of the entry's list item and given back as the item's text ("WIDOW/ER" for a widow).
QString personColumns()
{
    return QStringLiteral("SELECT M.HospNum AS HospNum, M.LastName AS LastName, M.FirstName AS FirstName, "
                          "M.MiddleName AS MiddleName, M.Sex AS Sex, ") +
           CivilStatusNameSql(QStringLiteral("M.CivilStatus")) + QStringLiteral(" AS CivilStatus, "
    "M.BirthDate AS BirthDate, M.Age AS Age, M2.BirthPlace AS BirthPlace, M.HouseStreet AS HouseStreet, "
    "M.Barangay AS Barangay, M.Occupation AS Occupation, COALESCE(M2.NationalityID, M.NationalityID) AS NationalityID, "
    "N.Nationality AS Nationality, M.Email AS Email, M.CellNum AS CellNum, COALESCE(M.TelNum, M.Telephone) AS TelNum, "
    "M2.ReligionID AS ReligionID, R.Religion AS Religion, M.ZipCode AS ZipCode, "
    "CASE WHEN Z.ZipCode IS NOT NULL THEN TRIM(Z.Town) || ', ' || COALESCE(Z.Province, '') "
    "     ELSE COALESCE(M.City, '') || CASE WHEN M.Province IS NULL THEN '' ELSE ', ' || M.Province END END AS Address, "
    "M2.Spouse AS Spouse, M2.SpouseEmpName AS SpouseEmpName, M2.ContactName AS ContactName, "
    "M2.ContactRelation AS ContactRelation, M2.ContactAddress AS ContactAddress, M2.ContactTelNum AS ContactTelNum, "
    "M2.Father AS Father, M2.Mother AS Mother");
}

const char* const kPersonJoins =
    "LEFT JOIN PATIENT_DATA..tbMaster2 M2 ON M2.HospNum = M.HospNum "
    "LEFT JOIN BUILD_FILE..tbCoNationality N ON N.NationalityID = COALESCE(M2.NationalityID, M.NationalityID) "
    "LEFT JOIN BUILD_FILE..tbCoReligion R ON R.ReligionID = M2.ReligionID "
    "LEFT JOIN BUILD_FILE..tbCoAddress Z ON Z.ZipCode = M.ZipCode ";

// The doctor's name as the registration entry shows it.
const char* const kDoctorName =
    "CASE WHEN D.DoctorID IS NULL THEN '' ELSE 'DR. ' || COALESCE(D.LastName, '') || ', ' || COALESCE(D.FirstName, '') "
    "|| ' ' || COALESCE(D.MiddleName, '') END";

// Arguments: patient type ("I" in-patient, else out-patient), hospital number, admission number.
// The person with the stay: the account ("PERSONAL" when the stay is charged to the person), the
// day the department registered the case (the stay's admission when it is no case yet), the
// attending doctor and the chief complaint, under the column names of the patient type.
Recordset infoByIDNo(Connection& c, const ProcedureArgs& a)
{
    const bool inPatient = a.text(0).trimmed() == QLatin1String("I");
    const QString stay = inPatient ? QStringLiteral("PATIENT_DATA..tbPatient") : QStringLiteral("PATIENT_DATA..TBOUTPATIENT");
    const QString history =
        inPatient ? QStringLiteral("PATIENT_DATA..tbPatientHistory") : QStringLiteral("PATIENT_DATA..tbOutPatientHistory");
    const QString stayDoctor = inPatient ? QStringLiteral("S.AttendingDr1") : QStringLiteral("S.DoctorID1");
    const QString sql =
        personColumns() +
        QStringLiteral(", S.AccountNum AS AccountNum, "
                       "CASE WHEN COALESCE(S.AccountNum, '') = '' OR S.AccountNum = S.HospNum THEN 'PERSONAL' "
                       "     ELSE COALESCE(C.Company, S.AccountNum) END AS Account, "
                       "COALESCE(K.RegistryDate, S.AdmDate) AS DateRegistered, "
                       "COALESCE(K.DoctorID, %1) AS %2, H.ChiefComplaint AS %3, %4 AS DoctorName "
                       "FROM %5 S JOIN PATIENT_DATA..tbMaster M ON M.HospNum = S.HospNum ")
            .arg(stayDoctor, inPatient ? QStringLiteral("attendingdr1") : QStringLiteral("DoctorID1"),
                 inPatient ? QStringLiteral("ChiefComplaint") : QStringLiteral("ChiefComplaints"),
                 QString::fromLatin1(kDoctorName), stay) +
        QString::fromLatin1(kPersonJoins) +
        QStringLiteral("LEFT JOIN BUILD_FILE..TBCOCOMPANY C ON C.AccountNum = S.AccountNum "
                       "LEFT JOIN %1 H ON H.IDNum = S.IDNum "
                       "LEFT JOIN CLINICAL_AREA..tbCLPatient K ON K.IDNum = S.IDNum AND K.RecordStatus = 'X' "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = COALESCE(K.DoctorID, %2) "
                       "WHERE S.IDNum = ?")
            .arg(history, stayDoctor);
    return c.query(sql, {a.text(2).trimmed()});
}

// Argument: hospital number. The person alone; the account is the person's own.
Recordset infoByHospitalNo(Connection& c, const ProcedureArgs& a)
{
    return c.query(personColumns() +
                       QStringLiteral(", M.HospNum AS AccountNum, 'PERSONAL' AS Account FROM PATIENT_DATA..tbMaster M ") +
                       QString::fromLatin1(kPersonJoins) + QStringLiteral("WHERE M.HospNum = ?"),
                   {a.text(0).trimmed()});
}

// Arguments: hospital number, admission number, case number, status, account, doctor, patient
// type, (unused), user. Creates the case under that number, or saves the case of that number again
// (one row per number).
Recordset saveCase(Connection& c, const ProcedureArgs& a)
{
    const QString number = a.text(2).trimmed();
    const int changed = c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCLPatient SET IDNum = ?, HospNum = ?, RecordStatus = ?, "
                                                 "AccountNum = ?, DoctorID = ?, PatientType = ? WHERE CathLabNum = ?"),
                                  {a.text(1).trimmed(), a.text(0).trimmed(), a.text(3), a.text(4).trimmed(), a.text(5).trimmed(),
                                   a.text(6), number});
    if (changed == 0)
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPatient (CathLabNum, IDNum, HospNum, RegistryDate, RecordStatus, "
                                 "UserID, AccountNum, DoctorID, PatientType) VALUES (?, ?, ?, GETDATE(), ?, ?, ?, ?, ?)"),
                  {number, a.text(1).trimmed(), a.text(0).trimmed(), a.text(3), a.text(8), a.text(4).trimmed(),
                   a.text(5).trimmed(), a.text(6)});
    return {};
}

} // namespace

CATHLAB_PROCEDURE("Clinical_Area..CLGetPatientInfo_ByIDNo", infoByIDNo);
CATHLAB_PROCEDURE("CLINICAL_AREA..CLGetPatientInfo_by_HospitalNo", infoByHospitalNo);
CATHLAB_PROCEDURE("CLINICAL_AREA..CLSavetbCLPatient", saveCase);
