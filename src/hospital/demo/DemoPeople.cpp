#include "hospital/DemoPeople.h"

namespace DemoPeople {

QList<QPair<QString, QString>> rightItems()
{
    return {
        {QStringLiteral("1"), QStringLiteral("Request Exams, Medicines and Supplies")},
        {QStringLiteral("2"), QStringLiteral("Revoke Requests")},
        {QStringLiteral("3"), QStringLiteral("Charging Entry")},
        {QStringLiteral("4"), QStringLiteral("Discharge Patient")},
        {QStringLiteral("5"), QStringLiteral("Transfer Room of Patient")},
        {QStringLiteral("6"), QStringLiteral("Post Diet / Send Clearance and Discharge Order")},
        {QStringLiteral("9"), QStringLiteral("Assessment Entry")},
        {QStringLiteral("10"), QStringLiteral("View Results")},
        {QStringLiteral("11"), QStringLiteral("Update Patient Profile")},
        {QStringLiteral("13"), QStringLiteral("Receivable Entry")},
        {QStringLiteral("18"), QStringLiteral("View Detailed Income Report")},
        {QStringLiteral("19"), QStringLiteral("View Statement of Account")},
        {QStringLiteral("20"), QStringLiteral("Charge Slip Setting")},
        {QStringLiteral("21"), QStringLiteral("View Summary Income Report")},
        {QStringLiteral("22"), QStringLiteral("Revoke Charges and Assessments")},
        {QStringLiteral("29"), QStringLiteral("Supervisor")},
        {QStringLiteral("34"), QStringLiteral("Save, Verify and Delete Cathlab Results")},
        {QStringLiteral("35"), QStringLiteral("Reset Heart Diagram")},
        {QStringLiteral("38"), QStringLiteral("Revoke Packages")},
    };
}

QList<DemoUser> users()
{
    QString all;
    for (const auto& item : rightItems()) all += QLatin1Char('|') + item.first;
    QString allButSupervisor = all;
    allButSupervisor.replace(QStringLiteral("|29|"), QStringLiteral("|"));
    const QStringList cl{QStringLiteral("CL")};
    return {
        {QStringLiteral("CL001"), QStringLiteral("DELA CRUZ"), QStringLiteral("ANA"), QStringLiteral("MARQUEZ"),
         QStringLiteral("ADC"), QStringLiteral("CL"), QStringLiteral("HEAD NURSE"), QStringLiteral("CATH1"), cl, all},
        {QStringLiteral("CL002"), QStringLiteral("REYES"), QStringLiteral("JOSE"), QStringLiteral("LUNA"),
         QStringLiteral("JLR"), QStringLiteral("CL"), QStringLiteral("STAFF NURSE"), QStringLiteral("CATH2"), cl, allButSupervisor},
        {QStringLiteral("CL003"), QStringLiteral("LIM"), QStringLiteral("GRACE"), QStringLiteral("SY"),
         QStringLiteral("GSL"), QStringLiteral("CL"), QStringLiteral("NURSING AIDE"), QStringLiteral("CATH3"), cl, QString()},
        {QStringLiteral("CL004"), QStringLiteral("O'BRIEN"), QStringLiteral("PATRICK"), QStringLiteral(""),
         QStringLiteral("PO"), QStringLiteral("CL"), QStringLiteral("RADIOLOGIC TECHNOLOGIST"), QStringLiteral("Ñandú1"), cl,
         QStringLiteral("|1|3|10")},
        {QStringLiteral("XR001"), QStringLiteral("VILLAR"), QStringLiteral("MARK"), QStringLiteral("TAN"),
         QStringLiteral("MTV"), QStringLiteral("23"), QStringLiteral("RADIOLOGIC TECHNOLOGIST"), QStringLiteral("XRAY1"),
         QStringList{QStringLiteral("XR")}, QStringLiteral("|1")},
    };
}

} // namespace DemoPeople
