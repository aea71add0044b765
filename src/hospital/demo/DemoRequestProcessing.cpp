// Requests other stations sent the department in every state (open, open STAT, open and printed,
// processed, processed and charged, revoked), one of them for a patient without a department
// case.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QDateTime>
#include <QVariant>

namespace {

void requestProcessing(Connection& c, const DemoScale&)
{
    // A hospital adopted from an earlier build may hold these rows already.
    if (!c.query(QStringLiteral("SELECT 1 FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'RQC442001'")).isEmpty()) return;
    const QDateTime now = c.serverDateTime();
    // Two patients with an open department case, and one in-patient without any.
    const Recordset cases = c.query(QStringLiteral(
        "SELECT P.IDNum, P.HospNum FROM CLINICAL_AREA..tbCLPatient P JOIN PATIENT_DATA..tbPatient A ON A.IDNum = P.IDNum "
        "WHERE P.RecordStatus = 'X' AND P.DateDischarged IS NULL AND A.DcrDate IS NULL ORDER BY P.IDNum DESC LIMIT 2"));
    const Recordset noCase = c.query(QStringLiteral(
        "SELECT IDNum, HospNum FROM PATIENT_DATA..tbPatient WHERE DcrDate IS NULL AND HospNum NOT IN "
        "(SELECT HospNum FROM CLINICAL_AREA..tbCLPatient) ORDER BY IDNum DESC LIMIT 1"));
    const Recordset items = c.query(QStringLiteral(
        "SELECT OtherRevenueID, OtherRevenue, RateA FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'CL' "
        "AND COALESCE(RateA, 0) > 0 ORDER BY OtherRevenueID LIMIT 4"));
    const Recordset stations = c.query(QStringLiteral(
        "SELECT StationID FROM STATION..tbNurseStation WHERE StationID <> 'CL' ORDER BY StationID LIMIT 3"));
    const Recordset doctors = c.query(QStringLiteral("SELECT DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID LIMIT 2"));
    if (items.isEmpty() || (cases.isEmpty() && noCase.isEmpty())) return;

    struct Request { int patient; int item; const char* status; const char* printed; const char* stat; const char* ref; int hoursAgo; };
    // patient: 0 and 1 the department's cases, 2 the patient without one.
    const Request requests[] = {
        {0, 0, nullptr, nullptr, "N", nullptr, 5}, {0, 1, "", nullptr, "Y", nullptr, 4},  {0, 2, nullptr, "P", "Y", nullptr, 3},
        {1, 0, nullptr, "P", "N", nullptr, 2},     {1, 3, "X", "P", "N", nullptr, 30},    {1, 1, "X", nullptr, "N", "CS442001", 50},
        {1, 2, "R", nullptr, "N", nullptr, 26},    {2, 0, nullptr, nullptr, "N", nullptr, 1},
    };
    int n = 0;
    for (const Request& r : requests) {
        const Recordset& who = r.patient < 2 ? cases : noCase;
        const int row = r.patient < 2 ? r.patient : 0;
        if (row >= who.recordCount()) continue;
        const int item = r.item % items.recordCount();
        const QString no = QStringLiteral("RQC442%1").arg(++n, 3, 10, QLatin1Char('0'));
        const QString station = stations.isEmpty() ? QStringLiteral("ER") : stations.textAt(n % stations.recordCount(), QStringLiteral("StationID"));
        const QVariant doctor = doctors.isEmpty() ? QVariant() : QVariant(doctors.textAt(n % doctors.recordCount(), QStringLiteral("DoctorID")));
        const auto text = [](const char* t) { return t ? QVariant(QString::fromLatin1(t)) : QVariant(); };
        const QDateTime when = now.addSecs(-3600LL * r.hoursAgo);
        c.execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, Quantity, "
                                 "RequestDate, RequestingDoctor, StationID, UserID, RecordStatus, Printed, CLForCharging, ReferenceNum, "
                                 "Description, Amount, Stat, Remarks, PatientType) "
                                 "VALUES (?, ?, ?, 'CL', ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'I')"),
                  {no, who.textAt(row, QStringLiteral("IDNum")), who.textAt(row, QStringLiteral("HospNum")),
                   items.textAt(item, QStringLiteral("OtherRevenueID")), when, doctor, station, station + QStringLiteral("-NURSE"),
                   text(r.status), text(r.printed), QString::fromLatin1(r.status).startsWith(QLatin1Char('X')) ? QVariant(QStringLiteral("Y")) : QVariant(),
                   text(r.ref), items.textAt(item, QStringLiteral("OtherRevenue")), items.valueAt(item, QStringLiteral("RateA")),
                   QString::fromLatin1(r.stat), r.stat[0] == 'Y' ? QStringLiteral("PLEASE DO AS SOON AS POSSIBLE") : QString()});
        const bool processed = r.status && r.status[0] == 'X', revoked = r.status && r.status[0] == 'R';
        c.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, "
                                 "ProcessBy, ProcessDate, RevokeBy, RevokeDate, ReferenceNum, StationID) "
                                 "VALUES (?, ?, 'CL', ?, 1, ?, ?, ?, ?, ?, ?, ?)"),
                  {no, who.textAt(row, QStringLiteral("IDNum")), items.textAt(item, QStringLiteral("OtherRevenueID")), text(r.status),
                   processed ? QVariant(QStringLiteral("CL001")) : QVariant(), processed ? QVariant(when.addSecs(1800)) : QVariant(),
                   revoked ? QVariant(QStringLiteral("CL002")) : QVariant(), revoked ? QVariant(when.addSecs(900)) : QVariant(),
                   text(r.ref), station});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(442, "requests to the department in every state", requestProcessing);
