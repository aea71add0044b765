#include "shared/text/TextUtilities.h"

#include "components/StationComponents.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "shared/WorkspaceLink.h"
#include "shared/modGlobalsRoutines.h"

#include <QColor>
#include <QProgressBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <cmath>

QString NullToStr(QVariant& value)
{
    const QString text = (value.isNull() || !value.isValid()) ? QStringLiteral(" ") : DbValue::text(value);
    value = text;
    return text;
}

void AppendClinicalText(const QString& text, int fontSize, const QString& fontName, qint64 colour, bool emphasis,
                        bool prepend, ClinicalEmphasis kind)
{
    QTextEdit* box = WorkspaceLink::workspace().rtbClinical;
    QTextCharFormat format;
    format.setFontFamilies({fontName});
    format.setForeground(QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));
    format.setFontPointSize(fontSize);
    if (kind == ClinicalEmphasis::Bold)
        format.setFontWeight(emphasis ? QFont::Bold : QFont::Normal);
    else
        format.setFontItalic(emphasis);
    QTextCursor cursor = box->textCursor();
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QString added = text;
    added.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    cursor.insertText(prepend ? added + selected : selected + added, format);
    box->setTextCursor(cursor);
}

QString PadRight(const QString& text, int width, int mode)
{
    if (mode != 1) return QString();
    const QString trimmed = text.trimmed();
    if (trimmed.size() < width) return trimmed.leftJustified(width, QLatin1Char(' '));
    return text;
}

void SetRangeMax(QProgressBar* bar, int first, int last)
{
    if (last == 0 || !bar) return;
    bar->setMinimum(0);
    bar->setMaximum(last - first + 1);
}

bool IsAllDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

namespace {
QDate parseDate(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* f : {"MM/dd/yyyy", "M/d/yyyy", "yyyy-MM-dd", "MM-dd-yyyy", "M-d-yyyy", "yyyy/MM/dd"}) {
        const QDate d = QDate::fromString(t, QString::fromLatin1(f));
        if (d.isValid()) return d;
    }
    return DbValue::toDateTime(t).date();
}
}

int GetAgeYears(const QString& dateText, const QString& secondDate)
{
    Q_UNUSED(secondDate);
    if (dateText == QLatin1String("  /  /    ")) return 0;
    const QDate born = parseDate(dateText);
    if (!born.isValid()) return 0;
    const QDate today = GetServerDate().date();
    const qint64 days = born.daysTo(today);
    return int(std::floor(double(days) / 365.25));
}

void FilterNameKey(int& keyAscii)
{
    keyAscii = KeyPress::AllUppers(keyAscii);
    if (keyAscii < 32) return;
    const bool allowed = (keyAscii >= 'A' && keyAscii <= 'Z') || keyAscii == ',' || keyAscii == '-' || keyAscii == 0xD1
                         || keyAscii == ' ';
    if (!allowed) keyAscii = 0;
}

QString JoinDateParts(const QString& year, const QString& month, const QString& day)
{
    QString out = year.trimmed();
    const double m = Fmt::roundHalfEven(Fmt::val(month));
    if (m >= 1 && m <= 12) {
        out += QLatin1Char('.');
        if (m < 10) out += QLatin1Char('0');
        out += month.trimmed();
        const double d = Fmt::roundHalfEven(Fmt::val(day));
        if (d >= 1 && d <= 31) {
            out += QLatin1Char('.');
            if (d < 10) out += QLatin1Char('0');
            out += day.trimmed();
        }
    }
    return out;
}

bool HasText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return false;
    return !DbValue::text(value).trimmed().isEmpty();
}
