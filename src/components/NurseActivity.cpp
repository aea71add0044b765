#include "components/NurseActivity.h"

CATHLAB_COMPONENT("Nurse_activity.clsRequest", clsRequest);
CATHLAB_COMPONENT("Nurse_activity.clsResults", clsResults);
CATHLAB_COMPONENT("Nurse_activity.clsConfinement", clsConfinement);
CATHLAB_COMPONENT("Nurse_activity.clsConfinementResults", clsConfinementResults);

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/Format.h"

namespace {
Connection& connectionOf(Connection* conn)
{
    if (!conn) throw DbError(QStringLiteral("The nurse activity component has no connection."));
    return *conn;
}
}

Recordset clsConfinement::GetConfinementPeriod(const QString&, const QString& hospNum, const QVariant&)
{
    return connectionOf(m_conn).query(
        QStringLiteral("SELECT IDNum, AdmDate, DcrDate, RoomID FROM ("
                       "SELECT IDNum, AdmDate, DcrDate, RoomID FROM PATIENT_DATA..tbPatient WHERE HospNum = ? "
                       "UNION ALL SELECT IDNum, AdmDate, DcrDate, 'ER/OPD' AS RoomID FROM PATIENT_DATA..TBOUTPATIENT "
                       "WHERE HospNum = ?) C ORDER BY AdmDate DESC"),
        {hospNum.trimmed(), hospNum.trimmed()});
}

Recordset clsConfinementResults::GetConfinementResults(const QString&, const QString& idNum, const QString& kind)
{
    Connection& c = connectionOf(m_conn);
    const QString id = idNum.trimmed();
    if (kind == QLatin1String("1")) {
        const QString table = id.endsWith(QLatin1Char('B')) ? QStringLiteral("BILLING..tbBillOPDailyOut")
                                                            : QStringLiteral("BILLING..tbBillDailyBill");
        return c.query(QStringLiteral("SELECT B.TransDate, COALESCE(I.ItemName, B.ItemID) AS DrugName, I.UnitOfMeasure AS Dosage, "
                                      "B.Quantity FROM %1 B LEFT OUTER JOIN INVENTORY..TBINVMASTER I ON I.ItemID = B.ItemID "
                                      "WHERE B.IDNum = ? AND B.RevenueID = 'PH' AND B.DrCr = 'D' ORDER BY B.TransDate")
                           .arg(table),
                       {id});
    }
    return c.query(QStringLiteral("SELECT Examination, ExamDate, Interpretation FROM RADIOLOGY..tbRadExamResults "
                                  "WHERE IDNum = ? AND Kind = ? ORDER BY ExamDate"),
                   {id, kind});
}

Recordset clsRequest::GetRequests(const QString&, const QString& idNum, const QString& kind)
{
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
