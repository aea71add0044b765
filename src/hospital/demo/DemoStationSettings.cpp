// The station's settings (mark-ups, the PHIC procedure list and the RVS codes of the department's
// procedures) and what the main window watches for: schedule requests and a discharge notice.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <QDateTime>

namespace {

const QVariant kNull;

void markups(Connection& c, const DemoScale&)
{
    struct Markup { const char *id, *description; double value; const char *status, *op; };
    const Markup rows[] = {{"001", "HOLIDAY SURCHARGE", 0.30, "A", "*"},
                           {"002", "STAT PROCEDURE", 0.60, "A", "*"},
                           {"003", "SPECIAL HANDLING FEE", 500, "A", "+"},
                           {"004", "NIGHT DIFFERENTIAL", 0.10, "I", "*"}};
    for (const Markup& m : rows)
        c.execute(QStringLiteral("INSERT INTO STATION..tbCLMarkUp (MarkupID, MarkUp, Description, Status, Operation) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {QString::fromLatin1(m.id), m.value, QString::fromLatin1(m.description), QString::fromLatin1(m.status),
                   QString::fromLatin1(m.op)});
}

void phicProcedures(Connection& c, const DemoScale&)
{
    struct Rvs { const char *code, *description; QVariant unit; };
    const Rvs rows[] = {
        {"93451", "Right heart catheterization including measurement of oxygen saturation and cardiac output", 40},
        {"93452", "Left heart catheterization including intraprocedural injection for left ventriculography", 45},
        {"93454", "Catheter placement in coronary artery for coronary angiography, with imaging supervision", 50},
        {"93458", "Coronary angiography with left heart catheterization and left ventriculography", 65},
        {"92920", "Percutaneous transluminal coronary angioplasty, single major coronary artery", 120},
        {"92928", "Percutaneous transcatheter placement of intracoronary stent, single major coronary artery", 140},
        {"33208", "Insertion of new or replacement of permanent pacemaker with atrial and ventricular leads", 110},
        {"33210", "Insertion of temporary transvenous single chamber cardiac electrode or pacemaker catheter", 35},
        {"33967", "Insertion of intra-aortic balloon assist device, percutaneous", 60},
        {"33010", "Pericardiocentesis, initial", 30},
        {"47562", "Laparoscopic cholecystectomy", 90},
        {"59400", "Routine obstetric care including antepartum care and vaginal delivery", 70},
    };
    for (const Rvs& r : rows) {
        const QString code = QString::fromLatin1(r.code);
        c.execute(QStringLiteral("INSERT INTO MEDICARE..TBMED_PROCEDURES (RVSCODE, DESCRIPTION, PACKAGEID) VALUES (?, ?, ?)"),
                  {code, QString::fromLatin1(r.description), QString()});
        c.execute(QStringLiteral("INSERT INTO MEDICARE..TBMEDRVS (NODE_KEY, UNIT, DESCRIPTION) VALUES (?, ?, ?)"),
                  {code, r.unit, QString::fromLatin1(r.description).toUpper()});
    }
    // a code whose procedure row has no description of its own: the scale's is taken
    c.execute(QStringLiteral("INSERT INTO MEDICARE..TBMED_PROCEDURES (RVSCODE, DESCRIPTION, PACKAGEID) VALUES ('93503', NULL, '')"));
    c.execute(QStringLiteral("INSERT INTO MEDICARE..TBMEDRVS (NODE_KEY, UNIT, DESCRIPTION) VALUES "
                             "('93503', 20, 'INSERTION AND PLACEMENT OF FLOW DIRECTED CATHETER (SWAN-GANZ)')"));

    // the RVS codes allowed for the department's own procedures
    const char* links[][2] = {{"CL001", "93454"}, {"CL001", "93458"}, {"CL002", "92920"}, {"CL002", "92928"},
                              {"CL003", "33208"}, {"CL004", "93451"}, {"CL004", "93503"}, {"CL005", "33967"},
                              {"CL101", "93452"}, {"CL102", "92920"}, {"CL103", "33208"}, {"CL104", "33210"},
                              {"CL105", "33010"}, {"CL106", "33967"}};
    for (const auto& l : links)
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLRVS (ItemID, RVSCode) VALUES (?, ?)"),
                  {QString::fromLatin1(l[0]), QString::fromLatin1(l[1])});
}

// A pending and a confirmed schedule request (start times kept as the schedule entry keeps them,
// "HH:mm:ss"), and a final discharge notice the department has not cleared yet (the announcer's notice).
void watchedRows(Connection& c, const DemoScale&)
{
    const QDateTime now = c.serverDateTime();
    const Recordset adm = c.query(QStringLiteral("SELECT IDNum, HospNum FROM PATIENT_DATA..tbPatient "
                                                 "WHERE DcrDate IS NULL ORDER BY IDNum LIMIT 3"));
    if (adm.recordCount() < 3) return;
    const QString insert = QStringLiteral(
        "INSERT INTO SCHEDULE..TBCLSCHEDULE (IDNum, RequestedBy, ScheduleDate, StartTime, ProcedureName, Remarks, RECORDSTATUS, "
        "RequestDate, ConfirmedBy, ConfirmDate) VALUES (?, 'CL002', ?, ?, ?, ?, ?, ?, ?, ?)");
    c.execute(insert, {adm.textAt(0, QStringLiteral("IDNum")), QDateTime(now.date().addDays(1), QTime(0, 0)),
                       QStringLiteral("09:00:00"), QStringLiteral("CORONARY ANGIOGRAPHY"), QStringLiteral("NPO POST MIDNIGHT"),
                       QStringLiteral("P"), now.addSecs(-3600), kNull, kNull});
    c.execute(insert, {adm.textAt(1, QStringLiteral("IDNum")), QDateTime(now.date().addDays(2), QTime(0, 0)),
                       QStringLiteral("13:30:00"), QStringLiteral("PTCA - SINGLE VESSEL"), QString(), QStringLiteral("C"),
                       now.addDays(-1), QStringLiteral("CL001"), now.addSecs(-7200)});
    c.execute(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, HospNum, RecordStatus, OrderedDate, BillUpTo, "
                             "FinalDiagnosis, Remarks, Noticedate, UserID) VALUES (?, ?, 'F', ?, ?, ?, ?, ?, '2F011')"),
              {adm.textAt(2, QStringLiteral("IDNum")), adm.textAt(2, QStringLiteral("HospNum")), now.addSecs(-5400),
               QDateTime(now.date(), QTime(0, 0)), QStringLiteral("STABLE ANGINA, S/P CORONARY ANGIOGRAPHY"),
               QStringLiteral("FOR CLEARANCE OF ALL DEPARTMENTS"), now.addSecs(-5400)});
}

} // namespace

CATHLAB_DEMO_SECTION(300, "mark-ups", markups, "STATION..tbCLMarkUp");
CATHLAB_DEMO_SECTION(310, "PHIC procedures and RVS codes", phicProcedures, "MEDICARE..TBMEDRVS");
CATHLAB_DEMO_SECTION(320, "schedule requests and a discharge notice", watchedRows, "SCHEDULE..TBCLSCHEDULE");
