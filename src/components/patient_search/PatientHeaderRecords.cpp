#include "components/patient_search/PatientHeaderRecords.h"

#include "hospital/CivilStatusText.h"
#include "platform/db/Connection.h"

namespace {

HeaderDoctor doctor(Connection& c, const QString& code)
{
    HeaderDoctor d;
    d.Code = code.trimmed();
    if (d.Code.isEmpty()) return d;
    Recordset rs = c.query(QStringLiteral("SELECT LastName, FirstName, MiddleName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = ?"),
                           {d.Code});
    if (!rs.isEmpty())
        d.CompleteName = QStringLiteral("%1, %2 %3")
                             .arg(rs.text(QStringLiteral("LastName")).trimmed(), rs.text(QStringLiteral("FirstName")).trimmed(),
                                  rs.text(QStringLiteral("MiddleName")).trimmed())
                             .trimmed();
    return d;
}

QDate today()
{
    return QDate::currentDate();
}

void fillPatient(const Recordset& rs, HeaderPatient& p)
{
    p.LastName = rs.text(QStringLiteral("LastName"));
    p.FirstName = rs.text(QStringLiteral("FirstName"));
    p.MiddleName = rs.text(QStringLiteral("MiddleName"));
    p.Sex = rs.text(QStringLiteral("Sex"));
    p.CivilStatusDescription = rs.text(QStringLiteral("CivilStatus"));
    p.BirthDate = rs.toDateTime(QStringLiteral("BirthDate"));
    p.Age = PatientHeaderRecords::AgeOn(p.BirthDate, today());
}

// No tbPatient2 row: every section open. With a row, only a 1 opens the section; a NULL counts as
// 0 (cash basis), as the patient lists' cash-basis text reads it.
bool flag(const Recordset& rs, const char* f)
{
    return rs.isEmpty() || (!rs.isNull(QString::fromLatin1(f)) && rs.toBool(QString::fromLatin1(f)));
}

} // namespace

