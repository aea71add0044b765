// The clinical assessments of the demo hospital: laboratory professional fees by class, a pending
// clinical assessment with its remarks and specimen, and for the cash-basis admission a second paid
// receipt one of whose items already has a processed credit memo advice.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void clinicalAssessments(Connection& c, const DemoScale&)
{
    const char* classes[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    for (const char* exam : {"CBC", "CREA", "TROPI", "ABG"})
        for (int i = 0; i < 8; ++i)
            c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExamPFByClass (LabExamID, RateClass, Rate) SELECT ?, ?, ? "
                                     "WHERE EXISTS (SELECT 1 FROM BUILD_FILE..tbCoLabExam WHERE LabExamID = ?)"),
                      {QString::fromLatin1(exam), QString::fromLatin1(classes[i]), 50 + 10 * i, QString::fromLatin1(exam)});
    // The admission of the demo's paid cash assessment, when there is one.
    const Recordset paid = c.query(QStringLiteral("SELECT IDNum, HospNum, PatientName FROM STATION..tbCLAssessment "
                                                  "WHERE AssessType = 'CASH' AND Status = 'PAID' ORDER BY LineID LIMIT 1"));
    if (paid.isEmpty()) return;
    const QDateTime now = c.serverDateTime();
    const QVariantList who{paid.text(QStringLiteral("HospNum")), paid.text(QStringLiteral("IDNum")), paid.text(QStringLiteral("PatientName"))};
    const QString line = QStringLiteral("INSERT INTO STATION..tbCLAssessment (AssessNum, AssessType, HospNum, IDNum, PatientName, TransDate, "
                                        "RevenueID, ItemID, Description, Quantity, Amount, UserID, Remarks, SpecimenID, Status, ORNumber, PaidDate) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'CL001', ?, ?, ?, ?, ?)");
    const QVariant noText(QMetaType(QMetaType::QString)), noDate(QMetaType(QMetaType::QDateTime));
    c.execute(line, QVariantList{"CL1999", "CASH"} + who + QVariantList{now.addDays(-1), "LB", "CBC", "COMPLETE BLOOD COUNT", 1, 350, noText,
                                                                        noText, "PAID", "OR556013", now.addDays(-1)});
    c.execute(line, QVariantList{"CL1999", "CASH"} + who + QVariantList{now.addDays(-1), "XR", "CXRPA", "CHEST PA", 1, 650, noText, noText,
                                                                        "PAID", "OR556013", now.addDays(-1)});
    c.execute(line, QVariantList{"CL2001", "CLINICAL"} + who + QVariantList{now, "LB", "CREA", "CREATININE", 1, 280, "FASTING", "SER",
                                                                            "PENDING", noText, noDate});
    c.execute(QStringLiteral("INSERT INTO BILLING..tbCashCMAdvise (CMAdviseNum, ORNumber, ItemID, RevenueID, PatientName, UnitPrice, Quantity, "
                             "Amount, UserID, TransDate, Processed) VALUES ('OR12', 'OR556013', 'CXRPA', 'XR', ?, 650, 1, 650, 'CL001', ?, 1)"),
              {paid.text(QStringLiteral("PatientName")), now});
    c.execute(QStringLiteral("UPDATE BILLING..tbAssessmentNum SET CMAdvisenum = 13 WHERE COALESCE(CMAdvisenum, 0) < 13"));
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = 2002 WHERE StationID = 'CL' AND COALESCE(AssessNum, 0) < 2002"));
}

} // namespace

CATHLAB_DEMO_SECTION(438, "clinical assessments: laboratory fees by class, a clinical assessment, a credited receipt", clinicalAssessments,
                     "BUILD_FILE..tbCoLabExamPFByClass");
