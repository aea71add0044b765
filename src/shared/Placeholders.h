#pragma once
#include <QString>

// Windows that a window opens but that are not part of this program yet: the user is told so
// instead of getting nothing (or a crash).
void ShowWindowNotYetAvailable(const QString& windowCaption);
