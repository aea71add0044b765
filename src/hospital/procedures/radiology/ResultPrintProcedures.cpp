// Stand-ins of the RADIOLOGY procedures that stage a result for its print: one row of
// RADIOLOGY..tbRadioResult per print, keyed by the user and the admission that printed it.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/text/Rtf.h"

namespace {

const char* const kInsert =
    "INSERT INTO RADIOLOGY..tbRadioResult (PatientName, HospNum, AttendingDoctor, ExamName, CivilStatus, Age, Sex, AdmNum, "
    "ResultNum, Room, TransDate, Interpretation, ResultDoctor, PatientAddress, TelNum, ResultNum2, ControlNum, UserID, "
    "Radiologist2, Remarks, Extra, RadCode, Radiologist3, Radiologist4) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, ?, ?, ?, ?, ?, ?, ?)";

// Twenty-four values: patient, hospital number, attending doctor, exam, civil status, age, sex,
// admission, result number, room, transaction date, interpretation, result's doctor, address,
// telephone, result number, control number, user, second radiologist, remarks, (empty), radiologist
// code, third and fourth radiologists.
Recordset radioResultPrint(Connection& c, const ProcedureArgs& a)
{
    QVariantList v;
    for (int i = 0; i < 24; ++i) v << a.text(i);
    v[7] = a.text(7).trimmed(); // the admission the print's rows are keyed by
    v[11] = StoredTextToPlain(a.text(11)); // the report prints text; a result kept as RTF gives its text
    c.execute(QString::fromLatin1(kInsert), v);
    return Recordset();
}

// Twenty values of the MRI and centre-for-women prints: as above up to the user, then the second
// radiology code; the row replaces the user's earlier row of the admission.
Recordset mriOrWcResultPrint(Connection& c, const ProcedureArgs& a)
{
    const QString adm = a.text(7).trimmed(), user = a.text(17);
    c.execute(QStringLiteral("DELETE FROM RADIOLOGY..tbRadioResult WHERE UserID = ? AND AdmNum = ?"), {user, adm});
    QVariantList v;
    for (int i = 0; i < 18; ++i) v << a.text(i);
    v[7] = adm;
    v[11] = StoredTextToPlain(a.text(11));
    // second radiologist, remarks (the fixed text), extra, radiology code (the second code), third, fourth
    v << QString() << a.text(19) << QString() << a.text(18) << QString() << QString();
    c.execute(QString::fromLatin1(kInsert), v);
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("RADIOLOGY..SPRADIO_ResultPrint", radioResultPrint);
CATHLAB_PROCEDURE("RADIOLOGY..spMRI_ResultPrint", mriOrWcResultPrint);
CATHLAB_PROCEDURE("RADIOLOGY..spWC_ResultPrint", mriOrWcResultPrint);
