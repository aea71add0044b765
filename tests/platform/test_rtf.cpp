#include "platform/text/Rtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

namespace {

// A document as a rich-text box shows the stored RTF.
struct Shown {
    QTextDocument doc;
    explicit Shown(const char* rtf) { doc.setHtml(RtfToHtml(QByteArray(rtf))); }

    QTextCharFormat formatOf(const QString& word) const
    {
        const QTextCursor found = doc.find(word);
        EXPECT_FALSE(found.isNull()) << word.toStdString() << " not in: " << doc.toPlainText().toStdString();
        QTextCursor at(const_cast<QTextDocument*>(&doc));
        at.setPosition(found.selectionStart() + 1); // the format of the word's first character
        return at.charFormat();
    }
    QTextBlock blockOf(const QString& word) const { return doc.find(word).block(); }
};

const char* kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                      "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fmodern\\fcharset0 Courier New;}}"
                      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
                      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 ";

std::string withHeader(const char* body) { return std::string(kHeader) + body + "}"; }

} // namespace

TEST(Rtf, RecognisesRtfByItsOpening)
{
    struct Case { const char* text; bool rtf; };
    const Case cases[] = {{"{\\rtf1\\ansi hello}", true}, {"  \r\n{\\rtf1 x}", true}, {"\xEF\xBB\xBF{\\rtf1 x}", true},
                          {"plain interpretation", false}, {"", false}, {"{\\rt", false}, {"rtf1", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(LooksLikeRtf(QByteArray(c.text)), c.rtf) << c.text;
        EXPECT_EQ(LooksLikeRtf(QString::fromUtf8(c.text)), c.rtf) << c.text;
    }
}

TEST(Rtf, TextOfEscapesAndSpecialCharacters)
{
    struct Case { const char* body; const char* text; };
    const Case cases[] = {
        {"Normal heart\\par}", "Normal heart"},
        {"caf\\'e9 na\\'efve\\par}", "caf\xC3\xA9 na\xC3\xAFve"},                  // code page 1252
        {"price \\'80 5\\par}", "price \xE2\x82\xAC 5"},                            // 0x80 is the euro sign, not a control
        {"\\u945?\\u946? waves\\par}", "\xCE\xB1\xCE\xB2 waves"},                   // the ? stands in and is dropped
        {"\\uc2\\u8804\\'3c\\'3d 5 mm\\par}", "\xE2\x89\xA4 5 mm"},                 // two stand-ins after \uc2
        {"neg \\u-3913?\\par}", "neg \xEF\x82\xB7"},                                 // negative N is N + 65536
        {"a\\tab b\\line c\\par}", "a\tb\nc"},
        {"braces \\{x\\} and \\\\ back\\par}", "braces {x} and \\ back"},
        {"\\ldblquote q\\rdblquote  \\emdash  \\bullet\\par}", "\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x94 \xE2\x80\xA2"},
        {"one\\par two\\par\\par three}", "one\ntwo\n\nthree"},
        {"keep {\\*\\unknowndest dropped text} this{\\v hidden} too\\par}", "keep  this too"},
        {"{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}\\par}", "shown"},
    };
    for (const auto& c : cases) {
        const QByteArray rtf = QByteArray::fromStdString(withHeader(c.body));
        EXPECT_EQ(RtfToPlainText(rtf).toStdString(), c.text) << c.body;
        QTextDocument doc;
        doc.setHtml(RtfToHtml(rtf));
        QString shown = doc.toPlainText();
        shown.replace(QChar(0x2029), QLatin1Char('\n')).replace(QChar(0x2028), QLatin1Char('\n'));
        EXPECT_EQ(shown.toStdString(), c.text) << c.body;
    }
}

TEST(Rtf, CharacterFormats)
{
    const std::string rtf = withHeader(
        "\\pard\\f0\\fs20 plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  \\strike struck\\strike0  "
        "\\cf1 red\\cf0  \\highlight2 marked\\highlight0  \\f2\\fs32 courier\\f0\\fs20  {\\b\\i grouped} after "
        "\\super raised\\nosupersub  \\b bold2\\plain  reset\\par");
    const Shown s(rtf.c_str());
    struct Case { const char* word; bool bold, italic, underline, strike; };
    const Case cases[] = {{"plain", false, false, false, false}, {"bold", true, false, false, false},
                          {"italic", false, true, false, false},  {"under", false, false, true, false},
                          {"struck", false, false, false, true}, {"grouped", true, true, false, false},
                          {"after", false, false, false, false},  {"bold2", true, false, false, false},
                          {"reset", false, false, false, false}};
    for (const auto& c : cases) {
        const QTextCharFormat f = s.formatOf(QString::fromLatin1(c.word));
        EXPECT_EQ(f.fontWeight() >= QFont::Bold, c.bold) << c.word;
        EXPECT_EQ(f.fontItalic(), c.italic) << c.word;
        EXPECT_EQ(f.fontUnderline(), c.underline) << c.word;
        EXPECT_EQ(f.fontStrikeOut(), c.strike) << c.word;
    }
    EXPECT_EQ(s.formatOf("red").foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(s.formatOf("plain").foreground().color() == QColor(255, 0, 0));
    EXPECT_EQ(s.formatOf("marked").background().color(), QColor(0, 128, 0));
    EXPECT_EQ(s.formatOf("courier").fontPointSize(), 16.0);
    EXPECT_EQ(s.formatOf("plain").fontPointSize(), 10.0);
    EXPECT_TRUE(s.formatOf("courier").fontFamilies().toStringList().contains("Courier New"));
    EXPECT_TRUE(s.formatOf("plain").fontFamilies().toStringList().contains("Arial"));
    EXPECT_EQ(s.formatOf("raised").verticalAlignment(), QTextCharFormat::AlignSuperScript);
}

TEST(Rtf, ParagraphAlignmentAndIndent)
{
    constexpr auto kHorizontal = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify;
    const std::string rtf = withHeader("\\pard\\qc centred\\par\\qr right\\par\\pard\\qj justified\\par"
                                       "\\pard\\li720 indented\\par\\pard left\\par");
    const Shown s(rtf.c_str());
    EXPECT_EQ(s.blockOf("centred").blockFormat().alignment() & kHorizontal, Qt::AlignHCenter);
    EXPECT_EQ(s.blockOf("right").blockFormat().alignment() & kHorizontal, Qt::AlignRight);
    EXPECT_EQ(s.blockOf("justified").blockFormat().alignment() & kHorizontal, Qt::AlignJustify);
    EXPECT_EQ(s.blockOf("left").blockFormat().alignment() & kHorizontal, Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(s.blockOf("indented").blockFormat().leftMargin(), 48.0); // 720 twips
    EXPECT_DOUBLE_EQ(s.blockOf("left").blockFormat().leftMargin(), 0.0);
}

TEST(Rtf, BulletsAndNumbering)
{
    // The editor's own list form, the word processor's form, then a numbered list.
    const std::string rtf = withHeader(
        "\\pard intro\\par"
        "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-720\\li720 first\\par"
        "{\\pntext\\f1\\'B7\\tab}second\\par"
        "\\pard between\\par"
        "{\\listtext\\pard\\plain\\f1 \\'b7\\tab}\\ls1\\li720 wordbullet\\par"
        "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\\fi-360\\li720 one\\par"
        "{\\pntext\\f0 2.\\tab}two\\par\\pard closing\\par");
    const Shown s(rtf.c_str());
    ASSERT_NE(s.blockOf("first").textList(), nullptr);
    EXPECT_EQ(s.blockOf("first").textList(), s.blockOf("second").textList());
    EXPECT_EQ(s.blockOf("first").textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(s.blockOf("intro").textList(), nullptr);
    EXPECT_EQ(s.blockOf("between").textList(), nullptr);
    ASSERT_NE(s.blockOf("wordbullet").textList(), nullptr);
    EXPECT_EQ(s.blockOf("wordbullet").textList()->format().style(), QTextListFormat::ListDisc);
    ASSERT_NE(s.blockOf("one").textList(), nullptr);
    EXPECT_EQ(s.blockOf("one").textList(), s.blockOf("two").textList());
    EXPECT_EQ(s.blockOf("one").textList()->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(s.blockOf("closing").textList(), nullptr);
    // The marker text is not part of the item's own text.
    EXPECT_EQ(s.blockOf("first").text(), QStringLiteral("first"));
    EXPECT_EQ(RtfToPlainText(QByteArray::fromStdString(rtf)).toStdString(),
              "intro\n\xE2\x80\xA2 first\n\xE2\x80\xA2 second\nbetween\n\xE2\x80\xA2 wordbullet\n1. one\n2. two\nclosing");
}

TEST(Rtf, OtherCodePagesAndUnicodeInput)
{
    // A font of the Central European page: \'9a is s-caron there (and in 1252 too), \'b9 is a-ogonek.
    const char* rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset238 Arial CE;}}\\f0 \\'b9\\par}";
    const QString text = RtfToPlainText(QByteArray(rtf));
    EXPECT_EQ(text, QStringLiteral("\u0105"));
    // A stored value whose characters are beyond one byte is read, not mangled.
    EXPECT_EQ(RtfToPlainText(QStringLiteral("{\\rtf1 \u2264 5}")), QStringLiteral("\u2264 5"));
}

TEST(Rtf, StoredTextInEitherForm)
{
    EXPECT_EQ(StoredTextToPlain(QStringLiteral("No fracture.")), QStringLiteral("No fracture."));
    EXPECT_EQ(StoredTextToPlain(QStringLiteral("{\\rtf1\\ansi {\\b No} fracture.\\par}")), QStringLiteral("No fracture."));
    QTextDocument doc;
    doc.setHtml(StoredTextToHtml(QStringLiteral("Line <one> & more\r\nline two")));
    EXPECT_EQ(doc.toPlainText().replace(QChar(0x2028), QLatin1Char('\n')), QStringLiteral("Line <one> & more\nline two"));
    // Broken or truncated RTF shows what it can, never the codes.
    EXPECT_EQ(RtfToPlainText(QByteArray("{\\rtf1\\ansi {\\b cut off")), QStringLiteral("cut off"));
    EXPECT_EQ(RtfToPlainText(QByteArray("{\\rtf1 x}}} y")), QStringLiteral("x y"));
}
