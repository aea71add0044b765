// Stand-ins of the admitting office's procedures that the department's registration and master
// patient search call: the search of the master file, similar persons, new hospital numbers,
// old accounts, the last-name check, and the room transfer of a stay.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/LikePattern.h"
#include "platform/db/Procedures.h"

#include <QDate>

namespace {

// Whole years from the birth date to the day (0 without a birth date).
int registrationYearsBetween(const QDate& birth, const QDate& day)
{
    if (!birth.isValid()) return 0;
    int years = day.year() - birth.year();
    if (day.month() < birth.month() || (day.month() == birth.month() && day.day() < birth.day())) --years;
    return qMax(0, years);
}

// The age kept with the person, else the one the birth date gives today.
int registrationAgeOf(const Recordset& rs, int row, const QDate& today)
{
    const QVariant kept = rs.valueAt(row, QStringLiteral("Age"));
    if (!kept.isNull() && !DbValue::text(kept).trimmed().isEmpty()) return int(DbValue::toLong(kept));
    return registrationYearsBetween(DbValue::toDateTime(rs.valueAt(row, QStringLiteral("BirthDate"))).date(), today);
}

QDate registrationServerDay(Connection& c) { return c.serverDateTime().date(); }

// Arguments: last name, first name, middle name, sex, hospital number, birth date as "yyyy",
// "yyyy.mm" or "yyyy.mm.dd", lower age, upper age. A hospital number finds that person alone;
// otherwise the names find persons whose names begin with them, narrowed by the sex, the birth
// date's given parts and, when the upper age is above 0, the ages. Columns: last, first and middle
// name, hospital number, birth date ("mm/dd/yyyy"), age, address.
Recordset masterPatientSearch(Connection& c, const ProcedureArgs& a)
{
    const QString hospNum = a.text(4).trimmed();
    QString sql = QStringLiteral("SELECT M.LastName, M.FirstName, M.MiddleName, M.HospNum, M.BirthDate, M.Age, "
                                 "TRIM(COALESCE(M.HouseStreet, '') || ' ' || COALESCE(M.Barangay, '') || ' ' || "
                                 "COALESCE(M.City, '') || ' ' || COALESCE(M.Province, '')) AS Address "
                                 "FROM PATIENT_DATA..tbMaster M WHERE ");
    QVariantList params;
    if (!hospNum.isEmpty()) {
        sql += QStringLiteral("M.HospNum = ?");
        params << hospNum;
    } else {
        sql += QStringLiteral("UPPER(M.LastName) LIKE UPPER(?) ESCAPE '!'");
        params << Like::startsWith(a.text(0).trimmed());
        if (!a.text(1).trimmed().isEmpty()) {
            sql += QStringLiteral(" AND UPPER(M.FirstName) LIKE UPPER(?) ESCAPE '!'");
            params << Like::startsWith(a.text(1).trimmed());
        }
        if (!a.text(2).trimmed().isEmpty()) {
            sql += QStringLiteral(" AND UPPER(M.MiddleName) LIKE UPPER(?) ESCAPE '!'");
            params << Like::startsWith(a.text(2).trimmed());
        }
        if (!a.text(3).trimmed().isEmpty()) {
            sql += QStringLiteral(" AND M.Sex = ?");
            params << a.text(3).trimmed();
        }
    }
    sql += QStringLiteral(" ORDER BY M.LastName, M.FirstName, M.MiddleName, M.HospNum");
    const Recordset found = c.query(sql, params);
    const QStringList birthParts = a.text(5).trimmed().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    const int lowerAge = int(DbValue::toLong(a.at(6))), upperAge = int(DbValue::toLong(a.at(7)));
    const QDate today = registrationServerDay(c);
    QVector<QVector<QVariant>> rows;
    for (int r = 0; r < found.recordCount(); ++r) {
        const QDate birth = DbValue::toDateTime(found.valueAt(r, QStringLiteral("BirthDate"))).date();
        const int parts[3] = {birth.year(), birth.month(), birth.day()};
        bool keep = true;
        for (int i = 0; i < birthParts.size() && i < 3; ++i)
            if (!birth.isValid() || birthParts[i].toInt() != parts[i]) keep = false;
        const int age = registrationAgeOf(found, r, today);
        if (upperAge > 0 && (age < lowerAge || age > upperAge)) keep = false;
        if (!keep) continue;
        rows.append({found.valueAt(r, 0), found.valueAt(r, 1), found.valueAt(r, 2), found.valueAt(r, 3),
                     birth.isValid() ? QVariant(birth.toString(QStringLiteral("MM/dd/yyyy"))) : QVariant(QString()), age,
                     found.valueAt(r, 6)});
    }
    return Recordset({QStringLiteral("LastName"), QStringLiteral("FirstName"), QStringLiteral("MiddleName"),
                      QStringLiteral("HospNum"), QStringLiteral("BirthDate"), QStringLiteral("Age"), QStringLiteral("Address")},
                     rows);
}

// Arguments: last name, first name, age. One row per person of the master file with those names
// (any case) and that age.
Recordset similarRecords(Connection& c, const ProcedureArgs& a)
{
    const Recordset found = c.query(QStringLiteral("SELECT HospNum, BirthDate, Age FROM PATIENT_DATA..tbMaster "
                                                   "WHERE UPPER(LastName) = UPPER(?) AND UPPER(FirstName) = UPPER(?)"),
                                    {a.text(0).trimmed(), a.text(1).trimmed()});
    const int age = int(DbValue::toLong(a.at(2)));
    const QDate today = registrationServerDay(c);
    QVector<QVector<QVariant>> rows;
    for (int r = 0; r < found.recordCount(); ++r)
        if (registrationAgeOf(found, r, today) == age) rows.append({found.valueAt(r, 0)});
    return Recordset({QStringLiteral("HospNum")}, rows);
}

// Output @HospNum: a hospital number no person holds yet, taken from the counter row inside the
// caller's transaction (numbers already on file, such as those of older systems, are passed over).
Recordset newHospNum(Connection& c, const ProcedureArgs&)
{
    for (;;) {
        const qint64 n =
            takeNextNumber(c, QStringLiteral("PATIENT_DATA..tbAdmLastNumber"), QStringLiteral("HospNum"), QStringLiteral("CounterID"), 1);
        const QString number = QString::number(n);
        if (number.size() > 8) throw DbError(QStringLiteral("The hospital numbers are used up."));
        if (c.query(QStringLiteral("SELECT 1 AS Found FROM PATIENT_DATA..tbMaster WHERE HospNum = ?"), {number}).isEmpty()) {
            Recordset rs(QStringList{QStringLiteral("HospNum")}, {});
            rs.addRow({number});
            return rs;
        }
    }
}

// Argument: hospital number. One row (Amount) when the person left balances unpaid.
Recordset oldAccounts(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT SUM(Amount) AS Amount FROM PATIENT_DATA..tbAdmOldAccounts WHERE HospNum = ? "
                                  "GROUP BY HospNum"),
                   {a.text(0).trimmed()});
}

