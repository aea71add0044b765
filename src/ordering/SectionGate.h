#pragma once
#include <QString>

// The section account gate run before an exam of a section is added or a window that orders
// them opens: A the user's right "1", B1 the patient's record read again, B2 cleared by the
// section, B3 the account closed, B4 the section's charges under cash basis (in-patients only).
// Each refusal shows its message titled "Message". Database failures reach the caller.
namespace SectionGate {

enum class EntryPoint { LabList, UltraList, XrayList, OthersList, LabSearch, UltraSearch, XraySearch };
enum class Result { Passed, Refused, AccountClosed };

// The department text of the B2 message: the section table's, or the other-sections entry's name.
QString DepartmentText(const QString& section, const QString& namePart = QString());
// Steps A to B3, then B4 unless deferred.
Result Run(EntryPoint entry, const QString& section, const QString& departmentText, const QString& idNum,
           const QString& patientType, bool runCashBasis = true);
// Step B4 alone: an in-patient's cash basis for the section (sections without a flag pass).
Result CashBasis(const QString& section, const QString& idNum, const QString& patientType);

} // namespace SectionGate
