#pragma once
#include "components/ConnectedComponent.h"
#include "platform/db/Recordset.h"

#include <QVariant>

// Nurse activity classes: requests, results, confinements and confinement results.
class NurseActivityComponent : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    QString ServerName;
    bool terminated = false;
    void Class_Terminate()
    {
        ComponentTrace::record(progId().section(QLatin1Char('.'), 1) + QStringLiteral(".Class_Terminate"));
        terminated = true;
    }
    // The nurse activity classes find the run's connection themselves.
    void attach(Connection* conn) { m_conn = conn; }
};
class clsRequest : public NurseActivityComponent {
    Q_OBJECT
public:
    using NurseActivityComponent::NurseActivityComponent;
    // Kinds "1" processed, "2" pending and "3" with results: the admission's requests, fields
    // "ITEM DESCRIPTION", "Qty", "DEPT", "Request Date/Time", "Code", "REQUESTED BY", "PROCESS
    // DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME", "RESULT BY", "Remarks"; kind "2" adds
    // "RequestNum". Kind "4": the patient's recorded vital signs, oldest first, in fields "DATE / TIME" (text,
    // "mm/dd/yyyy hh:mm:ss AM/PM"), "BLOOD PRESSURE", "Temperature", "RESPIRATORY RATE",
    // "PULSE RATE" and "Encoder".
    Recordset GetRequests(const QString& connectionString, const QString& idNum, const QString& kind);
};
// The results other sections posted for an admission.
class clsResults : public NurseActivityComponent {
    Q_OBJECT
public:
    using NurseActivityComponent::NurseActivityComponent;
    // Kinds "1" x-ray, "2" ultrasound, "3" CT: the read results in the fields "TRANS. NO",
    // "EXAM. NAME", "TRANS. DATE", "RESULT DATE" (date-times), "DR. LASTNAME", "DR. FIRSTNAME",
    // "Dr. MiddleName", "Interpretation". Kind "4": the laboratory results in the fields
    // "RequestNum", "Resultdate", "LabExamID", "LabExam", "SectionName", "Reference". Oldest first.
    Recordset GetResults(const QString& connectionString, const QString& idNum, const QString& kind);
};
// A patient's confinements: every stay and visit on record for a hospital number.
class clsConfinement : public NurseActivityComponent {
    Q_OBJECT
public:
    using NurseActivityComponent::NurseActivityComponent;
    // Fields "Admision No.", "Admision Date/Time", "Discharged Date/Time" (texts "mm/dd/yyyy
    // hh:mm:ss AM/PM", null while confined) and "Room" ("ER/OPD" for a visit); newest first. The
    // admission date is not needed to find them.
    Recordset GetConfinementPeriod(const QString& connectionString, const QString& hospNum, const QVariant& admissionDate);
};
// What was given and examined during one confinement.
class clsConfinementResults : public NurseActivityComponent {
    Q_OBJECT
public:
    using NurseActivityComponent::NurseActivityComponent;
    // The kind under which a confinement's CT-scan examinations come.
    static constexpr const char* kCTScanKind = "4";
    // Kind "1": medicines posted to the confinement, fields "Transdate" (text "mm/dd/yyyy"),
    // "Drug Name", "Dosage", "Quantity"; "2" x-ray, "3" ultrasound, kCTScanKind CT-scan
    // examinations, fields "Examination", "Exam. Date" (text "mm/dd/yyyy"), "Interpretation".
    Recordset GetConfinementResults(const QString& connectionString, const QString& idNum, const QString& kind);
};
