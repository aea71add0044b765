// The clinical summary page: the patient's confinements, the summary of one of them as rich text,
// and its report.
#include "workspace/frmFinal.h"

#include "components/NurseActivity.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/text/TextUtilities.h"
#include "workspace/WorkspaceData.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include <cmath>

namespace {

const QString kClinFormat = QStringLiteral(" |<Admision No. |<Admision Date/Time     |<Discharged Date/Time |<Room No.");
constexpr qint64 kBlue = 0xFF0000, kBlack = 0;

struct Style {
    const char* font;
    int size;
    qint64 colour;
    bool bold;
};
const Style spacer{"Arial", 14, kBlue, false}, sectionSpacer{"Arial", 14, kBlue, true}, rule{"Arial", 14, kBlack, false},
    hospitalLine{"Courier New", 10, kBlack, false}, title{"Monotype Corsiva", 14, kBlue, false},
    patientLabel{"Courier New", 10, kBlue, false}, patientValue{"Courier New", 10, kBlack, false},
    admissionLabel{"Courier New", 10, kBlue, true}, admissionValue{"Arial", 8, kBlack, false},
    sectionHeading{"Arial", 10, kBlue, true}, medicineLine{"Courier New", 8, kBlack, false},
    examinationLine{"Arial", 8, kBlue, false}, resultLine{"Arial", 8, kBlack, false};
const QString CRLF = QStringLiteral("\r\n");

// Appends one piece at the end of the summary in its own font, size, colour and weight.
void append(const QString& text, const Style& s)
{
    AppendClinicalText(text, s.size, QString::fromLatin1(s.font), s.colour, s.bold, false, ClinicalEmphasis::Bold);
}

QString pad(const QString& text, int width) { return PadRight(text, width, 1); }
QString spaces(int n) { return QString(qMax(0, n), QLatin1Char(' ')); }

// 40 less half the length, halves to the even number.
int centreIndent(const QString& text)
{
    return 40 - int(std::nearbyint(text.trimmed().size() / 2.0));
}

QString shortDateOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    QDateTime dt = QDateTime::fromString(t, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    if (!dt.isValid()) dt = QDateTime(QDate::fromString(t.left(10), QStringLiteral("MM/dd/yyyy")), QTime(0, 0));
    return dt.isValid() ? dt.toString(QStringLiteral("MM/dd/yyyy")) : t;
}

clsConfinement& confinements()
{
    static clsConfinement local(QStringLiteral("Nurse_activity.clsConfinement"));
    auto* shared = qobject_cast<clsConfinement*>(Session.ConfinementService);
    clsConfinement& c = shared ? *shared : local;
    c.attach(&SharedConnection());
    return c;
}

clsConfinementResults& confinementResults()
{
    static clsConfinementResults local(QStringLiteral("Nurse_activity.clsConfinementResults"));
    auto* shared = qobject_cast<clsConfinementResults*>(Session.ConfinementResultService);
    clsConfinementResults& c = shared ? *shared : local;
    c.attach(&SharedConnection());
    return c;
}

} // namespace

