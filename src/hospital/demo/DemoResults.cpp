// Results of every section for the last three demo stays and the last out-patient visit: imaging
// results with their interpretations (some kept as RTF), laboratory results over several days,
// heart-station forms and a package, the other sections' results and posted laboratory requests.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <QDateTime>

namespace {

const QVariant kNoValue;

const char* const kRtfMri =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}"
    "{\\colortbl ;\\red192\\green0\\blue0;}\\viewkind4\\uc1\\pard\\f0\\fs20 {\\b MRI OF THE BRAIN}\\par\\par "
    "{\\b Findings:}\\par{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li360 "
    "No acute infarct on diffusion-weighted images.\\par{\\pntext\\f1\\'B7\\tab}Small chronic lacunar infarct, right "
    "basal ganglia.\\par{\\pntext\\f1\\'B7\\tab}Ventricles and sulci normal for age.\\par\\pard\\par{\\b Impression:} "
    "\\cf1 Chronic lacunar infarct, right basal ganglia.\\cf0  No acute intracranial process.\\par}";

const char* const kRtfWomen =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\viewkind4\\uc1\\pard\\qc\\f0\\fs22"
    "\\b BREAST ULTRASOUND\\b0\\par\\pard\\fs20\\par Both breasts show normal fibroglandular tissue. A 0.6 x 0.4 cm "
    "well-circumscribed hypoechoic nodule at the 10 o\\rquote clock position of the left breast.\\par\\par"
    "\\i Impression:\\i0  BI-RADS 3, probably benign. Follow-up ultrasound in 6 months.\\par}";

const char* const kRtfChest =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 The lungs are clear. The heart is \\b mildly enlarged\\b0  "
    "(cardiothoracic ratio 0.56). No pleural effusion.\\par\\par Impression: Mild cardiomegaly.\\par}";

