#pragma once
#include <QString>

class QTextDocument;

// A rich-text document as RTF, for the result and template columns that other programs of the
// hospital read: fonts, sizes, bold, italic, underline, strike-through, colours, alignment,
// indents, bullets and numbered paragraphs. The reader of Rtf.h gives the same document back.
// The text holds 7-bit characters only: other characters go out as \'xx (Windows-1252) or \uN.
QString DocumentToRtf(const QTextDocument& document);
