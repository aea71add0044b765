#include "shared/patient/PatientContext.h"

#include "components/patient_search/PatientHeaderRecords.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "shared/lookups/AccountChecks.h"

std::array<QString, 16> PatientContext::headerTexts() const
{
    return {PatientName, AdmittingDoctor, AttendingDoctor, AttendingDoctor2, IDNum,     HospNum,     DateAdmitted, DateDischarged,
            BirthDate,   Room,            Age,             Sex,              BloodType, CivilStatus, Diet,         Diagnosis};
}

QString TransplantText(const QString& code)
{
    const QString c = code.trimmed();
    return c == QLatin1String("0")   ? QStringLiteral("Non_Transplant")
           : c == QLatin1String("1") ? QStringLiteral("Transplant")
                                     : QString();
}

QString DialysisText(const QString& code)
{
    const QString c = code.trimmed();
    return c == QLatin1String("0")   ? QStringLiteral("None")
           : c == QLatin1String("1") ? QStringLiteral("Pre-Dialysis")
           : c == QLatin1String("2") ? QStringLiteral("Post-Dialysis")
                                     : QString();
}

namespace PatientContextData {

namespace {
QString rightTrimmed(QString s)
{
    while (!s.isEmpty() && s.back().isSpace()) s.chop(1);
    return s;
}

QString headerName(const HeaderPatient& p)
{
    return rightTrimmed(p.LastName) + QStringLiteral(" ,") + rightTrimmed(p.FirstName) + QLatin1Char(' ') + rightTrimmed(p.MiddleName);
}

QString dateTimeText(const QDateTime& dt) { return dt.isValid() ? Fmt::serverDateText(dt) : QString(); }
QString dateText(const QDateTime& dt) { return dt.isValid() ? dt.date().toString(QStringLiteral("MM/dd/yyyy")) : QString(); }

void loadAdmission(Connection& c, PatientContext& p)
{
    HeaderAdmission a;
    if (!PatientHeaderRecords::ValidateAdmission(c, p.IDNum, a)) return;
    p.Found = true;
    p.PatientName = headerName(a.Patient);
    p.Sex = a.Patient.Sex;
    p.CivilStatus = a.Patient.CivilStatusDescription;
    p.BirthDate = a.Patient.BirthDate.isValid() ? dateText(a.Patient.BirthDate) : QString();
    p.Diagnosis = p.AdmittingDiagnosis = a.AdmittingDiagnosis;
    p.ChiefComplaint = a.ChiefComplaint;
    p.Impression = a.AdmittingImpression;
    p.AdmissionDate = p.DateAdmitted = dateTimeText(a.AdmissionDate);
    p.DischargeDate = p.DateDischarged = dateTimeText(a.DischargeDate);
    p.AccountNumber = a.AccountNumber;
    p.Company = GetPatientAccount(c, p.IDNum);
    p.Age = a.Age;
    p.Room = a.RoomID;
    p.RoomClass = a.RoomClassID;
    p.RoomRate = a.RoomRate;
    p.MannerOfAdmission = a.HowAdmittedDescription;
    p.AttendingDoctorCode = a.AttendingDoctor1.Code;
    p.AttendingDoctor = a.AttendingDoctor1.CompleteName;
    p.AttendingDoctor2 = a.AttendingDoctor2.CompleteName;
    p.AdmittingDoctor = a.AdmittingDoctor.CompleteName;
    HeaderMaster m;
    if (PatientHeaderRecords::LoadPatientMaster(c, p.HospNum, m)) {
        p.Address = m.CompleteAddress;
        p.AccountNumber = m.AccountNumber;
        p.BloodType = m.BloodType;
    }
    p.Diet = AdmissionDiet(c, p.IDNum);
}

void loadVisit(Connection& c, PatientContext& p, const QString& company)
{
    HeaderVisit v;
    if (!PatientHeaderRecords::OpenOutPatient(c, p.IDNum, p.HospNum, v)) return;
    p.Found = true;
    p.RoomClass = QStringLiteral("A");
    p.AdmissionDate = dateTimeText(v.AdmissionDate);
    p.DischargeDate = dateTimeText(v.DischargeDate);
    HeaderPatient hp;
    if (PatientHeaderRecords::LoadVisitPatient(c, p.HospNum, hp)) {
        p.PatientName = headerName(hp);
        p.Sex = hp.Sex;
        p.CivilStatus = hp.CivilStatusDescription;
        p.BirthDate = dateText(hp.BirthDate);
        p.Age = hp.Age;
        p.Room = QStringLiteral("ER/OPD");
        p.AccountNumber = QStringLiteral("ER/OPD");
        p.Company = company;
        p.AttendingDoctorCode = v.Doctor1.Code;
        p.AttendingDoctor = v.Doctor2.CompleteName;
        p.AttendingDoctor2 = v.Doctor3.CompleteName;
        p.AdmittingDoctor = v.Doctor1.CompleteName;
    }
    HeaderMaster m; // the address the visit's printed results carry
    if (PatientHeaderRecords::LoadPatientMaster(c, p.HospNum, m)) p.Address = m.CompleteAddress;
    p.ChiefComplaint = v.ChiefComplaint;
    p.MannerOfAdmission = v.HowAdmittedDescription;
    p.DateAdmitted = dateText(v.AdmissionDate);
    p.DateDischarged = dateText(v.DischargeDate);
}
} // namespace

PatientContext Load(Connection& c, const QString& hospNum, const QString& idNum, const QString& company)
{
    PatientContext p;
    p.HospNum = hospNum;
    p.IDNum = idNum;
    p.PatientType = IsOutPatientNumber(idNum) ? QStringLiteral("O") : QStringLiteral("I");
    if (p.isInPatient()) loadAdmission(c, p);
    else loadVisit(c, p, company);
    return p;
}

Membership AdmTypeMembership(Connection& c, const QString& idNum)
{
    Membership m;
    const Recordset rs = c.call(QStringLiteral("Station..sp_Get_Patient_ADMTypeMembership"), {idNum});
    if (rs.isEmpty()) return m;
    m.found = true;
    m.membership = rs.text(QStringLiteral("Membership"));
    m.admType = rs.text(QStringLiteral("ADMType"));
    return m;
}

QString AdmissionDiet(Connection& c, const QString& idNum)
{
    // The stay's diet code is in its tbPatient2 row; no row, or a code the catalogue lacks (the
    // empty code included), gives no diet.
    const Recordset rs = c.query(QStringLiteral("SELECT tbCoDiet.Diet, tbpatient2.DietID FROM PATIENT_DATA..tbPatient2 AS tbpatient2 "
                                                "LEFT OUTER JOIN BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID "
                                                "WHERE tbpatient2.IDNum = ?"),
                                 {idNum});
    if (rs.isEmpty()) return {};
    return rs.text(QStringLiteral("Diet"));
}

} // namespace PatientContextData
