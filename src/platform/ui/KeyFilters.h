#pragma once

class QKeyEvent;
class QObject;
class QWidget;

// The boxes that take capitals only: a typed lower-case letter arrives as its capital, accented
// letters included (UpperCaseKeyCode). The key goes to the box again, so its own handling
// (selection, length limit, other filters) sees the capital.

// Installs the filter on the box, owned by the box.
void UpperCaseKeys(QWidget* box);

// For a window that filters the box's keys itself: when the key is a letter that has a capital,
// sends the capital to the box and answers true (the caller then drops the original key).
bool SendKeyInUpperCase(QObject* box, const QKeyEvent* key);
