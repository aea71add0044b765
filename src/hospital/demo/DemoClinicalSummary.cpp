// What the clinical summary page shows of the demo patients: birth place, religion and family
// names of the first patients, and a CT-scan examination of the second stay.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <QDateTime>

namespace {

void clinicalSummary(Connection& c, const DemoScale&)
{
    const char* places[] = {"MALOLOS, BULACAN", "MANILA", "CEBU CITY", "SAN FERNANDO, PAMPANGA", "ILOILO CITY"};
    const char* religions[] = {"ROMAN CATHOLIC", "IGLESIA NI CRISTO", "ROMAN CATHOLIC", "BAPTIST", "ISLAM"};
    const char* fathers[] = {"RAMON", "JOSE", "PEDRO", "ERNESTO", "MANUEL"};
    const char* mothers[] = {"LOURDES", "CARMEN", "ROSARIO", "TERESA", "MILAGROS"};
    const Recordset master =
        c.query(QStringLiteral("SELECT HospNum, LastName, CivilStatus FROM PATIENT_DATA..tbMaster ORDER BY HospNum LIMIT 20"));
    for (int r = 0; r < master.recordCount(); ++r) {
        const QString last = master.textAt(r, QStringLiteral("LastName")).trimmed();
        const bool married = master.textAt(r, QStringLiteral("CivilStatus")).trimmed() == QLatin1String("MARRIED");
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMasterPersonal (HospNum, BirthPlace, Religion, SpouseName, FatherName, "
                                 "MotherName) VALUES (?, ?, ?, ?, ?, ?)"),
                  {master.textAt(r, QStringLiteral("HospNum")), QString::fromLatin1(places[r % 5]), QString::fromLatin1(religions[r % 5]),
                   married && r % 4 != 3 ? QVariant(QStringLiteral("MARIA ") + last) : QVariant(QMetaType(QMetaType::QString)),
                   QString::fromLatin1(fathers[r % 5]) + QLatin1Char(' ') + last,
                   QString::fromLatin1(mothers[r % 5]) + QStringLiteral(" SANTOS ") + last});
    }
    const Recordset adm = c.query(QStringLiteral("SELECT IDNum, AdmDate FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 2"));
    if (adm.recordCount() == 2) {
        const QDateTime when = DbValue::toDateTime(adm.valueAt(1, QStringLiteral("AdmDate")));
        c.execute(QStringLiteral("INSERT INTO RADIOLOGY..tbRadExamResults (IDNum, Kind, Examination, ExamDate, Interpretation) VALUES "
                                 "(?, '4', 'CT CORONARY ANGIOGRAPHY', ?, 'CALCIUM SCORE 120. 50% STENOSIS OF THE PROXIMAL LAD.')"),
                  {adm.textAt(1, QStringLiteral("IDNum")), when.addSecs(5400)});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(420, "clinical summary details of the demo patients", clinicalSummary, "PATIENT_DATA..tbMasterPersonal");
