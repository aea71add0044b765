#include "platform/ui/TextLimit.h"

#include "platform/text/NumberRange.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>
#include <QVariant>

namespace {
const char* const kMaxLength = "maxLength";

// Drops the characters over the limit just before the cursor (what was inserted last), or at the
// end when the cursor stands too near the start.
template <typename Box>
void trimToLimit(Box* box)
{
    const int limit = box->property(kMaxLength).toInt();
    const int length = box->document()->characterCount() - 1; // the document's closing paragraph mark
    if (limit <= 0 || length <= limit) return;
    const int excess = length - limit;
    QTextCursor c = box->textCursor();
    const int end = c.position() >= excess ? c.position() : length;
    c.setPosition(end - excess);
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    box->setTextCursor(c);
}

template <typename Box>
void limit(Box* box, int maxLength)
{
    const bool wired = box->property(kMaxLength).isValid();
    box->setProperty(kMaxLength, maxLength);
    if (!wired) QObject::connect(box, &Box::textChanged, box, [box] { trimToLimit(box); });
    trimToLimit(box);
}
} // namespace

void SetMaxLength(QPlainTextEdit* box, int maxLength) { limit(box, maxLength); }
void SetMaxLength(QTextEdit* box, int maxLength) { limit(box, maxLength); }

void FitToRange(QLineEdit* box, const NumberRange& range) { box->setMaxLength(range.width()); }

bool RefuseOutOfRange(QLineEdit* box, const NumberRange& range, bool emptyAllowed)
{
    if ((emptyAllowed && box->text().trimmed().isEmpty()) || range.accepts(box->text())) return false;
    MsgBox(range.message(), vbOKOnly | vbInformation, QStringLiteral("Notification"));
    box->setFocus();
    box->selectAll();
    return true;
}

int MaxLengthOf(const QObject* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->maxLength();
    return box->property(kMaxLength).toInt();
}
