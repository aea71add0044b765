#include "shared/doctors/DoctorFees.h"

#include "shared/lookups/LookupSupport.h"

namespace {
const QString kCountingItems = QStringLiteral("FROM BUILD_FILE..tbCoDoctorBill WHERE DoctorID = ? AND Status = 1 AND Amount > 0");
}

bool DoctorHasFeeItems(Connection& c, const QString& doctorID)
{
    return !c.query(QStringLiteral("SELECT 1 AS Found ") + kCountingItems + QStringLiteral(" LIMIT 1"), {doctorID.trimmed()}).isEmpty();
}

QList<DoctorFeeItem> DoctorFeeItems(Connection& c, const QString& doctorID)
{
    const Recordset rs = c.query(QStringLiteral("SELECT Description, Amount ") + kCountingItems +
                                     QStringLiteral(" ORDER BY Description, DoctorBillID"),
                                 {doctorID.trimmed()});
    QList<DoctorFeeItem> items;
    for (int r = 0; r < rs.recordCount(); ++r)
        items.append({DbValue::text(rs.valueAt(r, 0)), DbValue::toDouble(rs.valueAt(r, 1))});
    return items;
}

double DoctorRateForClass(Connection& c, const QString& doctorID, const QString& rateClass)
{
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_Get_Doctors_Rate"), {doctorID.trimmed(), rateClass.trimmed()});
    return rs.isEmpty() ? 0.0 : Lookup::numberOf(rs.value(QStringLiteral("Amount")));
}
