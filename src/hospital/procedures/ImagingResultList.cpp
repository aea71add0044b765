#include "hospital/procedures/ImagingResultList.h"

#include "hospital/procedures/ResultColumns.h"
#include "platform/db/Connection.h"

namespace {
const char* const kSelect =
    "SELECT R.RequestNum, R.ExamName, R.TransDate, R.ResultDate, D.LastName, D.FirstName, D.MiddleName, R.Interpretation "
    "FROM RADIOLOGY..%1 R LEFT OUTER JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = R.RadiologistID ";

QStringList fieldsWith(const QString& numberField)
{
    return {numberField,
            QStringLiteral("EXAM. NAME"),
            QStringLiteral("TRANS. DATE"),
            QStringLiteral("RESULT DATE"),
            QStringLiteral("DR. LASTNAME"),
            QStringLiteral("DR. FIRSTNAME"),
            QStringLiteral("Dr. MiddleName"),
            QStringLiteral("Interpretation")};
}
}

Recordset ImagingResultList(Connection& c, const QString& table, const QString& idNum, const QString& numberField)
{
    const Recordset rs = c.query(QString::fromLatin1(kSelect).arg(table) +
                                     QStringLiteral("WHERE R.IDNum = ? ORDER BY R.TransDate, R.ResultID"),
                                 {idNum.trimmed()});
    return ResultColumns(rs, fieldsWith(numberField), {2, 3});
}

Recordset ImagingResultListOfPatient(Connection& c, const QString& table, const QString& hospNum)
{
    const Recordset rs = c.query(
        QString::fromLatin1(kSelect).arg(table) +
            QStringLiteral("WHERE R.IDNum IN (SELECT IDNum FROM PATIENT_DATA..tbPatient WHERE HospNum = ? UNION "
                           "SELECT IDNum FROM PATIENT_DATA..TBOUTPATIENT WHERE HospNum = ?) ORDER BY R.TransDate, R.ResultID"),
        {hospNum.trimmed(), hospNum.trimmed()});
    return ResultColumns(rs, fieldsWith(QStringLiteral("TRANS. NO")), {2, 3});
}
