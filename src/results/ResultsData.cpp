#include "results/ResultsData.h"

#include "platform/db/Connection.h"

namespace ResultsData {

Interpretation LookUpInterpretation(Connection& c, InterpretationSource source, const QString& number)
{
    QString sql;
    switch (source) {
    case InterpretationSource::Xray:
        sql = QStringLiteral("SELECT Interpretation FROM RADIOLOGY..tbXRResult WHERE RequestNum = ? ORDER BY ResultID");
        break;
    case InterpretationSource::Ultrasound:
        // An outer join: a result whose exam code is not in the catalogue still shows.
        sql = QStringLiteral("SELECT COALESCE(E.FormType, '') AS FormType, U.Interpretation FROM RADIOLOGY..tbUlResult U "
                             "LEFT OUTER JOIN BUILD_FILE..tbCoUltraExam E ON U.ItemCode = E.UltraExamID "
                             "WHERE U.RequestNum = ? ORDER BY U.ResultID");
        break;
    case InterpretationSource::CT:
        sql = QStringLiteral("SELECT Interpretation FROM RADIOLOGY..tbCTResult WHERE RequestNum = ? ORDER BY ResultID");
        break;
    case InterpretationSource::MRI:
        sql = QStringLiteral("SELECT Interpretation FROM RADIOLOGY..tbMRIResult WHERE RequestNum = ? ORDER BY ResultID");
        break;
    case InterpretationSource::WomenCentre:
        sql = QStringLiteral("SELECT Interpretation FROM RADIOLOGY..tbobulresult WHERE RequestNum = ? ORDER BY ResultID");
        break;
    }
    const Recordset rs = c.query(sql, {number.trimmed()});
    if (rs.isEmpty()) return {};
    return {true, rs.text(QStringLiteral("Interpretation"))};
}

Recordset RadiologyResult(Connection& c, int section, const QString& number)
{
    return c.call(QStringLiteral("STATION..sp_Nurse_Get_RadiologyResults"), {number.trimmed(), section});
}

Recordset MRIResult(Connection& c, const QString& number)
{
    return c.call(QStringLiteral("STATION..sp_Nurse_GetMRI_Result"), {number.trimmed()});
}

Recordset WomenCentreResult(Connection& c, const QString& number)
{
    return c.call(QStringLiteral("STATION..sp_Nurse_GetWC_Result"), {number.trimmed()});
}

void StageRadiologyPrint(Connection& c, const QString& userID, const QString& admission, const QStringList& values24)
{
    TransactionGuard tx(c);
    c.execute(QStringLiteral("DELETE FROM RADIOLOGY..tbRadioResult WHERE UserID = ? AND AdmNum = ?"), {userID, admission.trimmed()});
    QVariantList args;
    for (const QString& v : values24) args << v;
    c.call(QStringLiteral("RADIOLOGY..SPRADIO_ResultPrint"), args);
    tx.commit();
}

void StageMRIOrWomenCentrePrint(Connection& c, bool womenCentre, const QStringList& values20)
{
    TransactionGuard tx(c);
    QVariantList args;
    for (const QString& v : values20) args << v;
    c.call(womenCentre ? QStringLiteral("RADIOLOGY..spWC_ResultPrint") : QStringLiteral("RADIOLOGY..spMRI_ResultPrint"), args);
    tx.commit();
}

QList<QPair<QString, QString>> HeartPackageExams(Connection& c, const QString& idNum, const QString& requestNum)
{
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_HS_Result_PackageExams"), {idNum.trimmed(), requestNum.trimmed()});
    QList<QPair<QString, QString>> exams;
    for (int r = 0; r < rs.recordCount(); ++r)
        exams.append({rs.textAt(r, QStringLiteral("FormType")).trimmed(), rs.textAt(r, QStringLiteral("RequestNum")).trimmed()});
    return exams;
}

QList<HeartReport> HeartFormReports(const QString& formType)
{
    using P = HeartReport::Params;
    auto one = [](const char* file, const char* caption, P p = P::RequestNumber) {
        return HeartReport{QString::fromLatin1(file), QString::fromLatin1(caption), p};
    };
    if (formType.size() != 1) return {};
    switch (formType.front().unicode()) {
    case 'A': return {one("Exam_2DEcho_Adult.rpt", "Echocardiographic Report", P::Echo)};
    case 'B': return {one("AbdominalAorta2.rpt", "Abdominal Aorta Examination")};
    case 'C':
    case 'F': return {one("Carotid.rpt", "Carotid Examination"), one("Carotid2.rpt", "Carotid Examination")};
    case 'D': return {one("ArterialLower.rpt", "Arterial Lower Evaluation"), one("ArterialLower2.rpt", "Arterial Duplex Scan")};
    case 'E': return {one("ArterialUpper.rpt", "Arterial Evaluation"), one("ArterialUpper2.rpt", "Arterial Duplex Scan")};
    case 'G': return {one("RenalArtery.rpt", "Renal Artery Duplex Scan")};
    case 'H':
    case 'M': return {one("Transcranial.rpt", "Transcranial Ultrasonography")};
    case 'I': return {one("ResultECG.rpt", "ECG Examination")};
    case 'J': return {one("Exam_Hemodynamic.rpt", "Hemodynamic Cardiovascular Laboratory", P::Hemodynamic)};
    case 'K': return {one("VenousUpper.rpt", "Venous Upper Examination")};
    case 'L': return {one("VenousLower.rpt", "VenousLower")};
    default: return {};
    }
}

Recordset HeartSearchResult(Connection& c, const QString& code, const QString& requestNum)
{
    return c.call(QStringLiteral("sp_hrtsearchresult"), {code, requestNum});
}

void SendEcgReport(Connection& c, const QStringList& values21)
{
    QVariantList args;
    for (const QString& v : values21) args << v;
    c.call(QStringLiteral("Nurse_addecg_rep"), args);
}

void SendPulmonaryReport(Connection& c, const QStringList& values12)
{
    QVariantList args;
    for (const QString& v : values12) args << v;
    c.call(QStringLiteral("Nurse_addpulmo_rep"), args);
}

}
