#include "assessment/ClinicalAssessmentData.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobalsRoutines.h"

#include <cmath>

namespace {
// Rounded to 15 significant digits through its decimal text, as the grid keeps numbers.
double round15(double value) { return QString::number(value, 'g', 15).toDouble(); }
} // namespace

QString ClinicalNumberText(double value)
{
    const QString text = QString::number(round15(value), 'g', 15);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

double ClinicalCellNumber(const QString& text) { return Fmt::val(text); }

bool ClinicalCellIsNumber(const QString& text) { return !text.trimmed().isEmpty() && Fmt::isNumeric(text); }

double ClinicalStatAmount(double unitPrice, double quantity)
{
    return round15(round15(unitPrice * quantity) + round15(0.3 * unitPrice));
}

double ClinicalPSIAmount(double unitPrice, double consumedPSI)
{
    return consumedPSI >= 100 ? round15(unitPrice * consumedPSI / 100) : unitPrice;
}

double ClinicalPSIStatAmount(double psiAmount, double unitPrice) { return round15(psiAmount + round15(0.3 * unitPrice)); }

QString ClinicalRateClass(Connection& c, const QString& idNum, const QString& room)
{
    if (IsOutPatientNumber(idNum)) return QStringLiteral("A");
    return GetRoomClassification(c, room).trimmed();
}

double ClinicalPFAmountByClass(Connection& c, const QString& idNum, const QString& room, const QString& itemCode)
{
    try {
        const QString rateClass = ClinicalRateClass(c, idNum, room);
        if (rateClass.isEmpty()) return 0;
        const Recordset rs = c.call(QStringLiteral("Station..Nurse_GetPFAmountByClass"), {itemCode, rateClass});
        return rs.isEmpty() ? 0 : DbValue::toDouble(rs.valueAt(0, QStringLiteral("Rate")));
    } catch (const std::exception& e) {
        // The fee is an addition: without it the exam keeps its class rate.
        LogPassedOverError(QStringLiteral("ClinicalPFAmountByClass"), e);
        return 0;
    }
}

Recordset ClinicalAssessmentStatus(Connection& c, const QString& idNum)
{
    return c.call(QStringLiteral("STATION..sp_Nurse_Clinical_AssessmentStatus"), {idNum, QStringLiteral("CL")});
}
