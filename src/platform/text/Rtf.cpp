#include "platform/text/Rtf.h"

#include "platform/text/Cp1252.h"

#include <QColor>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QList>
#include <QStringDecoder>

#include <cctype>

namespace {

enum class FontKind { Text, Symbol, Wingdings };

// The bullet-like characters of the two picture fonts that list markers use; any other byte of
// those fonts is shown as Windows-1252 would show it.
QChar pictureFontChar(FontKind kind, uchar b)
{
    if (kind == FontKind::Symbol && b == 0xB7) return QChar(0x2022);
    if (kind == FontKind::Wingdings) {
        switch (b) {
        case 0xA7: return QChar(0x25AA);
        case 0x6E: return QChar(0x25A0);
        case 0x71: return QChar(0x2751);
        case 0x76: return QChar(0x2756);
        case 0xD8: return QChar(0x27A2);
        case 0xFC: return QChar(0x2713);
        case 0x9F: return QChar(0x2022);
        default: break;
        }
    }
    return QChar();
}

QString decodeCp1252(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (const char ch : bytes) {
        s.append(Cp1252::toChar(static_cast<uchar>(ch)));
    }
    return s;
}

QString decodeBytes(const QByteArray& bytes, int codepage, FontKind kind)
{
    if (kind != FontKind::Text) {
        QString s;
        for (const char ch : bytes) {
            const QChar c = pictureFontChar(kind, static_cast<uchar>(ch));
            s.append(c.isNull() ? decodeCp1252(QByteArray(1, ch)) : QString(c));
        }
        return s;
    }
    if (codepage == 1252 || codepage == 0) return decodeCp1252(bytes);
    if (codepage == 65001) return QString::fromUtf8(bytes);
    const QByteArray name = codepage == 437 ? QByteArrayLiteral("IBM437") : "windows-" + QByteArray::number(codepage);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid()) return decodeCp1252(bytes);
    return decoder.decode(bytes);
}

int codepageOfCharset(int charset, int documentCodepage)
{
    switch (charset) {
    case 0: return 1252;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return documentCodepage;
    }
}

enum class ListKind { None, Bullet, Number };

struct CharFmt {
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int font = -1;
    int halfPoints = 0; // 0: the reader's default size
    int fg = 0, bg = 0; // colour table entries; 0 is "auto"
    int vertical = 0;   // -1 subscript, 1 superscript
    bool operator==(const CharFmt&) const = default;
};

struct ParaFmt {
    int align = 0; // 0 left, 1 centre, 2 right, 3 justified
    int leftIndent = 0, firstIndent = 0, rightIndent = 0, spaceBefore = 0, spaceAfter = 0; // twips
    ListKind list = ListKind::None;
};

enum class Dest { Text, FontTable, ColorTable, ListText, ListFormat, Skip };

struct State {
    CharFmt chr;
    ParaFmt para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1;
    ListKind listSeen = ListKind::None; // what a list-format group found, handed to the paragraph at its end
};

struct Font {
    QString name;
    int charset = -1;
    int codepage = 0;
};

struct Run {
    QString text;
    CharFmt fmt;
};

struct Paragraph {
    QList<Run> runs;
    ParaFmt fmt;
    QString marker;
};

const QSet<QByteArray>& skippedDestinations()
{
    static const QSet<QByteArray> names = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "fldinst", "xe", "tc", "txe", "rxe",
        "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pntxta", "pntxtb", "pgdsctbl",
        "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "generator", "mmathPr",
        "bkmkstart", "bkmkend", "template", "docvar", "fchars", "lchars", "nonshppict", "shppict", "picprop",
        "objdata", "userprops", "author", "operator", "title", "subject", "keywords", "comment", "doccomm"};
    return names;
}

class Reader
{
public:
    explicit Reader(const QByteArray& in) : in_(in) {}

    QList<Paragraph> read()
    {
        const qsizetype n = in_.size();
        while (pos_ < n) {
            const char c = in_[pos_];
            if (c == '{') {
                flushBytes();
                stack_.append(st_);
                ++pos_;
            } else if (c == '}') {
                flushBytes();
                endGroup();
                ++pos_;
            } else if (c == '\\') {
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                textByte(static_cast<uchar>(c));
            }
        }
        flushBytes();
        if (!current_.runs.isEmpty() || !current_.marker.isEmpty()) endParagraph();
        return paragraphs_;
    }