namespace PatientHeaderRecords {

QString AgeOn(const QDateTime& birth, const QDate& day)
{
    if (!birth.isValid()) return {};
    const QDate b = birth.date();
    int years = day.year() - b.year();
    if (day.month() < b.month() || (day.month() == b.month() && day.day() < b.day())) --years;
    return QString::number(qMax(0, years));
}

bool ValidateAdmission(Connection& c, const QString& idNum, HeaderAdmission& out)
{
    out = HeaderAdmission{};
    Recordset rs = c.query(
        QStringLiteral("SELECT P.AdmDate, P.DcrDate, P.BillingDate, P.RoomID, P.AccountNum, P.AttendingDr1, R.RoomClass, "
                       "R.RoomRate, M.LastName, M.FirstName, M.MiddleName, M.Sex, %1 AS CivilStatus, M.BirthDate, "
                       "H.AdmittingDiagnosis, H.ChiefComplaint, H.FinalDiagnosis, I.AdmittingDr, I.AttendingDr2, I.HowAdmitted, "
                       "I.AdmittingImpression FROM PATIENT_DATA..tbPatient P "
                       "LEFT OUTER JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
                       "LEFT OUTER JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
                       "LEFT OUTER JOIN PATIENT_DATA..tbPatientHistory H ON H.IDNum = P.IDNum "
                       "LEFT OUTER JOIN PATIENT_DATA..tbPatientAdmInfo I ON I.IDNum = P.IDNum WHERE P.IDNum = ?")
            .arg(CivilStatusNameSql(QStringLiteral("M.CivilStatus"))),
        {idNum});
    if (rs.isEmpty()) return false;
    fillPatient(rs, out.Patient);
    out.AccountNumber = rs.text(QStringLiteral("AccountNum"));
    out.AdmittingDiagnosis = rs.text(QStringLiteral("AdmittingDiagnosis"));
    out.ChiefComplaint = rs.text(QStringLiteral("ChiefComplaint"));
    out.AdmittingImpression = rs.text(QStringLiteral("AdmittingImpression"));
    out.FinalDiagnosis = rs.text(QStringLiteral("FinalDiagnosis"));
    out.HowAdmittedDescription = rs.text(QStringLiteral("HowAdmitted"));
    out.AdmissionDate = rs.toDateTime(QStringLiteral("AdmDate"));
    out.DischargeDate = rs.toDateTime(QStringLiteral("DcrDate"));
    out.BillingDate = rs.toDateTime(QStringLiteral("BillingDate"));
    out.RoomID = rs.text(QStringLiteral("RoomID"));
    out.RoomClassID = rs.text(QStringLiteral("RoomClass"));
    out.RoomRate = rs.isNull(QStringLiteral("RoomRate")) ? QString() : QString::number(rs.value(QStringLiteral("RoomRate")).toDouble());
    out.Age = out.Patient.Age;
    out.AttendingDoctor1 = doctor(c, rs.text(QStringLiteral("AttendingDr1")));
    out.AttendingDoctor2 = doctor(c, rs.text(QStringLiteral("AttendingDr2")));
    out.AdmittingDoctor = doctor(c, rs.text(QStringLiteral("AdmittingDr")));
    static const struct { const char* column; bool HeaderAdmission::*member; } sections[] = {
        {"OkeyLab", &HeaderAdmission::OkeyLab}, {"OkeyXray", &HeaderAdmission::OkeyXray},
        {"OkeyUltra", &HeaderAdmission::OkeyUltra}, {"OkeyPH", &HeaderAdmission::OkeyPH},
        {"OkeyCS", &HeaderAdmission::OkeyCS}, {"OkeyCT", &HeaderAdmission::OkeyCT},
        {"OkeyPT", &HeaderAdmission::OkeyPT}, {"OkeyHS", &HeaderAdmission::OkeyHS},
        {"OkeyRTS", &HeaderAdmission::OkeyRTS}, {"OkeyNU", &HeaderAdmission::OkeyNU},
        {"OkeyAU", &HeaderAdmission::OkeyAU}};
    Recordset f = c.query(QStringLiteral("SELECT OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, OkeyCT, OkeyPT, OkeyHS, OkeyRTS, "
                                         "OkeyNU, OkeyAU FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?"),
                          {idNum});
    for (const auto& section : sections) out.*section.member = flag(f, section.column);
    return true;
}

bool OpenOutPatient(Connection& c, const QString& idNum, const QString& hospNum, HeaderVisit& out)
{
    out = HeaderVisit{};
    // The registration keeps the visit's doctor in DoctorID1; visits of the admitting office keep it as
    // the requesting doctor. Without a second doctor on file the visit's own doctor attends it.
    Recordset rs = c.query(QStringLiteral("SELECT O.AdmDate, O.DcrDate, O.BillingDate, "
                                          "COALESCE(NULLIF(TRIM(O.DoctorID1), ''), O.RequestingDr) AS Doctor1, "
                                          "COALESCE(NULLIF(TRIM(I.AttendingDr2), ''), NULLIF(TRIM(O.DoctorID1), '')) AS Doctor2, "
                                          "H.ChiefComplaint, H.FinalDiagnosis, "
                                          "I.AdmittingDr, I.HowAdmitted FROM PATIENT_DATA..TBOUTPATIENT O "
                                          "LEFT OUTER JOIN PATIENT_DATA..tbOutPatientHistory H ON H.IDNum = O.IDNum "
                                          "LEFT OUTER JOIN PATIENT_DATA..tbPatientAdmInfo I ON I.IDNum = O.IDNum "
                                          "WHERE O.IDNum = ? AND O.HospNum = ?"),
                           {idNum, hospNum});
    if (rs.isEmpty()) return false;
    out.AdmissionDate = rs.toDateTime(QStringLiteral("AdmDate"));
    out.DischargeDate = rs.toDateTime(QStringLiteral("DcrDate"));
    out.BillingDate = rs.toDateTime(QStringLiteral("BillingDate"));
    out.Doctor1 = doctor(c, rs.text(QStringLiteral("Doctor1")));
    out.Doctor2 = doctor(c, rs.text(QStringLiteral("Doctor2")));
    out.Doctor3 = doctor(c, rs.text(QStringLiteral("AdmittingDr")));
    out.ChiefComplaint = rs.text(QStringLiteral("ChiefComplaint"));
    out.HowAdmittedDescription = rs.text(QStringLiteral("HowAdmitted"));
    out.FinalDiagnosis = rs.text(QStringLiteral("FinalDiagnosis"));
    return true;
}

bool LoadVisitPatient(Connection& c, const QString& hospNum, HeaderPatient& out)
{
    out = HeaderPatient{};
    Recordset rs = c.query(QStringLiteral("SELECT LastName, FirstName, MiddleName, Sex, %1 AS CivilStatus, BirthDate "
                                          "FROM PATIENT_DATA..tbMaster WHERE HospNum = ?")
                               .arg(CivilStatusNameSql(QStringLiteral("CivilStatus"))),
                           {hospNum});
    if (rs.isEmpty()) return false;
    fillPatient(rs, out);
    return true;
}

bool LoadPatientMaster(Connection& c, const QString& hospNum, HeaderMaster& out)
{
    out = HeaderMaster{};
    Recordset rs = c.query(QStringLiteral("SELECT M.HouseStreet, M.Barangay, M.City, M.Province, %1 AS CivilStatus, N.Nationality, "
                                          "X.BloodType "
                                          "FROM PATIENT_DATA..tbMaster M LEFT OUTER JOIN PATIENT_DATA..tbMaster2 X "
                                          "ON X.HospNum = M.HospNum LEFT OUTER JOIN BUILD_FILE..tbCoNationality N "
                                          "ON N.NationalityID = M.NationalityID WHERE M.HospNum = ?")
                               .arg(CivilStatusNameSql(QStringLiteral("M.CivilStatus"))),
                           {hospNum});
    if (rs.isEmpty()) return false;
    QStringList parts;
    for (const char* f : {"HouseStreet", "Barangay", "City", "Province"}) {
        const QString p = rs.text(QString::fromLatin1(f)).trimmed();
        if (!p.isEmpty()) parts << p;
    }
    out.CompleteAddress = parts.join(QStringLiteral(", "));
    out.BloodType = rs.text(QStringLiteral("BloodType"));
    out.Nationality = rs.text(QStringLiteral("Nationality"));
    out.CivilStatus = rs.text(QStringLiteral("CivilStatus"));
    // The master's account is that of the patient's latest stay; a patient who never stayed pays himself.
    Recordset acc = c.query(QStringLiteral("SELECT P.AccountNum, C.Company FROM PATIENT_DATA..tbPatient P "
                                           "LEFT OUTER JOIN BUILD_FILE..TBCOCOMPANY C ON C.AccountNum = P.AccountNum "
                                           "WHERE P.HospNum = ? ORDER BY P.AdmDate DESC LIMIT 1"),
                            {hospNum.trimmed()});
    out.AccountNumber = acc.isEmpty() ? hospNum.trimmed() : acc.text(QStringLiteral("AccountNum"));
    if (out.AccountNumber.trimmed().isEmpty()) out.AccountNumber = hospNum.trimmed();
    out.Company = acc.isEmpty() ? QString() : acc.text(QStringLiteral("Company"));
    return true;
}

} // namespace PatientHeaderRecords
