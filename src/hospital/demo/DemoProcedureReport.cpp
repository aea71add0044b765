// What the procedure report needs: the exams' result formats, the procedure rooms, nurses and a
// radiologic technologist for the staff picker, interpretation templates, the doctor and processor
// of the department's requests, a verified and a draft angiogram result, and measured stays.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QDateTime>
#include <QVariant>

namespace {

const char* const kTemplateCath =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}{\\colortbl ;\\red0\\green0\\blue128;}\n"
    "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\fs24 CORONARY ANGIOGRAPHY\\cf0\\b0\\fs20\\par\n"
    "\\pard\\b LEFT MAIN:\\b0  Normal caliber, no significant stenosis.\\par\n"
    "\\b LEFT ANTERIOR DESCENDING:\\b0  \\par\n"
    "\\b LEFT CIRCUMFLEX:\\b0  \\par\n"
    "\\b RIGHT CORONARY ARTERY:\\b0  \\par\n"
    "\\par\n\\b\\ul IMPRESSION\\ulnone\\b0\\par\n"
    "{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\\fi-360\\li360 \\par\n}";

const char* const kTemplatePtca =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}\\pard\\b PTCA REPORT\\b0\\par "
    "Target lesion: \\par Stent deployed: \\par Final TIMI flow: \\par}";

void procedureReport(Connection& c, const DemoScale&)
{
    const QList<QPair<QString, QString>> formats = {
        {QStringLiteral("CL101"), QStringLiteral("A")}, {QStringLiteral("CL102"), QStringLiteral("A")},
        {QStringLiteral("CL104"), QStringLiteral("4")}, {QStringLiteral("CL106"), QStringLiteral("A")}};
    for (const auto& [item, format] : formats)
        c.execute(QStringLiteral("UPDATE BUILD_FILE..TBCOOTHERREVENUE SET ResultFormat = ? WHERE OtherRevenueID = ? AND OtherSectionID = 'CL'"),
                  {format, item});
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLRooms (Room, Status) VALUES ('CATHLAB 1', 'Y'), ('CATHLAB 2', 'Y'), "
                             "('HYBRID OR', 'Y'), ('OLD CATHLAB', 'N')"));
    c.execute(QStringLiteral("INSERT INTO PASSWORD..tbPasswordMain (EmployeeID, LastName, FirstName, MiddleName, Initial, "
                             "OriginalDepartment, Position, Status) VALUES "
                             "('N0101', 'CRUZ', 'BEATRIZ', 'SALAS', 'BSC', '29', 'STAFF NURSE', 'A'), "
                             "('N0102', 'CRUZADO', 'LEAH', NULL, 'LC', '29', 'STAFF NURSE', 'A'), "
                             "('N0103', 'MARASIGAN', 'JOEL', 'PADILLA', 'JPM', '29', 'SCRUB NURSE', 'A'), "
                             "('CRU', 'TAMAYO', 'ROMEO', 'UY', 'RUT', '29', 'CIRCULATING NURSE', 'A'), "
                             "('RT0201', 'GALANG', 'NESTOR', 'REYES', 'NRG', 'IMG', 'RADIOLOGIC TECHNOLOGIST', 'A')"));
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..TBCLINTERPRETATION (ExamID, Interpretation, Description) VALUES (?, ?, ?)"),
              {QStringLiteral("CL101"), QString::fromLatin1(kTemplateCath), QStringLiteral("LEFT HEART CATHETERIZATION")});
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..TBCLINTERPRETATION (ExamID, Interpretation, Description) VALUES (?, ?, ?)"),
              {QStringLiteral("CL102"), QString::fromLatin1(kTemplatePtca), QStringLiteral("PTCA - MULTIVESSEL")});
    c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET DoctorID = 'D002', ProcessedBy = 'CL002' WHERE RevenueID = 'CL'"));

    const QDateTime performed(QDate(2026, 12, 4), QTime(0, 0));
    const QString insert = QStringLiteral(
        "INSERT INTO CLINICAL_AREA..tbCL_Angiogram (RequestNum, DatePerformed, TimeStarted, TimeEnded, ResultDate, BSA, Height, Weight, "
        "Race, UserID, OutOfCCL, ReferringID, Referring, InterventionistID, Interventionist, RadTechID, RadTech, ScrubID, Scrub, "
        "CathLabRoom, ResultRTF, RVSCode, CircID, Circ, PhysioID, Physio, AnesID, Anes, CaseNo, RVSCode2, RVSCode3, TransDate) "
        "VALUES (?, ?, ?, ?, ?, '1.82', '170', '70', 'FILIPINO', 'CL001', ?, 'D002', 'MAGSAYSAY, ELENA', 'D001', "
        "'VILLAREAL, ANTONIO', 'RT0201', 'GALANG ,NESTOR REYES', 'N0103', 'MARASIGAN ,JOEL PADILLA', ?, ?, '93452', "
        "'N0101', 'CRUZ ,BEATRIZ SALAS', 'N0102', 'CRUZADO ,LEAH ', 'D004', 'LACSON, TERESITA', '', '', '', ?)");
    const QString verified = QStringLiteral(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}\\pard\\b LEFT MAIN:\\b0  Normal.\\par "
        "\\b LAD:\\b0  70% proximal stenosis.\\par \\b RCA:\\b0  Dominant, no significant disease.\\par "
        "\\b\\ul IMPRESSION\\ul0\\b0\\par Single vessel coronary artery disease.\\par}");
    c.execute(insert, {QStringLiteral("CL0000051"), performed, QDateTime(QDate(1900, 1, 1), QTime(9, 15)),
                       QDateTime(QDate(1900, 1, 1), QTime(10, 5)), performed, QDateTime(QDate(1900, 1, 1), QTime(10, 40)),
                       QStringLiteral("CATHLAB 1"), verified, performed});
    c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET ResultDate = ?, DateVerified = ?, VerifiedBy = 'CL001' "
                             "WHERE RequestNum = 'CL0000051'"),
              {performed.addSecs(11 * 3600), performed.addSecs(12 * 3600)});
    c.execute(insert, {QStringLiteral("CL0000055"), performed, QDateTime(QDate(1900, 1, 1), QTime(13, 0)),
                       QDateTime(QDate(1900, 1, 1), QTime(13, 45)), performed, QDateTime(QDate(1900, 1, 1), QTime(14, 0)),
                       QStringLiteral("CATHLAB 2"),
                       QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}\\pard Temporary pacing wire placed "
                                      "via the right femoral vein.\\par}"),
                       performed});
    c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET ResultDate = ? WHERE RequestNum = 'CL0000055'"),
              {performed.addSecs(15 * 3600)});
    // Measured stays: 170 cm and 70 kg, 182 cm and 81 kg.
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatientHistory SET Height = '170', Weight = '70' WHERE IDNum = '2026000003'"));
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatientHistory SET Height = '182', Weight = '81' WHERE IDNum = '2026000006'"));
}

} // namespace

CATHLAB_DEMO_SECTION(800, "procedure report: result formats, rooms, staff, templates, results", procedureReport,
                     "CLINICAL_AREA..tbCLRooms");
