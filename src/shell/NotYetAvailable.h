#pragma once
#include <QString>

// Stands in for a window that a later version of the station brings: tells the user that the
// window is not yet available instead of opening it. windowName is the class the window will
// have (so its arrival replaces exactly these calls); caption is what the user chose.
// Returns when the notice is closed, as a modal window would.
void ShowNotYetAvailable(const QString& windowName, const QString& caption);

// The text of that notice.
QString NotYetAvailableText(const QString& caption);
