// Rich text written as RTF and read back: what the formatting toolbar offers comes back the same.
#include "platform/text/Rtf.h"
#include "platform/text/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

namespace {

// Appends a run of text in the given format.
void add(QTextCursor& c, const QString& text, const std::function<void(QTextCharFormat&)>& set)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(10);
    set(f);
    c.insertText(text, f);
}

QTextCharFormat formatOf(const QTextDocument& doc, const QString& word)
{
    const QTextCursor found = doc.find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString() << " not in: " << doc.toPlainText().toStdString();
    QTextCursor at(const_cast<QTextDocument*>(&doc));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

// The document as a rich-text box shows it after a trip through the database.
std::unique_ptr<QTextDocument> roundTrip(const QTextDocument& doc, QString* rtf = nullptr)
{
    const QString written = DocumentToRtf(doc);
    if (rtf) *rtf = written;
    auto back = std::make_unique<QTextDocument>();
    back->setHtml(RtfToHtml(written));
    return back;
}

} // namespace

TEST(RtfWriter, EveryCharacterFormatOfTheToolbarComesBack)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    add(c, QStringLiteral("plain "), [](QTextCharFormat&) {});
    add(c, QStringLiteral("bold "), [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    add(c, QStringLiteral("italic "), [](QTextCharFormat& f) { f.setFontItalic(true); });
    add(c, QStringLiteral("underlined "), [](QTextCharFormat& f) { f.setFontUnderline(true); });
    add(c, QStringLiteral("struck "), [](QTextCharFormat& f) { f.setFontStrikeOut(true); });
    add(c, QStringLiteral("red "), [](QTextCharFormat& f) { f.setForeground(QColor(200, 10, 20)); });
    add(c, QStringLiteral("courier "), [](QTextCharFormat& f) {
        f.setFontFamilies({QStringLiteral("Courier New")});
        f.setFontPointSize(14);
    });
    add(c, QStringLiteral("report "), [](QTextCharFormat& f) { f.setFontPointSize(9.75); });
    add(c, QStringLiteral("all"), [](QTextCharFormat& f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setForeground(QColor(0, 0, 255));
    });
    QString rtf;
    const auto back = roundTrip(doc, &rtf);
    EXPECT_EQ(back->toPlainText(), doc.toPlainText());
    for (QChar ch : rtf) EXPECT_LT(ch.unicode(), 0x80) << "RTF text holds 7-bit characters only";

    struct Case { const char* word; bool bold, italic, underline, strike; QColor colour; const char* family; double points; };
    const Case cases[] = {
        {"plain", false, false, false, false, QColor(), "Arial", 10},
        {"bold", true, false, false, false, QColor(), "Arial", 10},
        {"italic", false, true, false, false, QColor(), "Arial", 10},
        {"underlined", false, false, true, false, QColor(), "Arial", 10},
        {"struck", false, false, false, true, QColor(), "Arial", 10},
        {"red", false, false, false, false, QColor(200, 10, 20), "Arial", 10},
        {"courier", false, false, false, false, QColor(), "Courier New", 14},
        {"report", false, false, false, false, QColor(), "Arial", 10}, // RTF keeps half points: 9.75 is written as 10
        {"all", true, true, true, false, QColor(0, 0, 255), "Arial", 10},
    };
    for (const Case& k : cases) {
        const QTextCharFormat f = formatOf(*back, QString::fromLatin1(k.word));
        EXPECT_EQ(f.fontWeight() > QFont::Medium, k.bold) << k.word;
        EXPECT_EQ(f.fontItalic(), k.italic) << k.word;
        EXPECT_EQ(f.fontUnderline(), k.underline) << k.word;
        EXPECT_EQ(f.fontStrikeOut(), k.strike) << k.word;
        if (k.colour.isValid()) EXPECT_EQ(f.foreground().color(), k.colour) << k.word;
        else EXPECT_EQ(f.foreground().style(), Qt::NoBrush) << k.word;
        EXPECT_EQ(f.fontFamilies().toStringList().value(0).toStdString(), k.family) << k.word;
        EXPECT_DOUBLE_EQ(f.fontPointSize(), k.points) << k.word;
    }
}

TEST(RtfWriter, AlignmentBulletsAndEmptyParagraphsComeBack)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Title"));
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centre);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    c.insertBlock(right);
    c.insertText(QStringLiteral("Signed"));
    c.insertBlock(QTextBlockFormat());
    c.insertBlock(QTextBlockFormat());
    c.insertText(QStringLiteral("Findings"));
    c.insertBlock(QTextBlockFormat());
    c.createList(QTextListFormat::ListDisc);
    c.insertText(QStringLiteral("first point"));
    c.insertBlock();
    c.insertText(QStringLiteral("second point"));
    c.insertBlock(QTextBlockFormat());
    c.insertText(QStringLiteral("after the list"));

    const auto back = roundTrip(doc);
    EXPECT_EQ(back->toPlainText(), doc.toPlainText());
    EXPECT_EQ(back->blockCount(), doc.blockCount());
    EXPECT_TRUE(back->find(QStringLiteral("Title")).block().blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(back->find(QStringLiteral("Signed")).block().blockFormat().alignment() & Qt::AlignRight);
    EXPECT_FALSE(back->find(QStringLiteral("Findings")).block().blockFormat().alignment() & (Qt::AlignRight | Qt::AlignHCenter));
    for (const char* item : {"first point", "second point"}) {
        const QTextList* list = back->find(QString::fromLatin1(item)).block().textList();
        ASSERT_NE(list, nullptr) << item;
        EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc) << item;
    }
    EXPECT_EQ(back->find(QStringLiteral("after the list")).block().textList(), nullptr);
}

TEST(RtfWriter, CharactersBeyondAsciiAndRtfSignsSurvive)
{
    struct Case { const char* text; };
    const Case cases[] = {
        {"Pe\xC3\xB1" "a, Mu\xC3\xB1oz \xE2\x80\x94 90\xC2\xBA"},  // code page 1252
        {"\xE2\x82\xAC 5 \xE2\x80\x9Cquoted\xE2\x80\x9D"},           // 1252's own high codes
        {"\xCE\xB1 and \xE2\x89\xA4 2 mm"},                          // outside 1252: \uN
        {"{braces} and back\\slash"},
        {"tab\there"},
    };
    for (const Case& k : cases) {
        QTextDocument doc;
        QTextCursor(&doc).insertText(QString::fromUtf8(k.text));
        EXPECT_EQ(roundTrip(doc)->toPlainText().toStdString(), std::string(k.text));
    }
}

TEST(RtfWriter, AnEmptyDocumentIsStillRtf)
{
    QTextDocument doc;
    const QString rtf = DocumentToRtf(doc);
    EXPECT_TRUE(LooksLikeRtf(rtf));
    EXPECT_EQ(RtfToPlainText(rtf), QString());
}