    QList<QColor> colours;

private:
    void endGroup()
    {
        if (stack_.isEmpty()) return;
        const State inner = st_;
        st_ = stack_.takeLast();
        skipLeft_ = 0;
        if (inner.dest == Dest::ListText && st_.dest != Dest::ListText) {
            current_.marker = marker_;
            marker_.clear();
            const QString m = current_.marker.trimmed();
            const bool numbered = !m.isEmpty() && (m.front().isDigit() || (m.size() > 1 && m.front().isLetter()));
            st_.para.list = numbered ? ListKind::Number : ListKind::Bullet;
        }
        if (inner.dest == Dest::ListFormat && st_.dest != Dest::ListFormat && inner.listSeen != ListKind::None)
            st_.para.list = inner.listSeen;
    }

    void textByte(uchar b)
    {
        if (st_.dest == Dest::Skip) return;
        if (skipLeft_ > 0) {
            --skipLeft_;
            return;
        }
        if ((st_.dest == Dest::FontTable || st_.dest == Dest::ColorTable) && b == ';') {
            flushBytes();
            tableEntryEnd();
            return;
        }
        if (st_.dest == Dest::ColorTable || st_.dest == Dest::ListFormat) return;
        const int cp = codepageNow();
        const FontKind kind = fontKindNow();
        if (!bytes_.isEmpty() && (cp != bytesCodepage_ || kind != bytesKind_)) flushBytes();
        bytesCodepage_ = cp;
        bytesKind_ = kind;
        bytes_.append(static_cast<char>(b));
    }

    void flushBytes()
    {
        if (bytes_.isEmpty()) return;
        const QString s = decodeBytes(bytes_, bytesCodepage_, bytesKind_);
        bytes_.clear();
        appendText(s);
    }

    void appendText(const QString& s)
    {
        switch (st_.dest) {
        case Dest::Text:
            if (st_.chr.hidden || s.isEmpty()) return;
            if (!current_.runs.isEmpty() && current_.runs.last().fmt == st_.chr) current_.runs.last().text += s;
            else current_.runs.append({s, st_.chr});
            return;
        case Dest::FontTable: fontName_ += s; return;
        case Dest::ListText: marker_ += s; return;
        default: return;
        }
    }

    void tableEntryEnd()
    {
        if (st_.dest == Dest::FontTable) {
            if (fontNumber_ >= 0) {
                Font f;
                f.name = fontName_.trimmed();
                f.charset = fontCharset_;
                f.codepage = fontCodepage_ ? fontCodepage_ : codepageOfCharset(fontCharset_, documentCodepage_);
                fontByNumber_.insert(fontNumber_, f);
            }
            fontName_.clear();
            fontNumber_ = -1;
            fontCharset_ = -1;
            fontCodepage_ = 0;
        } else {
            colours.append(colourSet_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colourSet_ = false;
        }
    }

    int codepageNow() const
    {
        if (st_.dest == Dest::FontTable) return codepageOfCharset(fontCharset_, documentCodepage_);
        const auto it = fontByNumber_.constFind(st_.chr.font);
        return it == fontByNumber_.constEnd() ? documentCodepage_ : it->codepage;
    }

    FontKind fontKindNow() const
    {
        if (st_.dest == Dest::FontTable) return FontKind::Text;
        const auto it = fontByNumber_.constFind(st_.chr.font);
        if (it == fontByNumber_.constEnd()) return FontKind::Text;
        if (it->charset == 2 || it->name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0) {
            return it->name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive) ? FontKind::Wingdings
                                                                                      : FontKind::Symbol;
        }
        return FontKind::Text;
    }

    void endParagraph()
    {
        flushBytes();
        current_.fmt = st_.para;
        paragraphs_.append(current_);
        current_ = Paragraph();
    }

    void emitChar(QChar c)
    {
        flushBytes();
        appendText(QString(c));
    }

