#pragma once
// Small text, date and key utilities of the shared module used by the entry windows.
#include <QString>
#include <QVariant>

class QProgressBar;

// A null becomes one blank, any other value its text; the value itself is replaced by that text.
QString NullToStr(QVariant& value);
// What the emphasis flag of AppendClinicalText switches: italic for the shared callers, bold for
// the workspace's clinical summary.
enum class ClinicalEmphasis { Italic, Bold };
// Writes formatted text into the workspace's clinical summary (rtbClinical) through its
// selection, loading the workspace when needed. colour is a Windows colour value (&HBBGGRR);
// emphasis sets italic or bold as `kind` says, and clears it when False.
void AppendClinicalText(const QString& text, int fontSize, const QString& fontName, qint64 colour, bool emphasis,
                        bool prepend = false, ClinicalEmphasis kind = ClinicalEmphasis::Italic);
// mode 1: the trimmed text filled with blanks up to width when it is shorter, else the text as
// passed; any other mode: "".
QString PadRight(const QString& text, int width, int mode);
// Range of a progress bar: 0 to last - first + 1; nothing when last is 0.
void SetRangeMax(QProgressBar* bar, int first, int last);
// True when every character is a digit 0 to 9 (an empty text too).
bool IsAllDigits(const QString& text);
// Age in whole years at the server's current date; 0 for a text that is no date. secondDate is not read.
int GetAgeYears(const QString& dateText, const QString& secondDate = QString());
// Key filter of name boxes: letters to upper case; letters, comma, hyphen, Ñ and blank pass,
// other printable keys are swallowed (keyAscii 0); control keys pass.
void FilterNameKey(int& keyAscii);
// "year.mm.dd" as far as month and day are valid.
QString JoinDateParts(const QString& year, const QString& month, const QString& day);
// True when the trimmed text of the value is not empty.
bool HasText(const QVariant& value);
