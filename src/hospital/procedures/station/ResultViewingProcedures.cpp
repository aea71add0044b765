// Stand-ins of the STATION procedures behind the workspace's results tab: the section lists, the
// result rows its prints read, the laboratory's day table, the heart station's packages and reports.
#include "hospital/procedures/ImagingResultList.h"
#include "hospital/procedures/ResultColumns.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

#include <QDate>

namespace {

QString layoutASelect()
{
    return QStringLiteral("SELECT RequestNum, ExamName, TransDate, ResultDate, DoctorLast, DoctorFirst, DoctorMiddle, "
                          "Interpretation FROM STATION..tbNurseSectionResult WHERE SectionID = ? AND IDNum = ? "
                          "ORDER BY TransDate, ResultID");
}

const QStringList& layoutAFields()
{
    static const QStringList f = {QStringLiteral("TRANS. NO."),    QStringLiteral("EXAM. NAME"),    QStringLiteral("TRANS. DATE"),
                                  QStringLiteral("RESULT DATE"),   QStringLiteral("DR. LASTNAME"),  QStringLiteral("DR. FIRSTNAME"),
                                  QStringLiteral("Dr. MiddleName"), QStringLiteral("Interpretation")};
    return f;
}

// Argument: admission. The heart station's results, a package as one row (its exams are not listed),
// with the report code that marks an ECG ("E") or pulmonary ("R") result.
Recordset heartResults(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(QStringLiteral("SELECT RequestNum, ExamName, TransDate, ResultDate, FormType, AttendingDoctor, "
                                                "Cardiologist, ReportCode FROM STATION..tbHSResult WHERE IDNum = ? AND PackageNum IS NULL "
                                                "ORDER BY TransDate, ResultID"),
                                 {a.text(0).trimmed()});
    return ResultColumns(rs,
                         {QStringLiteral("Request No."), QStringLiteral("EXAMINATION NAME"), QStringLiteral("TRANS. DATE"),
                          QStringLiteral("RESULT DATE"), QStringLiteral("Form"), QStringLiteral("ATTN. DOCTOR"),
                          QStringLiteral("CARDIOLOGIST"), QStringLiteral("ReportCode")},
                         {2, 3});
}

// Argument: admission. Physical-therapy results with their evaluation and endorsement.
Recordset ptResults(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(QStringLiteral("SELECT RefNum, RequestNum, ExamName, ResultDate, Result, InitialEvaluation, "
                                                "Endorsement FROM STATION..tbNurseSectionResult WHERE SectionID = 'PT' AND "
                                                "IDNum = ? ORDER BY ResultDate, ResultID"),
                                 {a.text(0).trimmed()});
    return ResultColumns(rs,
                         {QStringLiteral("REF. NO"), QStringLiteral("REQ. NO"), QStringLiteral("EXAM. NAME"),
                          QStringLiteral("RESULT DATE"), QStringLiteral("result"), QStringLiteral("INITIALEVALUATION"),
                          QStringLiteral("Endorsement")},
                         {3});
}

Recordset sectionLayoutA(Connection& c, const QString& section, const QString& idNum)
{
    return ResultColumns(c.query(layoutASelect(), {section, idNum.trimmed()}), layoutAFields(), {2, 3});
}

Recordset nuclearResults(Connection& c, const ProcedureArgs& a) { return sectionLayoutA(c, QStringLiteral("NU"), a.text(0)); }
Recordset pulmoResults(Connection& c, const ProcedureArgs& a) { return sectionLayoutA(c, QStringLiteral("PU"), a.text(0)); }

// Argument: admission. Neurology studies with their section code and file number.
Recordset neuroResults(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(QStringLiteral("SELECT ExamCode, ExamName, TransDate, ChargeSlip, RequestNum, StudySection, "
                                                "FileNumber FROM STATION..tbNurseSectionResult WHERE SectionID = 'NE' AND IDNum = ? "
                                                "ORDER BY TransDate, ResultID"),
                                 {a.text(0).trimmed()});
    return ResultColumns(rs,
                         {QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("Request Date/Time"),
                          QStringLiteral("Charge Slip"), QStringLiteral("Request No."), QStringLiteral("Section"),
                          QStringLiteral("File Number")},
                         {2});
}

Recordset mriResults(Connection& c, const ProcedureArgs& a)
{
    return ImagingResultList(c, QStringLiteral("tbMRIResult"), a.text(0), QStringLiteral("TRANS. NO"));
}
Recordset wcResults(Connection& c, const ProcedureArgs& a)
{
    return ImagingResultList(c, QStringLiteral("tbobulresult"), a.text(0), QStringLiteral("TRANS. NO"));
}

// Arguments: transaction number, section (1 x-ray, 2 CT, 3 ultrasound). The result row a print stages.
Recordset radiologyResult(Connection& c, const ProcedureArgs& a)
{
    const int section = a.text(1).trimmed().toInt();
    const QString table = section == 2 ? QStringLiteral("tbCTResult") : section == 3 ? QStringLiteral("tbUlResult")
                                                                                       : QStringLiteral("tbXRResult");
    return c.query(QStringLiteral("SELECT XrayNum, Interpretation, TelNum, ControlNum, Radiologist2, Remarks, RadCode, "
                                  "Radiologist3, Radiologist4 FROM RADIOLOGY..%1 WHERE RequestNum = ? ORDER BY ResultID")
                       .arg(table),
                   {a.text(0).trimmed()});
}

Recordset mriOrWcResult(Connection& c, const QString& table, const QString& number)
{
    return c.query(QStringLiteral("SELECT Interpretation, XrayNum, ControlNum, RadCode2, Encoder, RadCode FROM RADIOLOGY..%1 "
                                  "WHERE RequestNum = ? ORDER BY ResultID")
                       .arg(table),
                   {number.trimmed()});
}
Recordset mriResult(Connection& c, const ProcedureArgs& a) { return mriOrWcResult(c, QStringLiteral("tbMRIResult"), a.text(0)); }
Recordset wcResult(Connection& c, const ProcedureArgs& a) { return mriOrWcResult(c, QStringLiteral("tbobulresult"), a.text(0)); }

// Argument: admission. One row (maxcol, StartDate): the days from the first to the last result
// date; no row when the admission has no laboratory result.
Recordset labMaxCol(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(QStringLiteral("SELECT MIN(ResultDate) AS FirstDate, MAX(ResultDate) AS LastDate FROM "
                                                "LABORATORY..tbLabResult WHERE IDNum = ?"),
                                 {a.text(0).trimmed()});
    Recordset out({QStringLiteral("maxcol"), QStringLiteral("StartDate")}, {});
    const QDateTime first = DbValue::toDateTime(rs.valueAt(0, 0)), last = DbValue::toDateTime(rs.valueAt(0, 1));
    if (rs.isEmpty() || !first.isValid() || !last.isValid()) return out;
    out.addRow({int(first.date().daysTo(last.date()) + 1), QDateTime(first.date(), QTime(0, 0))});
    return out;
}

// Argument: admission. Every result by section, examination and date, with its normal values.
Recordset labNormalValues(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(S.SectionName, E.LabSectionID) AS Section, COALESCE(E.LabExam, R.LabExamID) AS Exam, "
                       "R.NormalValue, R.LabExamID, R.ResultDate, R.Result FROM LABORATORY..tbLabResult R "
                       "LEFT OUTER JOIN BUILD_FILE..tbCoLabExam E ON E.LabExamID = R.LabExamID "
                       "LEFT OUTER JOIN LABORATORY..tbLabSection S ON S.LabSectionID = E.LabSectionID "
                       "WHERE R.IDNum = ? ORDER BY 1, 2, R.ResultDate, R.ResultID"),
        {a.text(0).trimmed()});
    return ResultColumns(rs,
                         {QStringLiteral("Section"), QStringLiteral("Exam"), QStringLiteral("NormalValue"), QStringLiteral("LabExamID"),
                          QStringLiteral("Resultdate"), QStringLiteral("result")},
                         {4});
}