    void controlWord()
    {
        const qsizetype n = in_.size();
        ++pos_; // the backslash
        if (pos_ >= n) return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<uchar>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < n && std::isalpha(static_cast<uchar>(in_[pos_]))) ++pos_;
        const QByteArray word = in_.mid(start, pos_ - start);
        bool hasParam = false;
        int param = 0;
        if (pos_ < n && (in_[pos_] == '-' || std::isdigit(static_cast<uchar>(in_[pos_])))) {
            const qsizetype numStart = pos_;
            ++pos_;
            while (pos_ < n && std::isdigit(static_cast<uchar>(in_[pos_]))) ++pos_;
            param = in_.mid(numStart, pos_ - numStart).toInt(&hasParam);
        }
        if (pos_ < n && in_[pos_] == ' ') ++pos_;
        flushBytes();
        const bool ignorable = ignorableNext_;
        ignorableNext_ = false;
        keyword(word, hasParam, param, ignorable);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            const QByteArray hex = in_.mid(pos_, 2);
            pos_ += hex.size();
            bool ok = false;
            const int b = hex.toInt(&ok, 16);
            if (ok) textByte(static_cast<uchar>(b));
            return;
        }
        case '\\': case '{': case '}':
            textByte(static_cast<uchar>(c));
            return;
        case '~': if (consumeSkip()) emitChar(QChar(0x00A0)); return;
        case '_': if (consumeSkip()) emitChar(QChar(0x2011)); return;
        case '*': ignorableNext_ = true; return;
        case '\r': case '\n':
            flushBytes();
            if (st_.dest == Dest::Text) endParagraph();
            return;
        default: return; // \- optional hyphen, \| \: index marks
        }
    }

    // A character that stands in for a \uN character is dropped.
    bool consumeSkip()
    {
        if (skipLeft_ > 0) {
            --skipLeft_;
            return false;
        }
        return st_.dest != Dest::Skip;
    }

    void keyword(const QByteArray& w, bool hasParam, int param, bool ignorable)
    {
        if (st_.dest == Dest::Skip) return;
        const bool on = !hasParam || param != 0;
        // Destinations
        if (w == "fonttbl") { st_.dest = Dest::FontTable; return; }
        if (w == "colortbl") { st_.dest = Dest::ColorTable; return; }
        if (w == "pntext" || w == "listtext") { st_.dest = Dest::ListText; marker_.clear(); return; }
        if (w == "pn") { st_.dest = Dest::ListFormat; st_.listSeen = ListKind::None; return; }
        if (skippedDestinations().contains(w)) { st_.dest = Dest::Skip; return; }
        if (st_.dest == Dest::FontTable) {
            if (w == "f") fontNumber_ = param;
            else if (w == "fcharset") fontCharset_ = param;
            else if (w == "cpg") fontCodepage_ = param;
            else if (ignorable) st_.dest = Dest::Skip; // \*\panose, \*\falt
            return;
        }
        if (st_.dest == Dest::ColorTable) {
            if (w == "red") red_ = param, colourSet_ = true;
            else if (w == "green") green_ = param, colourSet_ = true;
            else if (w == "blue") blue_ = param, colourSet_ = true;
            return;
        }
        if (st_.dest == Dest::ListFormat) {
            if (w == "pnlvlblt") st_.listSeen = ListKind::Bullet;
            else if (w == "pnlvlbody" || w == "pndec" || w == "pnucltr" || w == "pnlcltr" || w == "pnucrm" || w == "pnlcrm")
                st_.listSeen = ListKind::Number;
            return;
        }
        if (ignorable) { // a destination this reader does not know
            st_.dest = Dest::Skip;
            return;
        }
        // Document
        if (w == "ansicpg") { documentCodepage_ = param; return; }
        if (w == "deff") { defaultFont_ = param; if (st_.chr.font < 0) st_.chr.font = param; return; }
        if (w == "uc") { st_.unicodeSkip = qMax(0, param); return; }
        if (w == "u") {
            skipLeft_ = 0;
            if (st_.dest == Dest::Text || st_.dest == Dest::ListText || st_.dest == Dest::FontTable)
                appendText(QString(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param))));
            skipLeft_ = st_.unicodeSkip;
            return;
        }
        if (w == "bin") { pos_ += qMax(0, param); return; }
        // Characters
        if (w == "par" || w == "page" || w == "sect") { if (st_.dest == Dest::Text) endParagraph(); return; }
        if (w == "row") { if (st_.dest == Dest::Text) endParagraph(); return; }
        if (w == "line") { emitChar(QChar(0x2028)); return; }
        if (w == "tab" || w == "cell") { emitChar(QLatin1Char('\t')); return; }
        if (w == "bullet") { emitChar(QChar(0x2022)); return; }
        if (w == "emdash") { emitChar(QChar(0x2014)); return; }
        if (w == "endash") { emitChar(QChar(0x2013)); return; }
        if (w == "emspace" || w == "enspace" || w == "qmspace") { emitChar(QLatin1Char(' ')); return; }
        if (w == "lquote") { emitChar(QChar(0x2018)); return; }
        if (w == "rquote") { emitChar(QChar(0x2019)); return; }
        if (w == "ldblquote") { emitChar(QChar(0x201C)); return; }
        if (w == "rdblquote") { emitChar(QChar(0x201D)); return; }
        // Character formats
        CharFmt& f = st_.chr;
        if (w == "plain") { f = CharFmt(); f.font = defaultFont_; return; }
        if (w == "b") { f.bold = on; return; }
        if (w == "i") { f.italic = on; return; }
        if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth" || w == "ulwave") { f.underline = on; return; }
        if (w == "ulnone") { f.underline = false; return; }
        if (w == "strike" || w == "striked") { f.strike = on; return; }
        if (w == "v") { f.hidden = on; return; }
        if (w == "f") { f.font = param; return; }
        if (w == "fs") { f.halfPoints = param; return; }
        if (w == "cf") { f.fg = param; return; }
        if (w == "highlight" || w == "cb" || w == "chcbpat") { f.bg = param; return; }
        if (w == "super") { f.vertical = 1; return; }
        if (w == "sub") { f.vertical = -1; return; }
        if (w == "nosupersub") { f.vertical = 0; return; }
        // Paragraph formats
        ParaFmt& p = st_.para;
        if (w == "pard") { p = ParaFmt(); return; }
        if (w == "ql") { p.align = 0; return; }
        if (w == "qc") { p.align = 1; return; }
        if (w == "qr") { p.align = 2; return; }
        if (w == "qj") { p.align = 3; return; }
        if (w == "li") { p.leftIndent = param; return; }
        if (w == "fi") { p.firstIndent = param; return; }
        if (w == "ri") { p.rightIndent = param; return; }
        if (w == "sb") { p.spaceBefore = param; return; }
        if (w == "sa") { p.spaceAfter = param; return; }
    }

    QByteArray in_;
    qsizetype pos_ = 0;
    State st_;
    QList<State> stack_;
    QList<Paragraph> paragraphs_;
    Paragraph current_;
    QString marker_;
    bool ignorableNext_ = false;
    int skipLeft_ = 0;
    int documentCodepage_ = 1252;
    int defaultFont_ = -1;
    QHash<int, Font> fontByNumber_;
    QByteArray bytes_;
    int bytesCodepage_ = 1252;
    FontKind bytesKind_ = FontKind::Text;
    QString fontName_;
    int fontNumber_ = -1, fontCharset_ = -1, fontCodepage_ = 0;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSet_ = false;

