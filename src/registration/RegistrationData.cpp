#include "registration/RegistrationData.h"

#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"

namespace RegistrationData {

namespace {

bool exists(Connection& c, const QString& sql, const QVariantList& params) { return !c.query(sql, params).isEmpty(); }

// The next department case number. The counter row is made on first use; a number already on file
// (entered before the counter existed) is passed over.
QString takeCaseNumber(Connection& c)
{
    if (!exists(c, QStringLiteral("SELECT 1 AS Found FROM CLINICAL_AREA..tbCLCaseCounter WHERE CounterID = 1"), {}))
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLCaseCounter (CounterID, LastCathLabNum) VALUES (1, 0)"));
    for (;;) {
        const QString n = QString::number(takeNextNumber(c, QStringLiteral("CLINICAL_AREA..tbCLCaseCounter"),
                                                         QStringLiteral("LastCathLabNum"), QStringLiteral("CounterID"), 1));
        if (!exists(c, QStringLiteral("SELECT 1 AS Found FROM CLINICAL_AREA..tbCLPatient WHERE CathLabNum = ?"), {n})) return n;
    }
}

QString takeHospNum(Connection& c)
{
    try {
        const Recordset rs = c.callNamed(QStringLiteral("Patient_Data..sp_adm_GetNewHospNum"), {{QStringLiteral("@HospNum"), QString()}});
        const QString n = rs.isEmpty() ? QString() : rs.text(QStringLiteral("HospNum")).trimmed();
        if (n.isEmpty()) throw DbError(QStringLiteral("No hospital number was issued."));
        return n;
    } catch (const DbError&) {
        throw SaveStopped(QStringLiteral("Unable to assign a new hospnum"), vbCritical, QStringLiteral("Error"));
    }
}

// The next out-patient number; visits already on file under a number are passed over.
QString takeOPDNumber(Connection& c)
{
    if (!exists(c, QStringLiteral("SELECT 1 AS Found FROM Patient_data..tbAdmLastNumber WHERE CounterID = 1"), {}))
        throw SaveStopped(QStringLiteral("Unable to generate new OPD number."), vbInformation, QStringLiteral("Notification"));
    for (;;) {
        const QString n = QString::number(takeNextNumber(c, QStringLiteral("Patient_data..tbAdmLastNumber"), QStringLiteral("opdID"),
                                                         QStringLiteral("CounterID"), 1));
        if (!exists(c, QStringLiteral("SELECT 1 AS Found FROM Patient_data..tbOutPatient WHERE IDNum = ?"), {n + QLatin1Char('B')}))
            return n;
    }
}

QVariant ageValue(const QString& age)
{
    bool ok = false;
    const int n = age.trimmed().toInt(&ok);
    return ok ? QVariant(n) : QVariant(QMetaType(QMetaType::Int));
}

QVariantList personValues(const Entry& e)
{
    return {e.lastName.trimmed(), e.firstName.trimmed(), e.middleName.trimmed(), e.houseStreet, e.barangay, e.zipCode.trimmed(),
            QDateTime(e.birthDate, QTime(0, 0)), ageValue(e.age), QString::number(e.civilStatus), e.cellNum, e.telNum, e.email,
            e.sex, e.occupation};
}

QVariantList detailValues(const Entry& e)
{
    return {e.birthPlace, e.nationalityID.trimmed(), e.religionID.trimmed(), e.spouse, e.spouseEmployer, e.contactName,
            e.contactRelation, e.contactAddress, e.contactTelNum, e.father, e.mother};
}

void writePerson(Connection& c, const Entry& e, const QString& hospNum, bool newPerson)
{
    QVariantList person = personValues(e);
    QVariantList details = detailValues(e);
    if (newPerson) {
        c.execute(QStringLiteral("INSERT INTO Patient_data..tbMaster (LastName, FirstName, MiddleName, HouseStreet, Barangay, ZipCode, "
                                 "BirthDate, Age, CivilStatus, CellNum, TelNum, Email, Sex, Occupation, HospNum) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  person << hospNum);
    } else {
        c.execute(QStringLiteral("UPDATE Patient_data..tbMaster SET LastName = ?, FirstName = ?, MiddleName = ?, HouseStreet = ?, "
                                 "Barangay = ?, ZipCode = ?, BirthDate = ?, Age = ?, CivilStatus = ?, CellNum = ?, TelNum = ?, "
                                 "Email = ?, Sex = ?, Occupation = ? WHERE HospNum = ?"),
                  person << hospNum);
    }
    // The details row may be missing for a person of the master file: it is made then.
    if (newPerson || !exists(c, QStringLiteral("SELECT 1 AS Found FROM Patient_data..tbMaster2 WHERE HospNum = ?"), {hospNum}))
        c.execute(QStringLiteral("INSERT INTO Patient_data..tbMaster2 (BirthPlace, NationalityID, ReligionID, Spouse, SpouseEmpName, "
                                 "ContactName, ContactRelation, ContactAddress, ContactTelNum, Father, Mother, HospNum) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  details << hospNum);
    else
        c.execute(QStringLiteral("UPDATE Patient_data..tbMaster2 SET BirthPlace = ?, NationalityID = ?, ReligionID = ?, Spouse = ?, "
                                 "SpouseEmpName = ?, ContactName = ?, ContactRelation = ?, ContactAddress = ?, ContactTelNum = ?, "
                                 "Father = ?, Mother = ? WHERE HospNum = ?"),
                  details << hospNum);
}

void writeChiefComplaint(Connection& c, const QString& idNum, const QString& complaint)
{
    const QString history = StayTables::Of(idNum).history;
    if (c.execute(QStringLiteral("UPDATE %1 SET ChiefComplaint = ? WHERE IDNum = ?").arg(history), {complaint, idNum}) == 0)
        c.execute(QStringLiteral("INSERT INTO %1 (IDNum, ChiefComplaint) VALUES (?, ?)").arg(history), {idNum, complaint});
}

} // namespace

bool IsAuto(const QString& text) { return text.trimmed() == kAuto.trimmed(); }

Recordset LoadByIDNo(Connection& c, const QString& patientType, const QString& hospNum, const QString& idNum)
{
    return c.call(QStringLiteral("Clinical_Area..CLGetPatientInfo_ByIDNo"), {patientType, hospNum, idNum});
}

Recordset LoadByHospNum(Connection& c, const QString& hospNum)
{
    return c.call(QStringLiteral("CLINICAL_AREA..CLGetPatientInfo_by_HospitalNo"), {hospNum});
}

bool HasSimilarPersons(Connection& c, const QString& lastName, const QString& firstName, int age)
{
    return !c.call(QStringLiteral("PATIENT_DATA..sp_AOPD_SearchSimilarRecords"), {lastName, firstName, age}).isEmpty();
}

Numbers Save(Connection& c, const Entry& e)
{
    const bool newPerson = IsAuto(e.hospNum);
    const bool newVisit = IsAuto(e.idNum);
    if (!IsAuto(e.caseNum) && e.caseNum.trimmed().isEmpty())
        throw SaveStopped(QStringLiteral("There's an error while saving. "), vbCritical, QStringLiteral("Message"));

    TransactionGuard tx(c);
    Numbers n;
    n.caseNum = IsAuto(e.caseNum) ? takeCaseNumber(c) : e.caseNum.trimmed();
    n.hospNum = newPerson ? takeHospNum(c) : e.hospNum.trimmed();
    if (newVisit) {
        n.opdNum = takeOPDNumber(c);
        n.idNum = n.opdNum + QLatin1Char('B');
    } else {
        n.idNum = e.idNum.trimmed();
    }
    // The account the stay is charged to: the company, or the person's own hospital number.
    const QString account = IsAuto(e.accountID) || e.accountID.trimmed().isEmpty() ? n.hospNum : e.accountID.trimmed();
    const QString stay = StayTables::Of(n.idNum).stay;

    if (e.editCase)
        c.execute(QStringLiteral("UPDATE %1 SET AccountNum = ?, UserID = ?, isCathLab = 1 WHERE IDNum = ?").arg(stay),
                  {account, e.employeeCode, n.idNum});
    writePerson(c, e, n.hospNum, newPerson);
    if (newVisit)
        c.execute(QStringLiteral("INSERT INTO Patient_data..tbOutPatient (HospNum, IDNum, AdmDate, AccountNum, UserID, isCathLab, "
                                 "DoctorID1) VALUES (?, ?, GETDATE(), ?, ?, 1, ?)"),
                  {n.hospNum, n.idNum, account, e.employeeCode, e.doctorID.trimmed()});
    writeChiefComplaint(c, n.idNum, e.chiefComplaint);
    c.call(QStringLiteral("CLINICAL_AREA..CLSavetbCLPatient"),
           {n.hospNum, n.idNum, n.caseNum, QStringLiteral("X"), account, e.doctorID.trimmed(), e.patientType, QString(),
            e.employeeCode});
    tx.commit();
    return n;
}

} // namespace RegistrationData