// Arguments: admission, package row's request number. The examinations of the package.
Recordset packageExams(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT FormType, RequestNum FROM STATION..tbHSResult WHERE IDNum = ? AND PackageNum = ? "
                                  "ORDER BY ResultID"),
                   {a.text(0).trimmed(), a.text(1).trimmed()});
}

// Arguments: admission, station, charge slip, mode ("0" every posted laboratory examination of the
// admission, "1" those of the charge slip). Processed laboratory requests of the station.
Recordset labExamPosted(Connection& c, const ProcedureArgs& a)
{
    const bool oneSlip = a.text(3).trimmed() == QLatin1String("1");
    QVariantList params{a.text(0), a.text(1).trimmed()};
    if (oneSlip) params << a.text(2).trimmed();
    const Recordset rs = c.query(
        QStringLiteral("SELECT F.ItemID, COALESCE(F.Description, E.LabExam), F.ReferenceNum, F.RequestDate, F.SectionID, F.Stat, "
                       "F.SpecimenID, F.DialysisID, F.TransplantID, F.RequestNum, F.UserID, F.UserID "
                       "FROM STATION..TBNURSECOMMUNICATIONFILE F LEFT OUTER JOIN BUILD_FILE..tbCoLabExam E ON E.LabExamID = F.ItemID "
                       "WHERE F.IDNum = ? AND F.StationID = ? AND F.RevenueID = 'LB' AND F.RecordStatus = 'X' "
                       "%1 ORDER BY F.ReferenceNum, F.RequestDate, F.RequestNum")
            .arg(oneSlip ? QStringLiteral("AND F.ReferenceNum = ?") : QString()),
        params);
    return ResultColumns(rs,
                         {QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("ChargeSlip"),
                          QStringLiteral("CHARGE DATE"), QStringLiteral("Section"), QStringLiteral("Type"),
                          QStringLiteral("Specimen"), QStringLiteral("DIALYSIS"), QStringLiteral("TRANSPLANT"),
                          QStringLiteral("RequestNum"), QStringLiteral("NURSE"), QStringLiteral("CNURSE")},
                         {3});
}

