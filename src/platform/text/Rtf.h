#pragma once
#include <QByteArray>
#include <QString>

// Reading the rich text that results and interpretation templates are stored as (RTF, because
// other programs of the hospital read and write the same columns). The reader knows what the
// formatting toolbar offers and what the other sections' editors write: fonts, sizes, bold,
// italic, underline, strike-through, colours, alignment, indents, bullets and numbering, code-page
// escapes (\'xx) and Unicode escapes (\uN). Anything else is skipped, never shown as code.

// True when the text starts (after blanks) with "{\rtf".
bool LooksLikeRtf(const QByteArray& text);
bool LooksLikeRtf(const QString& text);

// The RTF as an HTML fragment that QTextDocument / QTextEdit::setHtml take.
QString RtfToHtml(const QByteArray& rtf);
// Characters above U+00FF (which cannot stand as RTF bytes) are read as \uN escapes.
QString RtfToHtml(const QString& rtf);

// The text alone: paragraphs on lines of their own, list items with their bullet or number.
QString RtfToPlainText(const QByteArray& rtf);
QString RtfToPlainText(const QString& rtf);

// What a rich-text box shows of a stored text: RTF read as above, anything else as plain text.
QString StoredTextToHtml(const QString& stored);
// What a plain-text box shows of a stored text: the text of an RTF value, anything else unchanged.
QString StoredTextToPlain(const QString& stored);
