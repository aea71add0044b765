// The clinical summary page: the patient's confinements, the summary of one of them as rich text,
// and its report.
#include "workspace/frmFinal.h"

#include "components/NurseActivity.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/text/TextUtilities.h"

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
void append(QTextEdit* box, const QString& text, const Style& s)
{
    QTextCharFormat f;
    f.setFontFamilies({QString::fromLatin1(s.font)});
    f.setFontPointSize(s.size);
    f.setForeground(QColor(int(s.colour & 0xFF), int((s.colour >> 8) & 0xFF), int((s.colour >> 16) & 0xFF)));
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    QTextCursor c(box->document());
    c.movePosition(QTextCursor::End);
    QString t = text;
    t.replace(CRLF, QStringLiteral("\n"));
    c.insertText(t, f);
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
    auto* shared = qobject_cast<clsConfinement*>(ConfinementService);
    clsConfinement& c = shared ? *shared : local;
    c.attach(&SharedConnection());
    return c;
}

clsConfinementResults& confinementResults()
{
    static clsConfinementResults local(QStringLiteral("Nurse_activity.clsConfinementResults"));
    auto* shared = qobject_cast<clsConfinementResults*>(ConfinementResultService);
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
        HeaderMaster m;
        PatientHeaderRecords::LoadPatientMaster(conn, txtPno->text(), m);
        lblClinHEad[9]->setText(m.CompleteAddress.trimmed());
        lblClinHEad[13]->setText(m.Nationality);
        lblClinHEad[15]->setText(m.CivilStatus);
        for (int i : {12, 14, 16, 17, 18}) lblClinHEad[i]->clear();
        const QString cs = conn.connectionString();
        Recordset rs = confinements().GetConfinementPeriod(cs, txtPno->text(), SelectedAdmissionDate);
        if (!rs.isEmpty()) {
            mshflexClin->setEnabled(true);
            cmdClinical[0]->setEnabled(true);
            for (int r = 0; r < rs.recordCount(); ++r) {
                ProgressBarMeter->setValue(int(float(r + 1) / rs.recordCount() * 100));
                if (!mshflexClin->TextMatrix(1, 1).isEmpty()) mshflexClin->AddItem(QString());
                const int row = mshflexClin->Rows() - 1;
                mshflexClin->setTextMatrix(row, 1, DbValue::text(rs.valueAt(r, 0)));
                const QDateTime adm = DbValue::toDateTime(rs.valueAt(r, 1));
                const QDateTime dcr = DbValue::toDateTime(rs.valueAt(r, 2));
                mshflexClin->setTextMatrix(row, 2, adm.isValid() ? Fmt::serverDateText(adm) : QString());
                mshflexClin->setTextMatrix(row, 3, dcr.isValid() ? Fmt::serverDateText(dcr) : QString());
                mshflexClin->setTextMatrix(row, 4, DbValue::text(rs.valueAt(r, 3)));
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
            PrepareReport(ReportFilePath(QStringLiteral("Clinical_Summary.RPT")), {ConfinementIDNum.trimmed(), HospAddress});
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
        PrepareReport(ReportFilePath(QStringLiteral("Clinical_Summary.RPT")), {txtID->text().trimmed(), HospAddress});
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
        QTextEdit* box = rtbClinical;
        box->clear();
        append(box, CRLF, spacer);
        append(box, spaces(centreIndent(HospName)) + HospName.trimmed() + CRLF, hospitalLine);
        append(box, spaces(centreIndent(HospAddress)) + HospAddress.trimmed() + CRLF, hospitalLine);
        append(box, spaces(62) + QStringLiteral("Clinical Summary") + CRLF, title);
        append(box, CRLF, spacer);

        const bool outPatient = key.trimmed().endsWith(QLatin1Char('B'));
        HeaderAdmission a;
        HeaderVisit v;
        HeaderPatient p;
        bool found;
        QString room;
        if (outPatient) {
            found = PatientHeaderRecords::OpenOutPatient(conn, key.trimmed(), txtPno->text().trimmed(), v);
            if (found) PatientHeaderRecords::LoadVisitPatient(conn, txtPno->text().trimmed(), p);
            room = QStringLiteral("ER/OPD");
        } else {
            found = PatientHeaderRecords::ValidateAdmission(conn, key, a);
            p = a.Patient;
            room = a.RoomID;
        }
        if (found) {
            const QString hosp = txtPno->text().trimmed();
            auto line = [&](const char* l1, const QString& v1, const char* l2, const QString& v2, const char* l3, const QString& v3) {
                append(box, QString::fromLatin1(l1), patientLabel);
                append(box, QStringLiteral(" ") + pad(v1, 15), patientValue);
                append(box, QStringLiteral(" ") + QString::fromLatin1(l2), patientLabel);
                append(box, QStringLiteral(" ") + pad(v2, 10), patientValue);
                append(box, QStringLiteral(" ") + QString::fromLatin1(l3), patientLabel);
                append(box, QStringLiteral(" ") + v3 + CRLF, patientValue);
            };
            line("Lastname   :", p.LastName, "Age         :", p.Age, "Admission Number :", key.trimmed());
            line("Firstname  :", p.FirstName, "Sex         :", p.Sex == QLatin1String("M") ? QStringLiteral("Male") : QStringLiteral("Female"),
                 "Hospital Number  :", hosp);
            line("Middlename :", p.MiddleName, "Civil Status:", p.CivilStatusDescription, "Room/Ward Number :", room);
            append(box, QStringLiteral("Birthdate  :"), patientLabel);
            QString birth = p.BirthDate.isValid() ? p.BirthDate.date().toString(QStringLiteral("M/d/yyyy")) : QString();
            while (birth.endsWith(QLatin1Char(' '))) birth.chop(1);
            append(box, QStringLiteral(" ") + birth + CRLF, patientValue);
            append(box, QString(57, QLatin1Char('_')) + CRLF, rule);
            append(box, CRLF, spacer);

            const QString pairs[7][2] = {
                {QStringLiteral("Date Admitted        :"), shortDateOf(mshflexClin->TextMatrix(row, 2))},
                {QStringLiteral("Date Discharged      :"), shortDateOf(mshflexClin->TextMatrix(row, 3))},
                {QStringLiteral("Attending Physician  :"), outPatient ? v.Doctor1.CompleteName : a.AttendingDoctor1.CompleteName},
                {QStringLiteral("Admitting Doctor     :"), outPatient ? QString() : a.AdmittingDoctor.CompleteName},
                {QStringLiteral("Admitting Diagnosis  :"), outPatient ? QString() : a.AdmittingDiagnosis},
                {QStringLiteral("Chief Complaints     :"), outPatient ? v.ChiefComplaint : a.ChiefComplaint},
                {QStringLiteral("Final Diagnosis      :"), outPatient ? v.FinalDiagnosis : a.FinalDiagnosis}};
            for (const auto& pair : pairs) {
                append(box, pair[0], admissionLabel);
                append(box, spaces(5) + pair[1] + CRLF, admissionValue);
            }
            append(box, CRLF, sectionSpacer);
        }

        const QString cs = conn.connectionString();
        Recordset meds = confinementResults().GetConfinementResults(cs, key, QStringLiteral("1"));
        if (!meds.isEmpty()) {
            append(box, QStringLiteral("Medications :") + CRLF, sectionHeading);
            append(box, spaces(7) + pad(QStringLiteral("Rx Date"), 14) + spaces(3) + pad(QStringLiteral("Brand Name"), 45) + spaces(5) +
                            pad(QStringLiteral("Dosage"), 25) + spaces(5) + pad(QStringLiteral("Qty"), 5),
                   medicineLine);
        }
        append(box, CRLF, sectionHeading);
        for (int r = 0; r < meds.recordCount(); ++r) {
            ProgressBarMeter->setValue(int(float(r + 1) / meds.recordCount() * 100));
            if (meds.valueAt(r, 0).isNull()) continue;
            const QDateTime when = DbValue::toDateTime(meds.valueAt(r, 0));
            append(box, pad(Fmt::serverDateText(when), 14) + spaces(3) + pad(DbValue::text(meds.valueAt(r, 1)), 45) + spaces(5) +
                            pad(DbValue::text(meds.valueAt(r, 2)), 25) + spaces(5) +
                            pad(QString::number(meds.valueAt(r, 3).toDouble()), 5) + spaces(2) + CRLF,
                   medicineLine);
        }
        append(box, CRLF, sectionSpacer);

        const struct { const char* kind; const char* heading; bool spacerAfter; } sections[] = {
            {"2", "Xray Examinations :", true}, {"3", "Ultrasound Examinations :", true}, {"4", "CT-Scan Examinations :", false}};
        for (const auto& s : sections) {
            Recordset ex = confinementResults().GetConfinementResults(cs, key, QString::fromLatin1(s.kind));
            if (!ex.isEmpty()) append(box, QString::fromLatin1(s.heading) + CRLF, sectionHeading);
            for (int r = 0; r < ex.recordCount(); ++r) {
                ProgressBarMeter->setValue(int(float(r + 1) / ex.recordCount() * 100));
                const QDateTime when = DbValue::toDateTime(ex.valueAt(r, 1));
                append(box, spaces(10) + DbValue::text(ex.valueAt(r, 0)) + QStringLiteral(" ") +
                                (when.isValid() ? Fmt::serverDateText(when) : QString()) + CRLF,
                       examinationLine);
                append(box, DbValue::text(ex.valueAt(r, 2)) + CRLF, resultLine);
                append(box, CRLF, resultLine);
            }
            if (s.spacerAfter) append(box, CRLF, sectionSpacer);
        }
        // The patient search component holds the workspace's own patient again.
        if (PatientSearch) {
            if (txtID->text().trimmed().endsWith(QLatin1Char('B')))
                PatientSearch->LoadOutPatient(txtID->text().trimmed());
            else
                PatientSearch->LoadAdmission(txtID->text().trimmed());
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
