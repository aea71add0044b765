// What was issued to an admission and what came back: the drug catalogue's issued quantities,
// counters and posted lists, the issued-items pick lists and the patient component. Issues are
// stock-card lines with a negative quantity; returns and reversals bring it back under the same
// charge slip.
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>

namespace {
const QString kMedicines = QStringLiteral("20");
const QString kSupplies = QStringLiteral("21");

QString nextOnCounter(Connection* c, const char* counter)
{
    if (!c) throw DbError(QStringLiteral("The drug catalogue is not connected."));
    const QVariant last = c->scalar(QStringLiteral("SELECT LastNumber FROM INVENTORY..tbInvSlipCounter WHERE CounterID = ?"),
                                    {QString::fromLatin1(counter)});
    if (last.isNull()) throw DbError(QStringLiteral("The counter %1 is missing from INVENTORY..tbInvSlipCounter.").arg(QLatin1String(counter)));
    return QString::number(DbValue::toLong(last) + 1);
}

Recordset postedLines(Connection* c, const QString& idNum, const QString& location)
{
    if (!c) throw DbError(QStringLiteral("The drug catalogue is not connected."));
    // An issue shows its charge slip; a return its credit memo, with the quantity and amount it brought back.
    return c->query(
        QStringLiteral("SELECT S.TransDate, "
                       "CASE WHEN S.Quantity < 0 THEN S.RefNum ELSE COALESCE(S.CreditMemoNum, S.RefNum) END AS RefNum, "
                       "COALESCE(U.LastName || ', ' || U.FirstName, S.UserID) AS IssuedBy, M.ItemName, "
                       "S.ItemID, CASE WHEN S.Quantity < 0 THEN 'ISSUED' ELSE 'Returned' END AS TransactionKind, "
                       "ABS(S.Quantity) AS Quantity, ABS(S.Amount) AS Amount, S.UserID AS Encoder, "
                       "M.GenericName, M.UnitOfMeasure, S.LocationID, "
                       "S.SequenceNumber, COALESCE(S.Remarks, '') AS Remarks "
                       "FROM INVENTORY..tbInvStockCard S "
                       "LEFT OUTER JOIN INVENTORY..TBINVMASTER M ON M.ItemID = S.ItemID "
                       "LEFT OUTER JOIN PASSWORD..tbPasswordMain U ON U.EmployeeID = S.UserID "
                       "WHERE S.IDNum = ? AND S.LocationID = ? ORDER BY S.TransDate, S.SequenceNumber"),
        {idNum.trimmed(), location});
}
} // namespace

double IssuedOnSlip(Connection& c, const QString& idNum, const QString& chargeSlip, const QString& itemID, const QString& location)
{
    const QVariant v = c.scalar(QStringLiteral("SELECT -SUM(Quantity) FROM INVENTORY..tbInvStockCard "
                                               "WHERE IDNum = ? AND RefNum = ? AND ItemID = ? AND LocationID = ?"),
                                {idNum.trimmed(), chargeSlip.trimmed(), itemID.trimmed(), location.trimmed()});
    return qMax(0.0, DbValue::toDouble(v));
}

double clsDrug::QuantityIssued(const QString& idNum, const QString& itemID)
{
    if (!m_conn || itemID.trimmed().isEmpty()) return 0;
    const QVariant v = m_conn->scalar(QStringLiteral("SELECT -SUM(Quantity) FROM INVENTORY..tbInvStockCard WHERE IDNum = ? AND ItemID = ?"),
                                      {idNum.trimmed(), itemID.trimmed()});
    return qMax(0.0, DbValue::toDouble(v));
}

QString clsDrug::CurrentCreditMemo() { return nextOnCounter(m_conn, "CREDITMEMO"); }
QString clsDrug::CurrentAdjustmentSlip() { return nextOnCounter(m_conn, "ADJUSTSLIP"); }
Recordset clsDrug::ListPostedDrugs(const QString& idNum, int) { return postedLines(m_conn, idNum, kMedicines); }
Recordset clsDrug::ListPostedCSR(const QString& idNum, int) { return postedLines(m_conn, idNum, kSupplies); }

QString clsIssuedMedicines::ListIssuedbyDrugs(const QString& idNum, const QString& title)
{
    return pick(idNum, QString(), title);
}

QString clsIssuedMedicines::ShowList(const QString& idNum, const QString& chargeSlip, const QLabel* patientName)
{
    const QString who = patientName ? patientName->text().trimmed() : QString();
    return pick(idNum, chargeSlip, QStringLiteral("Charge Slip %1%2").arg(chargeSlip.trimmed(), who.isEmpty() ? QString() : QStringLiteral(" - ") + who));
}

