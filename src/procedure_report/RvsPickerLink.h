#pragma once
#include <QString>
#include <functional>

// The RVS code picker and the RVS descriptions belong to the station settings, which stand above
// the procedure report: the main window installs them here when its library loads.
namespace RvsPickerLink {
struct Choice {
    QString code, description; // both empty when the picker was closed without a choice
};
// The picker, opened modally with the search text and limited to the exam's codes.
using Picker = std::function<Choice(const QString& key, const QString& examID)>;
// The description of a code in upper case; "" when there is none (a failure shows the notice).
using Describer = std::function<QString(const QString& code)>;
void install(Picker picker, Describer describer);
// Throw DbError when nothing is installed.
Choice pick(const QString& key, const QString& examID);
QString describe(const QString& code);
}