void frmFinal::LoadConfinements()
{
    try {
        rtbClinical->clear();
        mshflexClin->clear();
        mshflexClin->setCols(5);
        mshflexClin->setRows(2);
        mshflexClin->setFormatString(kClinFormat);
        const int widths[] = {1, 2500, 4000, 4000, 1000};
        for (int c = 0; c < 5; ++c) mshflexClin->setColWidth(c, widths[c]);
        Connection& conn = SharedConnection();
        const WorkspaceData::PersonalInfo p = WorkspaceData::ReadPersonalInfo(conn, txtPno->text().trimmed());
        const std::pair<int, QString> values[] = {{9, p.address.trimmed()}, {12, p.birthPlace}, {13, p.nationality},
                                                  {14, p.religion},          {15, p.civilStatus}, {16, p.spouse},
                                                  {17, p.father},            {18, p.mother}};
        for (const auto& v : values) lblClinHEad[v.first]->setText(v.second);
        // The component finds the confinements by hospital number; the date is that of the record
        // the patient search holds for the open patient.
        QVariant admissionDate = Patient.AdmissionDate;
        if (Session.PatientSearch)
            admissionDate = IsOutPatientNumber(txtID->text())
                                ? Session.PatientSearch->PatientClass()->clsOutPatient()->AdmissionDate
                                : Session.PatientSearch->Admission()->AdmissionDate;
        Recordset rs = confinements().GetConfinementPeriod(conn.connectionString(), txtPno->text(), admissionDate);
        if (!rs.isEmpty()) {
            mshflexClin->setEnabled(true);
            cmdClinical[0]->setEnabled(true);
            for (int r = 0; r < rs.recordCount(); ++r) {
                ProgressBarMeter->setValue(int(float(r + 1) / rs.recordCount() * 100));
                if (!mshflexClin->TextMatrix(1, 1).isEmpty()) mshflexClin->AddItem(QString());
                const int row = mshflexClin->Rows() - 1;
                mshflexClin->setTextMatrix(row, 1, rs.textAt(r, QStringLiteral("Admision No.")));
                mshflexClin->setTextMatrix(row, 2, rs.textAt(r, QStringLiteral("Admision Date/Time")));
                mshflexClin->setTextMatrix(row, 3, rs.textAt(r, QStringLiteral("Discharged Date/Time")));
                mshflexClin->setTextMatrix(row, 4, rs.textAt(r, QStringLiteral("Room")));
            }
        } else {
            mshflexClin->setFormatString(kClinFormat);
            mshflexClin->setRows(2);
            mshflexClin->setEnabled(false);
            cmdClinical[0]->setEnabled(false);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::mshflexClin_Click()
{
    cmdClinicalOption[1]->setEnabled(false);
    ConfinementIDNum = mshflexClin->TextMatrix(qMax(1, mshflexClin->currentRow()), 1);
    cmdClinicalOption[1]->setEnabled(true);
}

void frmFinal::cmdClinical_Click(int index)
{
    if (index == 0)
        BuildClinicalSummary();
    else
        cmdExit_Click();
}

void frmFinal::cmdClinicalOption_Click(int index)
{
    if (index == 0) {
        LoadConfinements();
    } else {
        try {
            PrepareReport(ReportFilePath(QStringLiteral("Clinical_Summary.RPT")), {ConfinementIDNum.trimmed(), Session.HospAddress});
            ShowReport(false, QStringLiteral("Clinical Summary"), false, false);
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
            return; // a failed print leaves "Print" enabled
        }
    }
    cmdClinicalOption[1]->setEnabled(false);
}

void frmFinal::cmdViewSummary_Click()
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("Clinical_Summary.RPT")), {txtID->text().trimmed(), Session.HospAddress});
        ShowReport(false, QStringLiteral("Clinical Summary"), false, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::BuildClinicalSummary()
{
    try {
        Connection& conn = SharedConnection();
        const int row = qMax(1, mshflexClin->currentRow());
        const QString key = mshflexClin->TextMatrix(row, 1);
        rtbClinical->clear();
        append(CRLF, spacer);
        append(spaces(centreIndent(Session.HospName)) + Session.HospName.trimmed() + CRLF, hospitalLine);
        append(spaces(centreIndent(Session.HospAddress)) + Session.HospAddress.trimmed() + CRLF, hospitalLine);
        append(spaces(62) + QStringLiteral("Clinical Summary") + CRLF, title);
        append(CRLF, spacer);

        // The comparison is exact: a lower-case "b" is an in-patient admission number.
        const bool outPatient = IsOutPatientNumber(key);
        HeaderAdmission a;
        HeaderVisit v;
        HeaderPatient p;
        bool found;
        QString idNumber, hospitalNumber, age, room;
        if (outPatient) {
            found = PatientHeaderRecords::OpenOutPatient(conn, key.trimmed(), txtPno->text().trimmed(), v) &&
                    PatientHeaderRecords::LoadVisitPatient(conn, txtPno->text().trimmed(), p);
            idNumber = key.trimmed();
            hospitalNumber = txtPno->text().trimmed();
            age = p.Age;
            room = QStringLiteral("ER/OPD");
        } else {
            found = PatientHeaderRecords::ValidateAdmission(conn, key, a);
            p = a.Patient;
            idNumber = key.trimmed();
            hospitalNumber = WorkspaceData::HospNumOfAdmission(conn, key);
            age = a.Age;
            room = a.RoomID;
        }
        if (found) {
            auto line = [&](const char* l1, const QString& v1, const char* l2, const QString& v2, const char* l3, const QString& v3) {
                append(QString::fromLatin1(l1), patientLabel);
                append(QStringLiteral(" ") + pad(v1, 15), patientValue);
                append(QStringLiteral(" ") + QString::fromLatin1(l2), patientLabel);
                append(QStringLiteral(" ") + pad(v2, 10), patientValue);
                append(QStringLiteral(" ") + QString::fromLatin1(l3), patientLabel);
                append(QStringLiteral(" ") + v3 + CRLF, patientValue);
            };
            line("Lastname   :", p.LastName, "Age         :", age, "Admission Number :", idNumber);
            line("Firstname  :", p.FirstName, "Sex         :", p.Sex == QLatin1String("M") ? QStringLiteral("Male") : QStringLiteral("Female"),
                 "Hospital Number  :", hospitalNumber);
            line("Middlename :", p.MiddleName, "Civil Status:", p.CivilStatusDescription, "Room/Ward Number :", room);
            append(QStringLiteral("Birthdate  :"), patientLabel);
            QString birth = p.BirthDate.isValid() ? p.BirthDate.date().toString(QStringLiteral("M/d/yyyy")) : QString();
            while (birth.endsWith(QLatin1Char(' '))) birth.chop(1);
            append(QStringLiteral(" ") + birth + CRLF, patientValue);
            append(QString(57, QLatin1Char('_')) + CRLF, rule);
            append(CRLF, spacer);

            const QString pairs[7][2] = {
                {QStringLiteral("Date Admitted        :"), shortDateOf(mshflexClin->TextMatrix(row, 2))},
                {QStringLiteral("Date Discharged      :"), shortDateOf(mshflexClin->TextMatrix(row, 3))},
                {QStringLiteral("Attending Physician  :"), outPatient ? v.Doctor1.CompleteName : a.AttendingDoctor1.CompleteName},
                {QStringLiteral("Admitting Doctor     :"), outPatient ? QString() : a.AdmittingDoctor.CompleteName},
                {QStringLiteral("Admitting Diagnosis  :"), outPatient ? QString() : a.AdmittingDiagnosis},
                {QStringLiteral("Chief Complaints     :"), outPatient ? v.ChiefComplaint : a.ChiefComplaint},
                {QStringLiteral("Final Diagnosis      :"), outPatient ? v.FinalDiagnosis : a.FinalDiagnosis}};
            for (const auto& pair : pairs) {
                append(pair[0], admissionLabel);
                append(spaces(5) + pair[1] + CRLF, admissionValue);
            }
            append(CRLF, sectionSpacer);
        }

        const QString cs = conn.connectionString();
        Recordset meds = confinementResults().GetConfinementResults(cs, key, QStringLiteral("1"));
        if (!meds.isEmpty()) {
            append(QStringLiteral("Medications :") + CRLF, sectionHeading);
            append(spaces(7) + pad(QStringLiteral("Rx Date"), 14) + spaces(3) + pad(QStringLiteral("Brand Name"), 45) + spaces(5) +
                       pad(QStringLiteral("Dosage"), 25) + spaces(5) + pad(QStringLiteral("Qty"), 5),
                   medicineLine);
        }
        append(CRLF, sectionHeading);
        for (int r = 0; r < meds.recordCount(); ++r) {
            ProgressBarMeter->setValue(int(float(r + 1) / meds.recordCount() * 100));
            if (meds.valueAt(r, QStringLiteral("Transdate")).isNull()) continue;
            const QVariant qty = meds.valueAt(r, QStringLiteral("Quantity"));
            append(pad(meds.textAt(r, QStringLiteral("Transdate")), 14) + spaces(3) + pad(meds.textAt(r, QStringLiteral("Drug Name")), 45) +
                       spaces(5) + pad(meds.textAt(r, QStringLiteral("Dosage")), 25) + spaces(5) +
                       pad(qty.isNull() ? QString() : QString::number(qty.toDouble()), 5) + spaces(2) + CRLF,
                   medicineLine);
        }
        append(CRLF, sectionSpacer);

        const struct { const char* kind; const char* heading; bool spacerAfter; } sections[] = {
            {"2", "Xray Examinations :", true},
            {"3", "Ultrasound Examinations :", true},
            {clsConfinementResults::kCTScanKind, "CT-Scan Examinations :", false}};
        for (const auto& s : sections) {
            Recordset ex = confinementResults().GetConfinementResults(cs, key, QString::fromLatin1(s.kind));
            if (!ex.isEmpty()) append(QString::fromLatin1(s.heading) + CRLF, sectionHeading);
            for (int r = 0; r < ex.recordCount(); ++r) {
                ProgressBarMeter->setValue(int(float(r + 1) / ex.recordCount() * 100));
                append(spaces(10) + ex.textAt(r, QStringLiteral("Examination")) + QStringLiteral(" ") +
                           ex.textAt(r, QStringLiteral("Exam. Date")) + CRLF,
                       examinationLine);
                append(ex.textAt(r, QStringLiteral("Interpretation")) + CRLF, resultLine);
                append(CRLF, resultLine);
            }
            if (s.spacerAfter) append(CRLF, sectionSpacer);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    // The other pages read the patient search component's records as the open patient's, also
    // after a failed build.
    if (!Session.PatientSearch) return;
    try {
        if (IsOutPatientNumber(txtID->text()))
            Session.PatientSearch->PatientClass()->clsOutPatient()->OpenOutPatient(txtID->text().trimmed(), txtPno->text().trimmed());
        else
            Session.PatientSearch->ValidateAdmission(txtID->text().trimmed());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
