#include "procedure_report/HeartDiagramData.h"

#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

namespace HeartDiagramData {

PatientName LoadPatientName(Connection& c, const QString& hospNum)
{
    const Recordset rs = c.query(QStringLiteral("SELECT LastName, FirstName, MiddleName FROM PATIENT_DATA..tbMaster WHERE HospNum = ?"),
                                 {hospNum.trimmed()});
    if (rs.isEmpty()) return {};
    return {rs.text(QStringLiteral("LastName")), rs.text(QStringLiteral("FirstName")), rs.text(QStringLiteral("MiddleName"))};
}

QByteArray LoadDiagram(Connection& c, const QString& idNum, const QString& requestNo)
{
    const Recordset rs = c.query(QStringLiteral("SELECT PatImage FROM Clinical_Area..tbCLImage WHERE IDNum = ? AND RequestNum = ?"),
                                 {idNum, requestNo});
    return rs.isEmpty() ? QByteArray() : rs.value(QStringLiteral("PatImage")).toByteArray();
}

void SaveDiagram(Connection& c, const QString& idNum, const QString& requestNo, const QString& userID, const QByteArray& bmp)
{
    const QVariantList values{userID, QStringLiteral("Heart.bmp"), QStringLiteral("image/bmp"), bmp.size(), bmp};
    // The update and the insert that stands in for it are one step: a failure leaves the stored row as it was.
    TransactionGuard tx(c);
    if (c.execute(QStringLiteral("UPDATE Clinical_Area..tbCLImage SET UserID = ?, FileName = ?, FileType = ?, FileSize = ?, "
                                 "PatImage = ?, TransDate = GETDATE() WHERE IDNum = ? AND RequestNum = ?"),
                  values + QVariantList{idNum, requestNo})
        == 0)
        c.execute(QStringLiteral("INSERT INTO Clinical_Area..tbCLImage (UserID, FileName, FileType, FileSize, PatImage, IDNum, "
                                 "RequestNum, TransDate) VALUES (?, ?, ?, ?, ?, ?, ?, GETDATE())"),
                  values + QVariantList{idNum, requestNo});
    tx.commit();
}

void DeleteDiagram(Connection& c, const QString& idNum, const QString& requestNo)
{
    c.execute(QStringLiteral("DELETE FROM Clinical_Area..tbCLImage WHERE IDNum = ? AND RequestNum = ?"), {idNum, requestNo});
}

QString LoadAttendingDoctor(Connection& c, const QString& idNum)
{
    const QString doctor = QStringLiteral("SELECT COALESCE(D.LastName, '') || ', ' || COALESCE(D.FirstName, '') || ' ' || "
                                          "COALESCE(D.MiddleName, '') AS Attending ");
    const Recordset rs = IsOutPatientNumber(idNum)
                             ? c.query(doctor + QStringLiteral("FROM PATIENT_DATA..TBOUTPATIENT S JOIN BUILD_FILE..tbCoDoctor D "
                                                               "ON D.DoctorID = S.RequestingDr WHERE S.IDNum = ?"),
                                       {idNum.trimmed()})
                             : c.query(doctor + QStringLiteral("FROM PATIENT_DATA..tbPatient S JOIN BUILD_FILE..tbCoDoctor D "
                                                               "ON D.DoctorID = S.AttendingDr1 WHERE S.IDNum = ?"),
                                       {idNum.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Attending")).trimmed();
}

QString LoadCathLabNumber(Connection& c, const QString& idNum)
{
    const Recordset rs = c.query(QStringLiteral("SELECT CathLabNum FROM CLINICAL_AREA..tbCLPatient WHERE IDNum = ? ORDER BY CathLabNum LIMIT 1"),
                                 {idNum.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("CathLabNum"));
}

}
