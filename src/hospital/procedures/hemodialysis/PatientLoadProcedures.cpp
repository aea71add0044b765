// Stand-in of the admitting office's load of a person's details, as the master patient search
// reads it for a pick.
#include "hospital/CivilStatusText.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: hospital number. The person's birth date, birth place, town, zip code, civil status
// (as the registration's list item text and as kept), address, occupation, nationality and religion.
Recordset loadAdmittingPatient(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
        "SELECT M.BirthDate AS BirthDate, M2.BirthPlace AS BirthPlace, "
        "COALESCE(TRIM(Z.Town) || ', ' || COALESCE(Z.Province, ''), M.City) AS Town, M.ZipCode AS ZipCode, ") +
        CivilStatusNameSql(QStringLiteral("M.CivilStatus")) + QStringLiteral(" AS CivilStatusName, "
        "M.CivilStatus AS CivilStatus, M.HouseStreet AS HouseStreet, M.Barangay AS Barangay, M.Occupation AS Occupation, "
        "COALESCE(M2.NationalityID, M.NationalityID) AS NationalityID, N.Nationality AS NationalityName, "
        "M2.ReligionID AS ReligionID, R.Religion AS ReligionName "
        "FROM PATIENT_DATA..tbMaster M LEFT JOIN PATIENT_DATA..tbMaster2 M2 ON M2.HospNum = M.HospNum "
        "LEFT JOIN BUILD_FILE..tbCoNationality N ON N.NationalityID = COALESCE(M2.NationalityID, M.NationalityID) "
        "LEFT JOIN BUILD_FILE..tbCoReligion R ON R.ReligionID = M2.ReligionID "
        "LEFT JOIN BUILD_FILE..tbCoAddress Z ON Z.ZipCode = M.ZipCode WHERE M.HospNum = ?"),
        {a.text(0).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("HemoDialysis..sp_Adm_LoadPatient", loadAdmittingPatient);
