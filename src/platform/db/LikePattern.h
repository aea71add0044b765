#pragma once
#include <QString>

// Patterns for LIKE over text a user typed: the text's own "%", "_" and "!" are characters to find,
// never wildcards. Use them with "LIKE ? ESCAPE '!'" (both engines read that escape clause).
namespace Like {
// The typed text with its wildcards escaped by "!".
QString literal(const QString& typed);
// Text that begins with the typed text.
QString startsWith(const QString& typed);
// Text that holds the typed text anywhere.
QString contains(const QString& typed);
}
