#pragma once
// Key filters of the registration windows.
class QLineEdit;
class QWidget;

namespace RegistrationKeys {
// Name boxes: letters arrive as capitals; letters, "Ñ", blank, comma and hyphen pass, every other
// printable key is dropped.
void FilterNames(QLineEdit* box);
// An apostrophe typed anywhere in the window is dropped before a box sees it.
void DropApostrophes(QWidget* window);
}

// Whether the flag of the master patient search's hospital-card road is set: the registration
// entry then loads the carded person when it loads; a successful registration clears it.
namespace RegistrationFlags {
inline bool RegisterByHospNum = false;
}