QString clsIssuedMedicines::pick(const QString& idNum, const QString& chargeSlip, const QString& title)
{
    Chargeslip.clear();
    IssuedQuantity = 0;
    if (!m_conn) return QString();
    QString sql = QStringLiteral("SELECT S.RefNum, S.ItemID, MAX(M.ItemName) AS ItemName, -SUM(S.Quantity) AS Issued "
                                 "FROM INVENTORY..tbInvStockCard S LEFT OUTER JOIN INVENTORY..TBINVMASTER M ON M.ItemID = S.ItemID "
                                 "WHERE S.IDNum = ? AND S.LocationID = ? AND COALESCE(S.RefNum, '') <> '' ");
    QVariantList params{idNum.trimmed(), DrugsORCSR ? kMedicines : kSupplies};
    if (!chargeSlip.trimmed().isEmpty()) {
        sql += QStringLiteral("AND S.RefNum = ? ");
        params << chargeSlip.trimmed();
    }
    sql += QStringLiteral("GROUP BY S.RefNum, S.ItemID HAVING SUM(S.Quantity) < 0 ORDER BY S.RefNum, S.ItemID");
    const Recordset rs = m_conn->query(sql, params);
    QList<QStringList> rows;
    QList<double> issued;
    for (int r = 0; r < rs.recordCount(); ++r) {
        const double q = DbValue::toDouble(rs.valueAt(r, 3));
        rows << QStringList{DbValue::text(rs.valueAt(r, 1)).trimmed(), DbValue::text(rs.valueAt(r, 2)).trimmed(),
                            DbValue::text(rs.valueAt(r, 0)).trimmed(), QString::number(q)};
        issued << q;
    }
    frmCodeSearchList list(title, {QStringLiteral("Code"), QStringLiteral("Item"), QStringLiteral("Charge Slip"), QStringLiteral("Issued")},
                           rows);
    list.setObjectName(QStringLiteral("frmIssuedItems"));
    runModal(&list);
    if (list.ChosenRow < 0 || list.ChosenRow >= rows.size()) return QString();
    Chargeslip = rows[list.ChosenRow][2];
    IssuedQuantity = issued[list.ChosenRow];
    return rows[list.ChosenRow][0];
}

bool Patient::LoadInfo(const QString& idNum)
{
    if (!m_conn || idNum.trimmed().isEmpty()) return false;
    const QString id = idNum.trimmed();
    const bool outPatient = IsOutPatientNumber(id);
    const Recordset rs = outPatient
        ? m_conn->query(QStringLiteral("SELECT O.IDNum, O.HospNum, 'OPD' AS RoomID, '' AS RoomClass, '' AS StationID, '' AS Station, "
                                       "O.RequestingDr AS Doctor, M.LastName, M.FirstName, M.MiddleName, M.Sex, M.BirthDate "
                                       "FROM PATIENT_DATA..TBOUTPATIENT O LEFT OUTER JOIN PATIENT_DATA..tbMaster M ON M.HospNum = O.HospNum "
                                       "WHERE O.IDNum = ?"),
                        {id})
        : m_conn->query(QStringLiteral("SELECT P.IDNum, P.HospNum, P.RoomID, R.RoomClass, R.StationID, S.Station, P.AttendingDr1 AS Doctor, "
                                       "M.LastName, M.FirstName, M.MiddleName, M.Sex, M.BirthDate FROM PATIENT_DATA..tbPatient P "
                                       "LEFT OUTER JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
                                       "LEFT OUTER JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
                                       "LEFT OUTER JOIN STATION..tbNurseStation S ON S.StationID = R.StationID WHERE P.IDNum = ?"),
                        {id});
    if (rs.isEmpty()) return false;
    AdmissionNumber = rs.text(QStringLiteral("IDNum")).trimmed();
    HospitalNumber = rs.text(QStringLiteral("HospNum")).trimmed();
    StationID = rs.text(QStringLiteral("StationID")).trimmed();
    Station = rs.text(QStringLiteral("Station")).trimmed();
    PatientName = QStringLiteral("%1, %2 %3")
                      .arg(rs.text(QStringLiteral("LastName")).trimmed(), rs.text(QStringLiteral("FirstName")).trimmed(),
                           rs.text(QStringLiteral("MiddleName")).trimmed())
                      .trimmed();
    RoomNumber = rs.text(QStringLiteral("RoomID")).trimmed();
    const QString roomClass = rs.text(QStringLiteral("RoomClass")).trimmed();
    Room = roomClass.isEmpty() ? QString() : QStringLiteral("CLASS ") + roomClass;
    Sex = rs.text(QStringLiteral("Sex")).trimmed();
    Age = PatientHeaderRecords::AgeOn(rs.toDateTime(QStringLiteral("BirthDate")), QDate::currentDate());
    Doctor.clear();
    const QString doctor = rs.text(QStringLiteral("Doctor")).trimmed();
    if (!doctor.isEmpty()) {
        const Recordset d = m_conn->query(QStringLiteral("SELECT LastName, FirstName, MiddleName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = ?"),
                                          {doctor});
        Doctor = d.isEmpty() ? doctor
                             : QStringLiteral("%1, %2 %3").arg(d.text(QStringLiteral("LastName")).trimmed(), d.text(QStringLiteral("FirstName")).trimmed(),
                                                               d.text(QStringLiteral("MiddleName")).trimmed()).trimmed();
    }
    return true;
}