// Arguments: report code ("E" or "R"), request number. The measured values of the result.
Recordset heartSearchResult(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(QStringLiteral("SELECT Rhythm, AtrialRate, VentricularRate, PWave, PRInterval, QRS, STSegment, TWave, "
                                                "QTInterval, Impression, ExamTime, ResidentID, BP, Weight, TransDate, Height, PulmoResult "
                                                "FROM STATION..tbHSResult WHERE ReportCode = ? AND RequestNum = ? ORDER BY ResultID"),
                                 {a.text(0).trimmed(), a.text(1).trimmed()});
    Recordset out({QStringLiteral("rhythm"), QStringLiteral("atrial"), QStringLiteral("ventric"), QStringLiteral("pwave"),
                   QStringLiteral("pr_inter"), QStringLiteral("qrs"), QStringLiteral("st_seg"), QStringLiteral("twave"),
                   QStringLiteral("qt_inter"), QStringLiteral("interpret"), QStringLiteral("ExamTime"), QStringLiteral("ResidentID"),
                   QStringLiteral("bp"), QStringLiteral("WT"), QStringLiteral("Transtime"), QStringLiteral("Height"),
                   QStringLiteral("result")},
                  {});
    for (int r = 0; r < rs.recordCount(); ++r) {
        QVector<QVariant> row;
        for (int col = 0; col < 17; ++col) row.append(rs.valueAt(r, col));
        const QDateTime t = DbValue::toDateTime(row[14]);
        if (t.isValid()) row[14] = t.toString(QStringLiteral("hh:mm AP"));
        out.addRow(row);
    }
    return out;
}

// Twenty-one values in the order of the ECG report form.
Recordset addEcgReport(Connection& c, const ProcedureArgs& a)
{
    QVariantList v;
    for (int i = 0; i < 21; ++i) v << a.text(i);
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseECGReport (Rhythm, AtrialRate, VentricularRate, PWave, PRInterval, QRS, "
                             "STSegment, TWave, QTInterval, Interpretation, PatientName, IDNum, Age, ResultDate, ExamTime, Room, "
                             "AttendingDoctor, Cardiologist, ResidentID, BP, Weight) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?, ?)"),
              v);
    return Recordset();
}

// Twelve values in the order of the pulmonary report form.
Recordset addPulmoReport(Connection& c, const ProcedureArgs& a)
{
    QVariantList v;
    for (int i = 0; i < 12; ++i) v << a.text(i);
    c.execute(QStringLiteral("INSERT INTO STATION..tbNursePulmoReport (PatientName, Age, Extra, Room, Sex, AttendingDoctor, TransTime, "
                             "Height, ResultDate, Result, Cardiologist, IDNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              v);
    return Recordset();
}

// Argument: hospital number. Every imaging result of the patient's stays and visits.
Recordset patientXray(Connection& c, const ProcedureArgs& a) { return ImagingResultListOfPatient(c, QStringLiteral("tbXRResult"), a.text(0)); }
Recordset patientUltra(Connection& c, const ProcedureArgs& a) { return ImagingResultListOfPatient(c, QStringLiteral("tbUlResult"), a.text(0)); }
Recordset patientCT(Connection& c, const ProcedureArgs& a) { return ImagingResultListOfPatient(c, QStringLiteral("tbCTResult"), a.text(0)); }

} // namespace

CATHLAB_PROCEDURE("STATION..Nurse_GetHrt", heartResults);
CATHLAB_PROCEDURE("STATION..Nurse_GetPT", ptResults);
CATHLAB_PROCEDURE("STATION..Nurse_GetNuclear", nuclearResults);
CATHLAB_PROCEDURE("STATION..Nurse_GetPulmo", pulmoResults);
CATHLAB_PROCEDURE("STATION..Nurse_GetNeuro", neuroResults);
CATHLAB_PROCEDURE("STATION..Nurse_GetMRI", mriResults);
CATHLAB_PROCEDURE("STATION..Nurse_GetWC", wcResults);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_RadiologyResults", radiologyResult);
CATHLAB_PROCEDURE("STATION..sp_Nurse_GetMRI_Result", mriResult);
CATHLAB_PROCEDURE("STATION..sp_Nurse_GetWC_Result", wcResult);
CATHLAB_PROCEDURE("STATION..sp_Nurse_GetPatient_LabResult_MaxCol", labMaxCol);
CATHLAB_PROCEDURE("STATION..sp_Nurse_GetPatient_LabResult_NormalValues", labNormalValues);
CATHLAB_PROCEDURE("STATION..sp_Nurse_HS_Result_PackageExams", packageExams);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_LaboratoryExamPosted", labExamPosted);
// The heart station's own procedures, called without a database name.
CATHLAB_PROCEDURE("sp_hrtsearchresult", heartSearchResult);
CATHLAB_PROCEDURE("Nurse_addecg_rep", addEcgReport);
CATHLAB_PROCEDURE("Nurse_addpulmo_rep", addPulmoReport);
CATHLAB_PROCEDURE("Nurse_GetXray", patientXray);
CATHLAB_PROCEDURE("Nurse_GetUltra", patientUltra);
CATHLAB_PROCEDURE("Nurse_GetCT", patientCT);
