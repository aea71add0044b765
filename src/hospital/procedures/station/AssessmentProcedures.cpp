// Stand-ins of the STATION procedures of the cash and clinical assessments: a line of an assessment,
// the stock items of an assessed package, the slip's print lines, the two status lists, the
// revocation, and the oxygen consumption record with the tank's use.
#include "hospital/procedures/RowsAffected.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"
#include "platform/text/Format.h"

#include <QLocale>

namespace {

double assessNumberArg(const ProcedureArgs& a, int i) { return Fmt::val(a.text(i)); }

// The date argument of a save: a date-time parameter, or its text "mm/dd/yyyy hh:mm:ss AM/PM".
QDateTime assessDateArg(const ProcedureArgs& a, int i)
{
    const QVariant v = a.at(i);
    if (v.userType() == QMetaType::QDateTime) return v.toDateTime();
    const QString t = a.text(i).trimmed();
    for (const char* form : {"MM/dd/yyyy hh:mm:ss AP", "MM/dd/yyyy h:mm:ss AP", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss"}) {
        const QDateTime dt = QLocale::c().toDateTime(t, QString::fromLatin1(form));
        if (dt.isValid()) return dt;
    }
    return DbValue::toDateTime(v);
}

// What an assessment line is: the stock item, the service of the department or the doctor.
QString assessLineDescription(Connection& c, const QString& department, const QString& item)
{
    const QVariant v = c.scalar(
        QStringLiteral("SELECT COALESCE((SELECT OtherRevenue FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = ? AND OtherRevenueID = ?), "
                       "(SELECT TRIM(COALESCE(ItemName, '') || ' ' || COALESCE(UnitOfMeasure, '')) FROM INVENTORY..TBINVMASTER WHERE ItemID = ?), "
                       "(SELECT TRIM(COALESCE(LastName, '')) || ' ,' || TRIM(COALESCE(FirstName, '')) FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = ?), "
                       "'') AS Description"),
        {department, item, item, item});
    return DbValue::text(v);
}

// Arguments (twelve): hospital number, admission, patient name, date, item, quantity, assessment
// number, amount, user, department, requesting doctor's code and name; a clinical line adds remarks
// and specimen. One pending line of the assessment.
Recordset assessmentEntry(Connection& c, const ProcedureArgs& a)
{
    const QString assessNum = a.text(6).trimmed();
    if (assessNum.isEmpty()) throw DbError(QStringLiteral("An assessment line needs its assessment number."));
    const bool clinical = a.count() > 12;
    const QString department = a.text(9).trimmed(), item = a.text(4).trimmed();
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLAssessment (AssessNum, AssessType, HospNum, IDNum, PatientName, TransDate, RevenueID, "
                             "ItemID, Description, Quantity, Amount, UserID, RequestDocID, RequestDocName, Remarks, SpecimenID, Status) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'PENDING')"),
              {assessNum, clinical ? QStringLiteral("CLINICAL") : QStringLiteral("CASH"), a.text(0).trimmed(), a.text(1).trimmed(),
               a.text(2).trimmed(), assessDateArg(a, 3), department, item, assessLineDescription(c, department, item), assessNumberArg(a, 5),
               assessNumberArg(a, 7), a.text(8).trimmed(), a.text(10).trimmed(), a.text(11).trimmed(), clinical ? a.text(12) : QString(),
               clinical ? a.text(13).trimmed() : QString()});
    return RowsAffected(1);
}

// Arguments: hospital number, admission, patient name, date, item, quantity, assessment number,
// amount, user, revenue, package. One stock item of an assessed package.
Recordset assessmentPackageItem(Connection& c, const ProcedureArgs& a)
{
    const QString assessNum = a.text(6).trimmed();
    if (assessNum.isEmpty()) throw DbError(QStringLiteral("A package item needs its assessment number."));
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLAssessPackageItems (AssessNum, HospNum, IDNum, PatientName, TransDate, ItemID, Quantity, "
                             "Amount, UserID, RevenueID, PackageID, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'PENDING')"),
              {assessNum, a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), assessDateArg(a, 3), a.text(4).trimmed(),
               assessNumberArg(a, 5), assessNumberArg(a, 7), a.text(8).trimmed(), a.text(9).trimmed(), a.text(10).trimmed()});
    return RowsAffected(1);
}