// Argument: a last name. A row when some person of the master file bears it.
Recordset validateLastName(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT LastName FROM PATIENT_DATA..tbMaster WHERE UPPER(LastName) = UPPER(?) LIMIT 1"),
                   {a.text(0).trimmed()});
}

// Arguments: admission number, new room, transfer date-time, user, room rate, flag. Moves the open
// in-patient stay to the room and records the transfer; a stay that is not open is an error.
Recordset roomTransfer(Connection& c, const ProcedureArgs& a)
{
    const QString id = a.text(0).trimmed();
    const Recordset stay =
        c.query(QStringLiteral("SELECT RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = ? AND DcrDate IS NULL"), {id});
    if (stay.isEmpty()) throw DbError(QStringLiteral("Admission %1 is not an open in-patient stay; no room was changed.").arg(id));
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientRoomTransfer (IDNum, OldRoomID, NewRoomID, TransferDate, "
                             "RoomRate, UserID, TransferFlag) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {id, stay.text(QStringLiteral("RoomID")), a.text(1).trimmed(), a.at(2), DbValue::toDouble(a.at(4)), a.text(3),
               a.text(5)});
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET RoomID = ? WHERE IDNum = ?"), {a.text(1).trimmed(), id});
    return {};
}

} // namespace

CATHLAB_PROCEDURE("Patient_Data..sp_Adm_MasterPatientSearch", masterPatientSearch);
CATHLAB_PROCEDURE("PATIENT_DATA..sp_AOPD_SearchSimilarRecords", similarRecords);
CATHLAB_PROCEDURE("Patient_Data..sp_adm_GetNewHospNum", newHospNum);
CATHLAB_PROCEDURE("PATIENT_DATA..sp_Adm_ComputePatientsOldAccounts", oldAccounts);
CATHLAB_PROCEDURE("Patient_Data..sp_Adm_ValidateLastName", validateLastName);
CATHLAB_PROCEDURE("PATIENT_DATA..sp_Adm_RoomTransfer", roomTransfer);
