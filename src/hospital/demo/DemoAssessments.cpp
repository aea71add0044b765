// The assessments of the demo hospital: the assessment counter, oxygen by PSI, and for the first
// cash-basis admission a pending and a paid cash assessment; a tank used partly.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void assessments(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = 2001 WHERE StationID = 'CL' AND AssessNum IS NULL"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, "
                             "RateD, RateE, RateF, RateG, RateH, FixRate, Status) SELECT 'OX', 'OX001', 'OXYGEN PER 100 PSI', ?, ?, ?, ?, ?, ?, "
                             "?, ?, 'N', 'A' WHERE NOT EXISTS (SELECT 1 FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'OX' "
                             "AND OtherRevenueID = 'OX001')"),
              DemoData::ClassRates(150));
    // The first in-patient whose account is under cash basis for the department.
    const Recordset px = c.query(QStringLiteral("SELECT P.IDNum, P.HospNum, TRIM(COALESCE(M.LastName, '')) || ', ' || TRIM(COALESCE(M.FirstName, '')) "
                                                "AS PatientName FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbPatient2 P2 ON P2.IDNum = P.IDNum "
                                                "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
                                                "WHERE COALESCE(P2.OkeyCL, 0) = 0 AND P.BillingDate IS NULL ORDER BY P.IDNum LIMIT 1"));
    const QDateTime now = c.serverDateTime();
    if (!px.isEmpty()) {
        const QString sql = QStringLiteral("INSERT INTO STATION..tbCLAssessment (AssessNum, AssessType, HospNum, IDNum, PatientName, TransDate, "
                                           "RevenueID, ItemID, Description, Quantity, Amount, UserID, Status, ORNumber, PaidDate) "
                                           "VALUES (?, 'CASH', ?, ?, ?, ?, ?, ?, ?, ?, ?, 'CL001', ?, ?, ?)");
        const struct { const char* num; const char* dept; const char* item; const char* name; double qty, amount; const char* status;
                       const char* receipt; int daysAgo; } lines[] = {
            {"CL1998", "HS", "HS001", "ECG 12 LEADS", 1, 450, "PAID", "OR556012", 2},
            {"CL1998", "OX", "OX001", "OXYGEN PER 100 PSI", 250, 375, "PAID", "OR556012", 2},
            {"CL2000", "HS", "HS001", "ECG 12 LEADS", 1, 450, "PENDING", nullptr, 0}};
        for (const auto& l : lines)
            c.execute(sql, {QString::fromLatin1(l.num), px.text(QStringLiteral("HospNum")), px.text(QStringLiteral("IDNum")),
                            px.text(QStringLiteral("PatientName")), now.addDays(-l.daysAgo), QString::fromLatin1(l.dept),
                            QString::fromLatin1(l.item), QString::fromLatin1(l.name), l.qty, l.amount, QString::fromLatin1(l.status),
                            l.receipt ? QVariant(QString::fromLatin1(l.receipt)) : QVariant(QMetaType(QMetaType::QString)),
                            l.receipt ? QVariant(now.addDays(-l.daysAgo)) : QVariant(QMetaType(QMetaType::QDateTime))});
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbCSROxygen (ItemID, TankNum, TransDate, InitialR, LastR, IDNum, RefNum, UserID, StationID) "
                                 "VALUES ('OX001', '105', ?, 2000, 1750, ?, 'CL1998', 'CL001', 'CL')"),
                  {now.addDays(-2), px.text(QStringLiteral("IDNum"))});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(437, "assessments: counter, oxygen service, a pending and a paid cash assessment, a tank", assessments,
                     "STATION..tbCLAssessment");