// Argument: assessment number. The slip's lines made afresh from the assessment's lines that are
// not revoked; the rows of other assessments are left alone.
Recordset printAssessment(Connection& c, const ProcedureArgs& a)
{
    const QString assessNum = a.text(0).trimmed();
    TransactionGuard tx(c);
    c.execute(QStringLiteral("DELETE FROM STATION..tbCLAssessPrint WHERE AssessNum = ?"), {assessNum});
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLAssessPrint (AssessNum, RevenueID, ItemID, Description, Quantity, Amount, Remarks) "
                             "SELECT AssessNum, RevenueID, ItemID, Description, Quantity, Amount, Remarks FROM STATION..tbCLAssessment "
                             "WHERE AssessNum = ? AND Status <> 'REVOKED' ORDER BY LineID"),
              {assessNum});
    tx.commit();
    return Recordset();
}

// The columns of both status lists, in list order from column 1: the line's key for the
// revocation, the requesting doctor, department, item, amount, assessment number, quantity,
// description, date and time, user, status and remarks.
const QStringList kAssessStatusColumns = {QStringLiteral("LineKey"),  QStringLiteral("RequestedBy"), QStringLiteral("Dept"),
                                    QStringLiteral("ItemCode"), QStringLiteral("Amount"),      QStringLiteral("AssessNum"),
                                    QStringLiteral("Qty"),      QStringLiteral("Description"), QStringLiteral("TransDate"),
                                    QStringLiteral("UserID"),   QStringLiteral("Status"),      QStringLiteral("Remarks")};

// The status a list shows: PENDING and REVOKED as stored; a paid line by the list's word for it.
using PaidText = QString (*)(const Recordset&, int);

void addAssessLines(Recordset& out, const Recordset& rs, PaidText paid)
{
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QString status = rs.textAt(r, QStringLiteral("Status")).trimmed();
        const QDateTime when = DbValue::toDateTime(rs.valueAt(r, QStringLiteral("TransDate")));
        out.addRow({rs.textAt(r, QStringLiteral("LineKey")), rs.textAt(r, QStringLiteral("RequestDocName")),
                    rs.textAt(r, QStringLiteral("RevenueID")), rs.textAt(r, QStringLiteral("ItemID")),
                    Fmt::amount(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Amount")))), rs.textAt(r, QStringLiteral("AssessNum")),
                    Fmt::number(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Quantity"))), QStringLiteral("#,##0")),
                    rs.textAt(r, QStringLiteral("Description")), when.isValid() ? Fmt::serverDateText(when) : QString(),
                    rs.textAt(r, QStringLiteral("UserID")),
                    status == QLatin1String("PENDING") || status == QLatin1String("REVOKED") ? status : paid(rs, r),
                    rs.textAt(r, QStringLiteral("Remarks"))});
    }
}

Recordset readAssessLines(Connection& c, const QString& idNum, const QString& type)
{
    return c.query(QStringLiteral("SELECT CAST(LineID AS VARCHAR(20)) AS LineKey, RequestDocName, RevenueID, ItemID, Amount, AssessNum, "
                                  "Quantity, Description, TransDate, UserID, Status, ORNumber, Remarks FROM STATION..tbCLAssessment "
                                  "WHERE IDNum = ? AND (? = '' OR AssessType = ?) ORDER BY TransDate, LineID"),
                   {idNum, type, type});
}

// Argument: admission. The admission's cash assessment lines; a paid line shows its receipt.
Recordset cashAssessmentStatus(Connection& c, const ProcedureArgs& a)
{
    Recordset out(kAssessStatusColumns, {});
    addAssessLines(out, readAssessLines(c, a.text(0).trimmed(), QStringLiteral("CASH")), [](const Recordset& rs, int r) {
        const QString receipt = rs.textAt(r, QStringLiteral("ORNumber")).trimmed();
        return receipt.isEmpty() ? rs.textAt(r, QStringLiteral("Status")).trimmed() : receipt;
    });
    return out;
}

// Arguments: admission and, from the clinical window, the station. With the station: the
// admission's clinical assessment lines; without (the workspace's request page): every assessment
// line of the admission, cash ones included, and the assessments kept from before lines were
// recorded. A paid line shows "Given".
Recordset clinicalAssessmentStatus(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0).trimmed();
    const bool fromWindow = a.count() > 1;
    Recordset out(kAssessStatusColumns, {});
    addAssessLines(out, readAssessLines(c, idNum, fromWindow ? QStringLiteral("CLINICAL") : QString()),
             [](const Recordset&, int) { return QStringLiteral("Given"); });
    if (fromWindow) return out;
    const Recordset old = c.query(QStringLiteral("SELECT AssessNum AS LineKey, '' AS RequestDocName, RevenueID, ItemID, Amount, AssessNum, "
                                                 "Quantity, Description, TransDate, UserID, Status, '' AS Remarks "
                                                 "FROM STATION..tbNurseClinicalAssessment WHERE IDNum = ? ORDER BY TransDate, AssessNum"),
                                  {idNum});
    addAssessLines(out, old, [](const Recordset& rs, int r) { return rs.textAt(r, QStringLiteral("Status")).trimmed(); });
    return out;
}

