#include "components/NurseActivity.h"

CATHLAB_COMPONENT("Nurse_activity.clsRequest", clsRequest);
CATHLAB_COMPONENT("Nurse_activity.clsResults", clsResults);
CATHLAB_COMPONENT("Nurse_activity.clsConfinement", clsConfinement);
CATHLAB_COMPONENT("Nurse_activity.clsConfinementResults", clsConfinementResults);

#include "hospital/StayTables.h"
#include "hospital/procedures/ImagingResultList.h"
#include "hospital/procedures/ResultColumns.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/Format.h"

#include <QDateTime>

namespace {
Connection& connectionOf(Connection* conn)
{
    if (!conn) throw DbError(QStringLiteral("The nurse activity component has no connection."));
    return *conn;
}
}

namespace {
// The component's dates are texts; a null stays null.
QVariant dateText(const QVariant& v, bool withTime)
{
    const QDateTime dt = DbValue::toDateTime(v);
    if (!dt.isValid()) return QVariant(QMetaType(QMetaType::QString));
    return withTime ? Fmt::serverDateText(dt) : Fmt::shortDate(dt.date());
}
}

Recordset clsConfinement::GetConfinementPeriod(const QString&, const QString& hospNum, const QVariant&)
{
    const Recordset rs = connectionOf(m_conn).query(
        QStringLiteral("SELECT IDNum, AdmDate, DcrDate, RoomID FROM ("
                       "SELECT IDNum, AdmDate, DcrDate, RoomID FROM PATIENT_DATA..tbPatient WHERE HospNum = ? "
                       "UNION ALL SELECT IDNum, AdmDate, DcrDate, 'ER/OPD' AS RoomID FROM PATIENT_DATA..TBOUTPATIENT "
                       "WHERE HospNum = ?) C ORDER BY AdmDate DESC, IDNum DESC"),
        {hospNum.trimmed(), hospNum.trimmed()});
    Recordset out({QStringLiteral("Admision No."), QStringLiteral("Admision Date/Time"), QStringLiteral("Discharged Date/Time"),
                   QStringLiteral("Room")},
                  {});
    for (int r = 0; r < rs.recordCount(); ++r)
        out.addRow({rs.valueAt(r, 0), dateText(rs.valueAt(r, 1), true), dateText(rs.valueAt(r, 2), true), rs.valueAt(r, 3)});
    return out;
}

Recordset clsConfinementResults::GetConfinementResults(const QString&, const QString& idNum, const QString& kind)
{
    Connection& c = connectionOf(m_conn);
    const QString id = idNum.trimmed();
    if (kind == QLatin1String("1")) {
        const QString table = StayTables::Of(id).charges;
        const Recordset rs = c.query(
            QStringLiteral("SELECT B.TransDate, COALESCE(I.ItemName, B.ItemID) AS DrugName, I.UnitOfMeasure AS Dosage, "
                           "B.Quantity FROM %1 B LEFT OUTER JOIN INVENTORY..TBINVMASTER I ON I.ItemID = B.ItemID "
                           "WHERE B.IDNum = ? AND B.RevenueID = 'PH' AND B.DrCr = 'D' ORDER BY B.TransDate")
                .arg(table),
            {id});
        Recordset out({QStringLiteral("Transdate"), QStringLiteral("Drug Name"), QStringLiteral("Dosage"), QStringLiteral("Quantity")}, {});
        for (int r = 0; r < rs.recordCount(); ++r)
            out.addRow({dateText(rs.valueAt(r, 0), false), rs.valueAt(r, 1), rs.valueAt(r, 2), rs.valueAt(r, 3)});
        return out;
    }
    const Recordset rs = c.query(QStringLiteral("SELECT Examination, ExamDate, Interpretation FROM RADIOLOGY..tbRadExamResults "
                                                "WHERE IDNum = ? AND Kind = ? ORDER BY ExamDate"),
                                 {id, kind});
    Recordset out({QStringLiteral("Examination"), QStringLiteral("Exam. Date"), QStringLiteral("Interpretation")}, {});
    for (int r = 0; r < rs.recordCount(); ++r) out.addRow({rs.valueAt(r, 0), dateText(rs.valueAt(r, 1), false), rs.valueAt(r, 2)});
    return out;
}

