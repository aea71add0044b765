// Stand-ins of the STATION procedures that keep a patient's allergies and nursing profile.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

#include <QDateTime>

namespace {

// Arguments: hospital number, five allergy codes, free text.
Recordset saveAllergy(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbMasterAllergies WHERE Hospnum = ?"), {a.text(0)});
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMasterAllergies (Hospnum, AllergyID1, AllergyID2, AllergyID3, AllergyID4, "
                             "AllergyID5, Others) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0), a.text(1), a.text(2), a.text(3), a.text(4), a.text(5), a.text(6)});
    return {};
}

// Arguments: hospital number, admission number, brief history, nine examination texts, four past,
// three personal and social, four family history codes, date-time text, employee code, family
// history text, other examination text.
Recordset saveProfile(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("DELETE FROM STATION..tbNurseProfile WHERE Hospnum = ? AND IDNum = ?"), {a.text(0), a.text(1)});
    QVariantList v;
    for (int i = 0; i < 27; ++i) v << a.text(i);
    v[23] = QDateTime::fromString(a.text(23).trimmed(), QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseProfile (Hospnum, IDNum, BriefHistory, PEskin, PEheadneck, PEthorax, "
                             "PEabdomen, PEextremeties, PElympnodes, PEgenitalia, PErectal, PEneurological, PH1, PH2, PH3, PH4, "
                             "PSH1, PSH2, PSH3, FH1, FH2, FH3, FH4, TransDate, UserID, Others, PEOthers) VALUES "
                             "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              v);
    return {};
}

} // namespace

CATHLAB_PROCEDURE("STATION..Nurse_Save_Allergy", saveAllergy);
CATHLAB_PROCEDURE("STATION..Nurse_Save_Profile", saveProfile);