// Arguments: admission, the line's key (from the status lists), user, reason. Revokes the whole
// assessment of that line, with its package items, only while every line of it is still pending;
// the status is read again here, inside the revocation. Answers Revoked (1 or 0) and the Status
// the assessment had when it was not revoked.
Recordset revokeAssessment(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0).trimmed(), key = a.text(1).trimmed();
    Recordset out({QStringLiteral("Revoked"), QStringLiteral("Status")}, {});
    bool isLine = !key.isEmpty();
    for (const QChar ch : key) isLine = isLine && ch.isDigit();
    TransactionGuard tx(c);
    const Recordset line = isLine ? c.query(QStringLiteral("SELECT AssessNum FROM STATION..tbCLAssessment WHERE LineID = ? AND IDNum = ?"),
                                            {key.toLongLong(), idNum})
                                  : Recordset();
    if (line.isEmpty()) {
        out.addRow({0, QString()});
        return out;
    }
    const QString assessNum = line.text(QStringLiteral("AssessNum"));
    const Recordset other = c.query(QStringLiteral("SELECT Status, ORNumber FROM STATION..tbCLAssessment WHERE AssessNum = ? AND Status <> 'PENDING' "
                                                   "ORDER BY LineID LIMIT 1"),
                                    {assessNum});
    if (!other.isEmpty()) {
        const QString status = other.text(QStringLiteral("Status")).trimmed();
        out.addRow({0, status});
        return out;
    }
    const QDateTime now = c.serverDateTime();
    const int n = c.execute(QStringLiteral("UPDATE STATION..tbCLAssessment SET Status = 'REVOKED', RevokeBy = ?, RevokeDate = ?, RevokeReason = ? "
                                           "WHERE AssessNum = ? AND Status = 'PENDING'"),
                            {a.text(2).trimmed(), now, a.text(3), assessNum});
    c.execute(QStringLiteral("UPDATE STATION..tbCLAssessPackageItems SET Status = 'REVOKED' WHERE AssessNum = ? AND Status = 'PENDING'"),
              {assessNum});
    tx.commit();
    out.addRow({n > 0 ? 1 : 0, n > 0 ? QStringLiteral("REVOKED") : QString()});
    return out;
}

// Arguments, as the saves send them: admission, slip or assessment number, item, initial reading,
// last reading, quantity, amount, tank number, user, station. The consumption record, and the
// tank's use from which its next reading starts.
Recordset saveOxygenMonitoring(Connection& c, const ProcedureArgs& a)
{
    const QString tank = a.text(7).trimmed();
    const QDateTime now = c.serverDateTime();
    const QVariant tankNumber = Fmt::isNumeric(tank) ? QVariant(Fmt::val(tank)) : QVariant();
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseOxygenMonitoring (IDNum, RefNum, ItemID, TankNum, TankNumber, InitialReading, "
                             "Quantity, Amount, LastReading, UserID, StationID, TransDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), tankNumber, tank, assessNumberArg(a, 3), assessNumberArg(a, 5),
               assessNumberArg(a, 6), assessNumberArg(a, 4), a.text(8), a.text(9), now});
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbCSROxygen (ItemID, TankNum, TransDate, InitialR, LastR, IDNum, RefNum, UserID, StationID) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(2).trimmed(), tank, now, assessNumberArg(a, 3), assessNumberArg(a, 4), a.text(0).trimmed(), a.text(1).trimmed(), a.text(8),
               a.text(9)});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_CL_AssessmentEntry", assessmentEntry);
CATHLAB_PROCEDURE("STATION..sp_CL_AssessmentEntry_PackageItems", assessmentPackageItem);
CATHLAB_PROCEDURE("STATION..sp_CL_PrintAssessment", printAssessment);
CATHLAB_PROCEDURE("STATION..sp_CL_AssessmentStatus", cashAssessmentStatus);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Clinical_AssessmentStatus", clinicalAssessmentStatus);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Revoke_Assessment", revokeAssessment);
CATHLAB_PROCEDURE("STATION..sp_Save_Oxygen_Monitoring", saveOxygenMonitoring);