namespace {
// Kinds "1" processed, "2" pending, "3" with results: the admission's requests in the request
// page's eleven fields; the pending ones also carry their request number as the last field.
Recordset requestStatus(Connection& c, const QString& idNum, const QString& kind)
{
    QString where;
    if (kind == QLatin1String("1")) where = QStringLiteral("F.RecordStatus = 'X'");
    else if (kind == QLatin1String("2")) where = QStringLiteral("COALESCE(F.RecordStatus, '') = ''");
    else where = QStringLiteral("F.RecordStatus = 'X' AND L.ResultDate IS NOT NULL");
    const Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(F.Description, F.ItemID) AS ItemDescription, F.Quantity, F.RevenueID, F.RequestDate, "
                       "F.ItemID, F.UserID, L.ProcessDate, L.ProcessBy, L.ResultDate, L.ResultBy, F.Remarks, F.RequestNum "
                       "FROM STATION..TBNURSECOMMUNICATIONFILE F LEFT JOIN STATION..tbNurseLogbook L ON L.RequestNum = F.RequestNum "
                       "WHERE F.IDNum = ? AND %1 ORDER BY F.RequestDate, F.RequestNum")
            .arg(where),
        {idNum.trimmed()});
    QStringList names{QStringLiteral("ITEM DESCRIPTION"), QStringLiteral("Qty"), QStringLiteral("DEPT"),
                      QStringLiteral("Request Date/Time"), QStringLiteral("Code"), QStringLiteral("REQUESTED BY"),
                      QStringLiteral("PROCESS DATE/TIME"), QStringLiteral("PROCESSED BY"), QStringLiteral("RESULT DATE/TIME"),
                      QStringLiteral("RESULT BY"), QStringLiteral("Remarks")};
    const bool pending = kind == QLatin1String("2");
    if (pending) names << QStringLiteral("RequestNum");
    QVector<QVector<QVariant>> rows;
    rows.reserve(rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r) {
        QVector<QVariant> row;
        for (int col = 0; col < (pending ? 12 : 11); ++col) {
            const QVariant v = rs.valueAt(r, col);
            row.append((col == 3 || col == 6 || col == 8) ? dateText(v, true) : v);
        }
        rows.append(row);
    }
    return Recordset(names, rows);
}
}

Recordset clsRequest::GetRequests(const QString&, const QString& idNum, const QString& kind)
{
    if (kind == QLatin1String("1") || kind == QLatin1String("2") || kind == QLatin1String("3"))
        return requestStatus(connectionOf(m_conn), idNum, kind);
    if (kind != QLatin1String("4")) throw DbError(QStringLiteral("Request kind %1 is not kept by this component.").arg(kind));
    Recordset rs = connectionOf(m_conn).query(QStringLiteral("SELECT TransDate, BloodPressure, Temperature, RespiratoryRate, "
                                                             "PulseRate, UserID FROM STATION..tbNurseVitalSigns WHERE IDNum = ? "
                                                             "ORDER BY TransDate, VitalID"),
                                              {idNum});
    // The callers read the records by these names, which SQL cannot give without quoted identifiers.
    QVector<QVector<QVariant>> rows;
    rows.reserve(rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QDateTime when = DbValue::toDateTime(rs.valueAt(r, 0));
        QVector<QVariant> row{when.isValid() ? QVariant(Fmt::serverDateText(when)) : QVariant()};
        for (int c = 1; c < 6; ++c) row.append(rs.valueAt(r, c));
        rows.append(row);
    }
    return Recordset({QStringLiteral("DATE / TIME"), QStringLiteral("BLOOD PRESSURE"), QStringLiteral("Temperature"),
                      QStringLiteral("RESPIRATORY RATE"), QStringLiteral("PULSE RATE"), QStringLiteral("Encoder")},
                     rows);
}

Recordset clsResults::GetResults(const QString&, const QString& idNum, const QString& kind)
{
    Connection& c = connectionOf(m_conn);
    const QString k = kind.trimmed();
    if (k == QLatin1String("1")) return ImagingResultList(c, QStringLiteral("tbXRResult"), idNum, QStringLiteral("TRANS. NO"));
    if (k == QLatin1String("2")) return ImagingResultList(c, QStringLiteral("tbUlResult"), idNum, QStringLiteral("TRANS. NO"));
    if (k == QLatin1String("3")) return ImagingResultList(c, QStringLiteral("tbCTResult"), idNum, QStringLiteral("TRANS. NO"));
    if (k != QLatin1String("4")) throw DbError(QStringLiteral("Result kind %1 is not kept by this component.").arg(kind));
    const Recordset rs = c.query(
        QStringLiteral("SELECT R.RequestNum, R.ResultDate, R.LabExamID, COALESCE(E.LabExam, R.LabExamID), "
                       "COALESCE(S.SectionName, E.LabSectionID), R.Reference FROM LABORATORY..tbLabResult R "
                       "LEFT OUTER JOIN BUILD_FILE..tbCoLabExam E ON E.LabExamID = R.LabExamID "
                       "LEFT OUTER JOIN LABORATORY..tbLabSection S ON S.LabSectionID = E.LabSectionID "
                       "WHERE R.IDNum = ? ORDER BY R.ResultDate, R.ResultID"),
        {idNum.trimmed()});
    return ResultColumns(rs,
                         {QStringLiteral("RequestNum"), QStringLiteral("Resultdate"), QStringLiteral("LabExamID"), QStringLiteral("LabExam"),
                          QStringLiteral("SectionName"), QStringLiteral("Reference")},
                         {1});
}
