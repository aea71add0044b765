#include "platform/text/RtfWriter.h"

#include "platform/text/Cp1252.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <cmath>

namespace {

// The Windows-1252 code of a character, or -1 when the page has none.
int cp1252Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128 || (u >= 160 && u <= 255)) return u;
    for (int i = 0; i < 32; ++i)
        if (Cp1252::kHigh[i] == u) return 128 + i;
    return -1;
}

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u == '\t') {
            out += QLatin1String("\\tab ");
        } else if (u == 0x2028 || u == '\n') {
            out += QLatin1String("\\line ");
        } else if (u >= 0x20 && u < 0x7F) {
            out += c;
        } else if (const int code = cp1252Code(c); code >= 0x80) {
            out += QStringLiteral("\\'%1").arg(code, 2, 16, QLatin1Char('0'));
        } else if (u >= 0x80) {
            out += QStringLiteral("\\u%1?").arg(static_cast<short>(u));
        }
    }
    return out;
}

class Tables {
public:
    explicit Tables(const QString& defaultFamily) { font(defaultFamily); }
    int font(const QString& family)
    {
        const int i = m_fonts.indexOf(family);
        if (i >= 0) return i;
        m_fonts << family;
        return m_fonts.size() - 1;
    }
    int symbolFont()
    {
        if (m_symbol < 0) m_symbol = font(QStringLiteral("Symbol"));
        return m_symbol;
    }
    int colour(const QColor& c)
    {
        const QRgb rgb = c.rgb();
        const int i = m_colours.indexOf(rgb);
        if (i >= 0) return i + 1;
        m_colours << rgb;
        return m_colours.size();
    }
    QString header() const
    {
        QString s = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl");
        for (int i = 0; i < m_fonts.size(); ++i)
            s += QStringLiteral("{\\f%1\\fnil\\fcharset%2 %3;}")
                     .arg(i)
                     .arg(i == m_symbol ? 2 : 0)
                     .arg(escaped(m_fonts[i]));
        s += QLatin1Char('}');
        if (!m_colours.isEmpty()) {
            s += QStringLiteral("{\\colortbl ;");
            for (const QRgb rgb : m_colours)
                s += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(qRed(rgb)).arg(qGreen(rgb)).arg(qBlue(rgb));
            s += QLatin1Char('}');
        }
        return s + QStringLiteral("\\viewkind4\\uc1");
    }

private:
    QStringList m_fonts;
    QList<QRgb> m_colours;
    int m_symbol = -1;
};

QString alignment(Qt::Alignment a)
{
    const Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignHCenter) return QStringLiteral("\\qc");
    if (h & Qt::AlignJustify) return QStringLiteral("\\qj");
    if (h & Qt::AlignRight) return QStringLiteral("\\qr");
    return QStringLiteral("\\ql");
}

int twips(qreal pixels) { return static_cast<int>(std::lround(pixels * 15)); }

bool numbered(QTextListFormat::Style s)
{
    return s == QTextListFormat::ListDecimal || s == QTextListFormat::ListLowerAlpha ||
           s == QTextListFormat::ListUpperAlpha || s == QTextListFormat::ListLowerRoman ||
           s == QTextListFormat::ListUpperRoman;
}

QString listPrefix(const QTextBlock& block, Tables& t)
{
    const QTextList* list = block.textList();
    const QTextListFormat::Style style = list->format().style();
    if (!numbered(style)) {
        const int sym = t.symbolFont();
        return QStringLiteral("{\\pntext\\f%1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf%1\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360 ")
            .arg(sym);
    }
    const int number = list->itemNumber(block) + 1;
    return QStringLiteral("{\\pntext\\f0 %1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\\fi-360\\li360 ")
        .arg(number);
}

QString run(const QTextFragment& f, const QTextDocument& doc, Tables& t)
{
    const QTextCharFormat cf = f.charFormat();
    const QFont base = doc.defaultFont();
    QString family = cf.fontFamilies().toStringList().value(0);
    if (family.isEmpty()) family = base.family();
    qreal points = cf.fontPointSize();
    if (points <= 0) points = base.pointSizeF() > 0 ? base.pointSizeF() : 9.75;
    QString s = QStringLiteral("{\\f%1\\fs%2").arg(t.font(family)).arg(std::lround(points * 2));
    if (cf.fontWeight() > QFont::Medium) s += QLatin1String("\\b");
    if (cf.fontItalic()) s += QLatin1String("\\i");
    if (cf.fontUnderline()) s += QLatin1String("\\ul");
    if (cf.fontStrikeOut()) s += QLatin1String("\\strike");
    if (cf.foreground().style() != Qt::NoBrush) s += QStringLiteral("\\cf%1").arg(t.colour(cf.foreground().color()));
    return s + QLatin1Char(' ') + escaped(f.text()) + QLatin1Char('}');
}

} // namespace

QString DocumentToRtf(const QTextDocument& document)
{
    Tables tables(document.defaultFont().family());
    QString body;
    const QTextBlock last = document.lastBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        body += QStringLiteral("\\pard") + alignment(bf.alignment());
        if (block.textList()) {
            body += listPrefix(block, tables);
        } else {
            if (bf.leftMargin() > 0) body += QStringLiteral("\\li%1").arg(twips(bf.leftMargin()));
            if (bf.textIndent() != 0) body += QStringLiteral("\\fi%1").arg(twips(bf.textIndent()));
            if (bf.rightMargin() > 0) body += QStringLiteral("\\ri%1").arg(twips(bf.rightMargin()));
            body += QLatin1Char(' ');
        }
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid()) body += run(it.fragment(), document, tables);
        // The last paragraph ends with the document; an empty one still needs its mark.
        if (block != last || (block.length() <= 1 && block != document.begin())) body += QLatin1String("\\par");
        body += QLatin1Char('\n');
    }
    return tables.header() + QLatin1Char('\n') + body + QLatin1Char('}');
}
