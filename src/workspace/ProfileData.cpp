#include "workspace/ProfileData.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/AdmissionNumber.h"

namespace ProfileData {

Allergies ReadAllergies(Connection& c, const QString& hospNum)
{
    Allergies a;
    for (int i = 0; i < 5; ++i) a.codes << QString();
    Recordset rs = c.query(QStringLiteral("SELECT AllergyID1, AllergyID2, AllergyID3, AllergyID4, AllergyID5, Others "
                                          "FROM PATIENT_DATA..tbMasterAllergies WHERE Hospnum = ?"),
                           {hospNum});
    if (!rs.isEmpty()) {
        for (int i = 0; i < 5; ++i) a.codes[i] = rs.text(QStringLiteral("AllergyID%1").arg(i + 1));
        a.others = rs.text(QStringLiteral("Others"));
    }
    return a;
}

NurseProfile ReadNurseProfile(Connection& c, const QString& hospNum, const QString& idNum)
{
    NurseProfile p;
    Recordset r = c.query(QStringLiteral("SELECT * FROM STATION..tbNurseProfile WHERE Hospnum = ? AND IDNum = ?"), {hospNum, idNum});
    if (r.isEmpty()) return p;
    p.found = true;
    for (int i = 1; i <= 4; ++i) p.ph << r.text(QStringLiteral("PH%1").arg(i));
    for (int i = 1; i <= 4; ++i) p.fh << r.text(QStringLiteral("FH%1").arg(i));
    for (int i = 1; i <= 3; ++i) p.psh << r.text(QStringLiteral("PSH%1").arg(i));
    p.briefHistory = r.text(QStringLiteral("BriefHistory"));
    const char* pe[] = {"PEskin", "PEheadneck", "PEthorax", "PEabdomen", "PEextremeties", "PElympnodes", "PEgenitalia",
                        "PErectal", "PEneurological"};
    for (int i = 0; i < 9; ++i) p.pe[i] = r.text(QString::fromLatin1(pe[i]));
    p.peOthers = r.text(QStringLiteral("PEOthers"));
    p.fhOthers = r.text(QStringLiteral("Others"));
    return p;
}

HistoryTexts ReadHistoryTexts(Connection& c, const QString& idNum)
{
    HistoryTexts h;
    const QString id = idNum.trimmed();
    if (IsOutPatientNumber(id)) return h;
    Recordset rs = c.query(QStringLiteral("SELECT COALESCE(X.BriefHistory, '') AS BriefHistory, COALESCE(X.PhysicalExamination, '') "
                                          "AS PhysicalExamination FROM PATIENT_DATA..tbPatientHistory H LEFT OUTER JOIN "
                                          "PATIENT_DATA..tbPatientHistoryExam X ON X.IDNum = H.IDNum WHERE H.IDNum = ?"),
                           {id});
    if (rs.isEmpty()) return h;
    h.found = true;
    h.briefHistory = rs.text(QStringLiteral("BriefHistory"));
    h.physicalExamination = rs.text(QStringLiteral("PhysicalExamination"));
    return h;
}

void SaveProfile(Connection& c, const SaveArgs& a)
{
    c.call(QStringLiteral("STATION..Nurse_Save_Allergy"), {a.hospNum, a.allergies[0], a.allergies[1], a.allergies[2], a.allergies[3],
                                                           a.allergies[4], a.allergyOthers});
    QVariantList v{a.hospNum, a.idNum, a.briefHistory};
    for (const QString& t : a.pe) v << t;
    for (const QString& t : a.ph) v << t;
    for (const QString& t : a.psh) v << t;
    for (const QString& t : a.fh) v << t;
    v << a.serverTime.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")) << a.employeeCode << a.fhOthers << a.peOthers;
    c.call(QStringLiteral("STATION..Nurse_Save_Profile"), v);
}

void UpdateHistory(Connection& c, const SaveArgs& a)
{
    if (IsOutPatientNumber(a.idNum)) return;
    // Only a stay that has its history row is updated; none is made here.
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatientHistory SET AdmittingDiagnosis = ?, ChiefComplaint = ? WHERE IDNum = ?"),
              {a.admDiagnosis.trimmed(), a.chiefComplaint.trimmed(), a.idNum});
    if (c.query(QStringLiteral("SELECT 1 FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ?"), {a.idNum}).isEmpty()) return;
    c.execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbPatientHistoryExam WHERE IDNum = ?"), {a.idNum});
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistoryExam (IDNum, BriefHistory, PhysicalExamination) "
                             "VALUES (?, ?, ?)"),
              {a.idNum, a.briefHistory.trimmed(), a.peOthers.trimmed()});
}

QStringList Slots(const QList<bool>& checked, const QStringList& codes, int count)
{
    QStringList out;
    for (int i = 0; i < checked.size(); ++i)
        if (checked[i]) out << codes[i];
    if (out.size() > count) throw DbError(QStringLiteral("Subscript out of range"));
    while (out.size() < count) out << QString();
    return out;
}

} // namespace ProfileData