void results(Connection& c, const DemoScale&)
{
    const Recordset stays = c.query(QStringLiteral("SELECT IDNum, HospNum, AdmDate FROM PATIENT_DATA..tbPatient ORDER BY IDNum DESC LIMIT 3"));
    const Recordset visits = c.query(QStringLiteral("SELECT IDNum, HospNum, AdmDate FROM PATIENT_DATA..TBOUTPATIENT ORDER BY IDNum DESC LIMIT 1"));
    QList<QPair<QString, QDateTime>> patients;
    for (const Recordset* rs : {&stays, &visits})
        for (int r = 0; r < rs->recordCount(); ++r)
            patients.append({rs->textAt(r, QStringLiteral("IDNum")), DbValue::toDateTime(rs->valueAt(r, QStringLiteral("AdmDate")))});

    c.execute(QStringLiteral("UPDATE BUILD_FILE..tbCoUltraExam SET FormType = 'A' WHERE UltraExamID = 'ECHO2D'"));
    c.execute(QStringLiteral("UPDATE BUILD_FILE..tbCoUltraExam SET FormType = 'C' WHERE UltraExamID = 'CAROTID'"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES ('EnableWCResult', '1', '1')"));
    const char* sections[][2] = {{"HEMA", "HEMATOLOGY"}, {"CHEM", "BLOOD CHEMISTRY"}, {"IMMU", "SEROLOGY"},
                                 {"MICR", "MICBIOLOGY"}, {"CLIN", "CLINICAL MICROSCOPY"}, {"BB", "BLOOD BANK"}};
    for (const auto& s : sections)
        c.execute(QStringLiteral("INSERT INTO LABORATORY..tbLabSection (LabSectionID, SectionName) VALUES (?, ?)"),
                  {QString::fromLatin1(s[0]), QString::fromLatin1(s[1])});

    const QString imaging = QStringLiteral(
        "INSERT INTO RADIOLOGY..%1 (RequestNum, IDNum, ItemCode, ExamName, TransDate, ResultDate, RadiologistID, Interpretation, "
        "XrayNum, ControlNum, TelNum, Remarks, RadCode, RadCode2, Radiologist2, Radiologist3, Radiologist4, Encoder) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString section = QStringLiteral(
        "INSERT INTO STATION..tbNurseSectionResult (SectionID, IDNum, RequestNum, RefNum, ExamCode, ExamName, TransDate, ResultDate, "
        "DoctorLast, DoctorFirst, DoctorMiddle, Interpretation, Result, InitialEvaluation, Endorsement, ChargeSlip, StudySection, "
        "FileNumber) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString heart = QStringLiteral(
        "INSERT INTO STATION..tbHSResult (RequestNum, IDNum, PackageNum, ExamName, FormType, ReportCode, TransDate, ResultDate, "
        "AttendingDoctor, Cardiologist, Findings, Impression, Rhythm, AtrialRate, VentricularRate, PWave, PRInterval, QRS, STSegment, "
        "TWave, QTInterval, ExamTime, ResidentID, BP, Weight, Height, PulmoResult) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString lab = QStringLiteral(
        "INSERT INTO LABORATORY..tbLabResult (IDNum, RequestNum, Reference, LabExamID, ResultDate, Result, Unit, NormalValue, MedTech, "
        "Pathologist) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'SANTOS, MARIBEL RMT', 'DE LEON, ARTURO MD')");
    const QString posted = QStringLiteral(
        "INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, Quantity, RequestDate, "
        "RequestingDoctor, StationID, UserID, RecordStatus, ReferenceNum, Description, SectionID, Stat, SpecimenID, TransplantID, "
        "DialysisID) VALUES (?, ?, ?, 'LB', ?, 1, ?, 'D001', 'CL', 'CL001', 'X', ?, ?, ?, ?, ?, ?, ?)");

    for (int p = 0; p < patients.size(); ++p) {
        const QString id = patients[p].first;
        const QDateTime day0 = patients[p].second.isValid() ? patients[p].second : QDateTime(QDate(2026, 11, 2), QTime(8, 0));
        const QString tag = QStringLiteral("%1").arg(p + 1);
        auto at = [&](int days, int hours) { return day0.addDays(days).addSecs(hours * 3600); };
        auto num = [&](const char* prefix, int n) { return QStringLiteral("%1%2%3").arg(QString::fromLatin1(prefix), tag).arg(n, 3, 10, QLatin1Char('0')); };

        // Imaging
        c.execute(imaging.arg(QStringLiteral("tbXRResult")),
                  {num("XR", 1), id, "CXRPA", "CHEST PA", at(0, 2), at(0, 6), "D006", p == 0 ? QVariant(QString::fromLatin1(kRtfChest))
                   : QVariant(QStringLiteral("Clear lung fields. Heart not enlarged. Intact bony thorax.\nImpression: Normal chest.")),
                   num("X", 101), num("C", 201), "(02) 8555-0150", "PORTABLE", "R01", kNoValue, "BAUTISTA, ELENA MD", kNoValue, kNoValue, "XR01"});
        c.execute(imaging.arg(QStringLiteral("tbXRResult")),
                  {num("XR", 2), id, "CXRAPL", "CHEST AP-LATERAL", at(2, 3), at(2, 5), kNoValue, kNoValue, num("X", 102), kNoValue, kNoValue, kNoValue,
                   kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue});
        c.execute(imaging.arg(QStringLiteral("tbUlResult")),
                  {num("US", 1), id, "ECHO2D", "2D ECHO WITH DOPPLER", at(1, 1), at(1, 4), "D002",
                   "Concentric left ventricular hypertrophy with normal systolic function, ejection fraction 62%. "
                   "Grade I diastolic dysfunction.", num("U", 101), num("C", 301), "(02) 8555-0151", kNoValue, "R02", kNoValue, kNoValue,
                   kNoValue, kNoValue, "US01"});
        c.execute(imaging.arg(QStringLiteral("tbUlResult")),
                  {num("US", 2), id, "KUBUTZ", "KUB ULTRASOUND", at(3, 1), at(3, 3), "D002",
                   "Both kidneys normal in size and echo pattern. No stone or hydronephrosis.", num("U", 102), kNoValue, kNoValue, kNoValue,
                   "R02", kNoValue, kNoValue, kNoValue, kNoValue, "US01"});
        c.execute(imaging.arg(QStringLiteral("tbCTResult")),
                  {num("CT", 1), id, "CTCA", "CT CORONARY ANGIOGRAPHY", at(1, 5), at(1, 9), "D006",
                   "Calcium score 120. 50% stenosis of the proximal LAD. Other coronary arteries without significant stenosis.",
                   num("T", 101), num("C", 401), kNoValue, kNoValue, "R01", kNoValue, kNoValue, kNoValue, kNoValue, "CT01"});
        c.execute(imaging.arg(QStringLiteral("tbMRIResult")),
                  {num("MR", 1), id, "MRIBR", "MRI OF THE BRAIN (PLAIN)", at(2, 1), at(2, 7), "D006", QString::fromLatin1(kRtfMri),
                   num("M", 101), num("C", 501), kNoValue, kNoValue, "R01", "R03", kNoValue, kNoValue, kNoValue, "MR01"});
        c.execute(imaging.arg(QStringLiteral("tbobulresult")),
                  {num("WC", 1), id, "BRUS", "BREAST ULTRASOUND (BILATERAL)", at(2, 2), at(2, 6), "D002", QString::fromLatin1(kRtfWomen),
                   num("W", 101), num("C", 601), kNoValue, kNoValue, "R02", kNoValue, kNoValue, kNoValue, kNoValue, p == 1 ? kNoValue : QVariant("WC01")});

        // Laboratory: three days of chemistry and blood counts, two troponins on one day.
        struct LabRow { int day, hour; const char *exam, *result, *unit, *normal, *request, *slip; };
        const LabRow labs[] = {
            {0, 3, "CBC", "13.2", "g/dL", "12.0 - 16.0", "L1", "S1"},   {0, 3, "PLT", "245", "x10^9/L", "150 - 400", "L2", "S1"},
            {0, 4, "CREA", "1.1", "mg/dL", "0.6 - 1.2", "L3", "S1"},   {0, 4, "K", "4.1", "mmol/L", "3.5 - 5.1", "L4", "S1"},
            {0, 5, "TROPI", "0.02", "ng/mL", "0.00 - 0.04", "L5", "S2"}, {0, 11, "TROPI", "0.03", "ng/mL", "0.00 - 0.04", "L6", "S2"},
            {1, 3, "CREA", "1.3", "mg/dL", "0.6 - 1.2", "L7", "S3"},   {1, 3, "K", "3.8", "mmol/L", "3.5 - 5.1", "L8", "S3"},
            {2, 3, "CBC", "12.6", "g/dL", "12.0 - 16.0", "L9", "S4"},  {2, 4, "CREA", "1.0", "mg/dL", "0.6 - 1.2", "L10", "S4"},
            {2, 6, "BLDCS", "NO GROWTH", "", "NO GROWTH", "L11", "S4"},
        };
        for (const LabRow& l : labs) {
            const QString request = QStringLiteral("LR%1-%2").arg(tag, QString::fromLatin1(l.request));
            const QString slip = QStringLiteral("CS7%1%2").arg(tag, QString::fromLatin1(l.slip + 1));
            c.execute(lab, {id, request, slip, QString::fromLatin1(l.exam), at(l.day, l.hour), QString::fromLatin1(l.result),
                            QString::fromLatin1(l.unit), QString::fromLatin1(l.normal)});
            const bool stat = QByteArray(l.exam) == "TROPI";
            c.execute(posted, {request, id, kNoValue, QString::fromLatin1(l.exam), at(l.day, l.hour - 2), slip, kNoValue,
                               stat ? "IMMU" : QByteArray(l.exam) == "BLDCS" ? "MICR" : QByteArray(l.exam) == "CBC" || QByteArray(l.exam) == "PLT" ? "HEMA" : "CHEM",
                               stat ? "Y" : "N", QByteArray(l.exam) == "BLDCS" ? "BLD" : "SER", "0", p == 2 ? "1" : "0"});
        }

        // Heart station: single forms, an ECG, and a package of an echo and a carotid study.
        auto hs = [&](const QString& req, const QVariant& package, const char* exam, const char* form, const QVariant& code, int d,
                      const char* findings, const char* impression) {
            c.execute(heart, {req, id, package, QString::fromLatin1(exam), QString::fromLatin1(form), code, at(d, 1), at(d, 4),
                              "VILLAREAL, ANTONIO CRUZ", "QUIMPO, RAFAEL LIM", QString::fromLatin1(findings), QString::fromLatin1(impression),
                              "SINUS RHYTHM", "72", "72", "NORMAL", "0.16", "0.08", "ISOELECTRIC", "UPRIGHT", "0.38", "09:30 AM", "RES01",
                              "130/80", "68", "165", "FEV1/FVC 78%. NO OBSTRUCTION."});
        };
        hs(num("HS", 1), kNoValue, "2D ECHOCARDIOGRAPHY (ADULT)", "A", kNoValue, 0,
           "LV dimensions normal. LVEF 60% by Simpson's. Mild mitral regurgitation. No pericardial effusion.",
           "Normal LV systolic function. Mild MR.");
        hs(num("HS", 2), kNoValue, "CAROTID DUPLEX SCAN", "C", kNoValue, 1, "Mild intimal thickening of both common carotid arteries. "
           "No hemodynamically significant stenosis.", "Mild carotid atherosclerosis.");
        hs(num("HS", 3), kNoValue, "12-LEAD ECG", "I", "E", 0, "Sinus rhythm, rate 72. Normal axis. No ST-T changes.", "Normal ECG.");
        hs(num("HS", 4), kNoValue, "HEMODYNAMIC STUDY", "J", kNoValue, 2, "RA 6, RV 28/6, PA 28/12, PCWP 10 mmHg. Cardiac output 5.1 L/min.",
           "Normal right heart pressures.");
        hs(num("HS", 5), kNoValue, "CARDIAC PACKAGE (ECHO + CAROTID)", "", kNoValue, 1, "", "");
        hs(num("HS", 6), num("HS", 5), "2D ECHOCARDIOGRAPHY (ADULT)", "A", kNoValue, 1, "Concentric LVH. LVEF 58%.", "LVH with preserved function.");
        hs(num("HS", 7), num("HS", 5), "CAROTID DUPLEX SCAN", "C", kNoValue, 1, "Normal carotid arteries.", "Normal study.");
        hs(num("HS", 8), kNoValue, "SPIROMETRY", "N", "R", 2, "FEV1 2.9 L (92% predicted).", "Normal spirometry.");

        // Physical therapy, nuclear medicine, pulmonary and neurology.
        c.execute(section, {"PT", id, num("PT", 1), num("RF", 1), "PTCR", "CARDIAC REHABILITATION PHASE I", at(2, 1), at(2, 3), "RAMOS",
                            "LIZA", "CRUZ", kNoValue, "Tolerated ambulation 60 m with stable vital signs.",
                            "Deconditioned after bed rest; Borg 11 at rest.", "Continue phase I; progress to 120 m tomorrow.", kNoValue,
                            kNoValue, kNoValue});
        c.execute(section, {"NU", id, num("NU", 1), kNoValue, "MPI", "MYOCARDIAL PERFUSION SCAN", at(1, 2), at(1, 8), "TAN", "GRACE",
                            "LIM", "Reversible perfusion defect in the anterior wall consistent with ischemia.", kNoValue, kNoValue, kNoValue,
                            kNoValue, kNoValue, kNoValue});
        c.execute(section, {"PU", id, num("PU", 1), kNoValue, "PFT", "PULMONARY FUNCTION TEST", at(1, 3), at(1, 5), "GARCIA", "PAOLO",
                            "REYES", "Normal spirometry. No bronchodilator response.", kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue});
        c.execute(section, {"NE", id, num("NE", 1), kNoValue, "EEG", "ELECTROENCEPHALOGRAPHY", at(2, 2), at(2, 6), kNoValue, kNoValue, kNoValue,
                            kNoValue, kNoValue, kNoValue, kNoValue, num("CS", 901), "A", num("EE", 1)});
        c.execute(section, {"NE", id, num("NE", 2), kNoValue, "EMGNCV", "EMG-NCV BOTH LOWER EXTREMITIES", at(3, 2), at(3, 6), kNoValue,
                            kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, num("CS", 902), "B", num("EN", 1)});
        const QString hospNum = p < stays.recordCount() ? stays.textAt(p, QStringLiteral("HospNum")) : visits.textAt(0, QStringLiteral("HospNum"));
        const QString study = QStringLiteral("INSERT INTO STATION..tbNeuroStudyData (FileNumber, HospNum, Kind, Site, Side, Value1, "
                                             "Value2, Value3, Remarks) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        c.execute(study, {num("EE", 1), hospNum, "EEG", "BACKGROUND", kNoValue, "9-10 Hz ALPHA", "SYMMETRIC", "REACTIVE", "Normal awake EEG."});
        c.execute(study, {num("EN", 1), hospNum, "NCV", "PERONEAL MOTOR", "LEFT", "4.2 ms", "5.1 mV", "44 m/s", "Normal"});
        c.execute(study, {num("EN", 1), hospNum, "NCV", "SURAL SENSORY", "LEFT", "3.1 ms", "12 uV", "46 m/s", "Normal"});
        c.execute(study, {num("EN", 1), hospNum, "EMG", "TIBIALIS ANTERIOR", "LEFT", "NO FIBS", "NORMAL MUAP", "FULL", "Normal"});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(700, "results of every section for three demo stays and a visit", results, "STATION..tbHSResult");
