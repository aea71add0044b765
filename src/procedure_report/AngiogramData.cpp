#include "procedure_report/AngiogramData.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "shared/modGlobalsRoutines.h"

namespace AngiogramData {

Recordset LoadAngiogramResult(Connection& c, const QString& requestNo)
{
    return c.call(QStringLiteral("Clinical_Area..GetAngiogramResult"), {requestNo});
}

QString LoadInterpretationTemplate(Connection& c, const QString& examID)
{
    const Recordset rs = c.query(QStringLiteral("SELECT Interpretation FROM Clinical_Area..tbCLInterpretation "
                                                "WHERE ExamID = ? ORDER BY Code LIMIT 1"),
                                 {examID.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Interpretation"));
}

QStringList LoadCathLabRooms(Connection& c)
{
    const Recordset rs = c.query(QStringLiteral("SELECT Room FROM Clinical_Area..tbCLRooms WHERE COALESCE(Status, '') = 'Y' ORDER BY Room"));
    QStringList rooms;
    for (int i = 0; i < rs.recordCount(); ++i) rooms << rs.textAt(i, QStringLiteral("Room"));
    return rooms;
}

PatientMeasurements LoadPatientMeasurements(Connection& c, const QString& idNum, const QString& hospNum)
{
    PatientMeasurements m;
    const QString race = QStringLiteral("(SELECT N.Nationality FROM PATIENT_DATA..tbMaster M "
                                        "JOIN BUILD_FILE..tbCoNationality N ON N.NationalityID = M.NationalityID "
                                        "WHERE M.HospNum = S.HospNum) AS Race");
    if (!IsOutPatientNumber(idNum)) {
        const Recordset rs = c.query(QStringLiteral("SELECT H.Height, H.Weight, ") + race +
                                         QStringLiteral(" FROM PATIENT_DATA..tbPatient S "
                                                        "LEFT JOIN PATIENT_DATA..tbPatientHistory H ON H.IDNum = S.IDNum "
                                                        "WHERE S.IDNum = ?"),
                                     {idNum});
        if (rs.isEmpty()) return m;
        m.found = true;
        m.height = rs.text(QStringLiteral("Height"));
        m.weight = rs.text(QStringLiteral("Weight"));
        m.race = rs.text(QStringLiteral("Race"));
        return m;
    }
    const Recordset visit = c.query(QStringLiteral("SELECT ") + race +
                                        QStringLiteral(" FROM PATIENT_DATA..TBOUTPATIENT S WHERE S.IDNum = ? AND S.HospNum = ?"),
                                    {idNum, hospNum});
    if (!visit.isEmpty()) {
        m.found = true;
        m.race = visit.text(QStringLiteral("Race"));
    }
    const Recordset h = c.query(QStringLiteral("SELECT Height, Weight FROM PATIENT_DATA..tbOutPatientHistory WHERE IDNum = ?"),
                                {idNum});
    if (!h.isEmpty()) {
        m.height = h.text(QStringLiteral("Height"));
        m.weight = h.text(QStringLiteral("Weight"));
    }
    return m;
}

namespace {

void updateHistory(Connection& c, const QString& idNum, const QString& weight, const QString& heightCm)
{
    const bool height = Fmt::val(heightCm) > 0;
    const bool hasWeight = Fmt::isNumeric(weight);
    if (!height && !hasWeight) return;
    const QString table = IsOutPatientNumber(idNum) ? QStringLiteral("PATIENT_DATA..tbOutPatientHistory")
                                                    : QStringLiteral("PATIENT_DATA..tbPatientHistory");
    QStringList sets;
    QVariantList params;
    if (hasWeight) {
        sets << QStringLiteral("Weight = ?");
        params << weight;
    }
    if (height) {
        sets << QStringLiteral("Height = ?");
        params << heightCm;
    }
    params << idNum;
    if (c.execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) +
                      QStringLiteral(" WHERE IDNum = ?"),
                  params) > 0)
        return;
    // A stay without a history row gets one, so that what was measured is kept.
    c.execute(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (IDNum, Height, Weight) VALUES (?, ?, ?)"),
              {idNum, height ? QVariant(heightCm) : QVariant(), hasWeight ? QVariant(weight) : QVariant()});
}

} // namespace

void SaveAngiogramResult(Connection& c, const ResultSave& s)
{
    TransactionGuard tx(c);
    c.call(QStringLiteral("Clinical_Area..CLSaveAngiogram"), s.record);
    if (s.toGenericTable)
        c.call(QStringLiteral("Clinical_Area..spGeneric_SaveResult"),
               {s.requestNo, s.refNo, s.hospNum, s.idNum, s.mainRevenueID, s.examID, QString(), s.userID, s.rtf, s.fixedRtf,
                QStringLiteral("A")});
    updateHistory(c, s.idNum, s.weight, s.heightCentimetres);
    tx.commit();
}

void DeleteAngiogramResult(Connection& c, const QString& requestNo, const QString& idNum, bool fromGenericTable,
                           const QString& userID)
{
    static const char* const kColumns =
        "RequestNum, DatePerformed, TimeStarted, TimeEnded, ResultDate, BSA, Height, Weight, Race, UserID, OutOfCCL, "
        "ReferringID, Referring, InterventionistID, Interventionist, RadTechID, RadTech, ScrubID, Scrub, CathLabRoom, "
        "ResultRTF, RVSCode, CircID, Circ, PhysioID, Physio, AnesID, Anes, CaseNo, RVSCode2, RVSCode3, TransDate";
    {
        TransactionGuard tx(c);
        c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET RequestStatus = 'X', ResultDate = NULL, "
                                 "DateVerified = NULL, VerifiedBy = NULL WHERE RequestNum = ?"),
                  {requestNo.trimmed()});
        const QString columns = QString::fromLatin1(kColumns);
        if (c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCL_Angiogram_History (") + columns +
                          QStringLiteral(") SELECT ") + columns +
                          QStringLiteral(" FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = ?"),
                      {requestNo}) == 0)
            throw DbError(QStringLiteral("The request %1 has no saved result to delete.").arg(requestNo.trimmed()));
        c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = ?"), {requestNo});
        if (fromGenericTable)
            c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbGenericResults WHERE IDNum = ? AND ResultID = ?"),
                      {idNum, requestNo});
        tx.commit();
    }
    WriteStationLog(idNum, QStringLiteral("DELETED CATHLAB RESULT"), userID, QStringLiteral("CATHLAB"));
}

bool IsRVSValidForExam(Connection& c, const QString& code, const QString& examID)
{
    return !c.query(QStringLiteral("SELECT 1 AS Linked FROM Clinical_Area..tbCLRVS WHERE RVSCode = ? AND ItemID = ?"), {code, examID})
                .isEmpty();
}

} // namespace AngiogramData
