#pragma once
#include <QString>

class QTextEdit;

// The rich-text boxes of the procedure report hold RTF in the database: a stored text (RTF, or
// plain text written by older programs) goes in, RTF comes out.
void SetRichText(QTextEdit* box, const QString& stored);
QString RichTextOf(const QTextEdit* box);
// A rich-text box with the report's default font (Arial 9.75 points).
void UseReportFont(QTextEdit* box);