public:
    QString fontName(int number) const { return fontByNumber_.value(number).name; }
    QColor colour(int index) const { return index > 0 && index < colours.size() ? colours[index] : QColor(); }
};

QString escapeHtml(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case 0x2028: out += QLatin1String("<br />"); break;
        default: out += c;
        }
    }
    return out;
}

QString px(int twips) { return QString::number(twips / 15) + QLatin1String("px"); }

QString runHtml(const Run& r, const Reader& reader)
{
    QStringList css;
    const QString family = reader.fontName(r.fmt.font);
    if (!family.isEmpty()) css << QStringLiteral("font-family:'%1'").arg(QString(family).remove(QLatin1Char('\'')));
    if (r.fmt.halfPoints > 0) css << QStringLiteral("font-size:%1pt").arg(r.fmt.halfPoints / 2.0);
    if (r.fmt.bold) css << QStringLiteral("font-weight:700");
    if (r.fmt.italic) css << QStringLiteral("font-style:italic");
    if (r.fmt.underline || r.fmt.strike) {
        QStringList deco;
        if (r.fmt.underline) deco << QStringLiteral("underline");
        if (r.fmt.strike) deco << QStringLiteral("line-through");
        css << QStringLiteral("text-decoration:") + deco.join(QLatin1Char(' '));
    }
    if (const QColor fg = reader.colour(r.fmt.fg); fg.isValid()) css << QStringLiteral("color:") + fg.name();
    if (const QColor bg = reader.colour(r.fmt.bg); bg.isValid()) css << QStringLiteral("background-color:") + bg.name();
    if (r.fmt.vertical) css << (r.fmt.vertical > 0 ? QStringLiteral("vertical-align:super") : QStringLiteral("vertical-align:sub"));
    const QString text = escapeHtml(r.text);
    if (css.isEmpty()) return text;
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(css.join(QLatin1Char(';')), text);
}

