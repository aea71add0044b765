#pragma once

struct NumberRange;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QTextEdit;

// A multi-line box that holds at most maxLength characters, as a line box's maxLength does: what is
// typed or pasted beyond it is dropped where it was inserted. The limit is kept in the box's
// "maxLength" property (0 or less: no limit), so a later call changes it.
void SetMaxLength(QPlainTextEdit* box, int maxLength);
void SetMaxLength(QTextEdit* box, int maxLength);
// The limit given to a box (0: none).
int MaxLengthOf(const QObject* box);

// A box that takes a number: its maximum length is the longest text of the range.
void FitToRange(QLineEdit* box, const NumberRange& range);
// Whether the box's text is outside the range: then the range's message is shown (title
// "Notification") and the box takes the focus with its text selected. An empty box passes when
// emptyAllowed.
bool RefuseOutOfRange(QLineEdit* box, const NumberRange& range, bool emptyAllowed);