QString paragraphStyle(const ParaFmt& f, bool listItem)
{
    QString css = QStringLiteral("white-space:pre-wrap;margin-top:%1;margin-bottom:%2;margin-right:%3")
                      .arg(px(f.spaceBefore), px(f.spaceAfter), px(f.rightIndent));
    if (!listItem) {
        css += QStringLiteral(";margin-left:%1;text-indent:%2").arg(px(qMax(0, f.leftIndent)), px(f.firstIndent));
    }
    return css;
}

QString alignAttribute(int align)
{
    switch (align) {
    case 1: return QStringLiteral(" align=\"center\"");
    case 2: return QStringLiteral(" align=\"right\"");
    case 3: return QStringLiteral(" align=\"justify\"");
    default: return QString();
    }
}

QByteArray bytesOf(const QString& rtf)
{
    QByteArray out;
    out.reserve(rtf.size());
    for (const QChar c : rtf) {
        if (c.unicode() <= 0xFF) out.append(static_cast<char>(c.unicode()));
        else out.append("\\u" + QByteArray::number(static_cast<short>(c.unicode())) + "?");
    }
    return out;
}

} // namespace

bool LooksLikeRtf(const QByteArray& text)
{
    QByteArray t = text;
    if (t.startsWith("\xEF\xBB\xBF")) t.remove(0, 3);
    return t.trimmed().startsWith("{\\rtf");
}

bool LooksLikeRtf(const QString& text)
{
    return LooksLikeRtf(text.left(64).toUtf8());
}

QString RtfToHtml(const QByteArray& rtf)
{
    Reader reader(rtf);
    const QList<Paragraph> paragraphs = reader.read();
    QString html;
    ListKind openList = ListKind::None;
    auto closeList = [&] {
        if (openList == ListKind::Bullet) html += QLatin1String("</ul>");
        if (openList == ListKind::Number) html += QLatin1String("</ol>");
        openList = ListKind::None;
    };
    for (const Paragraph& p : paragraphs) {
        QString body;
        for (const Run& r : p.runs) body += runHtml(r, reader);
        const ListKind kind = p.fmt.list;
        if (kind != openList) {
            closeList();
            if (kind == ListKind::Bullet) html += QLatin1String("<ul style=\"margin-top:0px;margin-bottom:0px\">");
            if (kind == ListKind::Number) html += QLatin1String("<ol style=\"margin-top:0px;margin-bottom:0px\">");
            openList = kind;
        }
        if (kind != ListKind::None) {
            html += QStringLiteral("<li style=\"%1\"%2>%3</li>").arg(paragraphStyle(p.fmt, true), alignAttribute(p.fmt.align), body);
        } else if (body.isEmpty()) {
            html += QStringLiteral("<p style=\"-qt-paragraph-type:empty;%1\"><br /></p>").arg(paragraphStyle(p.fmt, false));
        } else {
            html += QStringLiteral("<p style=\"%1\"%2>%3</p>").arg(paragraphStyle(p.fmt, false), alignAttribute(p.fmt.align), body);
        }
    }
    closeList();
    return html;
}

QString RtfToHtml(const QString& rtf) { return RtfToHtml(bytesOf(rtf)); }

QString RtfToPlainText(const QByteArray& rtf)
{
    Reader reader(rtf);
    QStringList lines;
    for (const Paragraph& p : reader.read()) {
        QString line;
        if (p.fmt.list != ListKind::None) {
            const QString marker = p.marker.trimmed();
            line += (marker.isEmpty() ? QStringLiteral("\u2022") : marker) + QLatin1Char(' ');
        }
        for (const Run& r : p.runs) line += r.text;
        line.replace(QChar(0x2028), QLatin1Char('\n'));
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QString RtfToPlainText(const QString& rtf) { return RtfToPlainText(bytesOf(rtf)); }

QString StoredTextToHtml(const QString& stored)
{
    if (LooksLikeRtf(stored)) return RtfToHtml(stored);
    QString html = QStringLiteral("<p style=\"white-space:pre-wrap;margin-top:0px;margin-bottom:0px\">");
    html += escapeHtml(stored).replace(QLatin1String("\r\n"), QLatin1String("<br />")).replace(QLatin1Char('\n'), QLatin1String("<br />"));
    return html + QLatin1String("</p>");
}

QString StoredTextToPlain(const QString& stored)
{
    return LooksLikeRtf(stored) ? RtfToPlainText(stored) : stored;
}
