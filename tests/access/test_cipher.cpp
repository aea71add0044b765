// The access-code cipher: known enciphered forms, the modes, and the round trip over the code page.
#include "access/QtPrint.h"
#include "access/modEncryption.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const QString kKey = QString::fromLatin1(kAccessCodeKey);
QString enc(const QString& t) { return EncryptDecrypt(QStringLiteral("E"), kKey, t); }
QString dec(const QString& t) { return EncryptDecrypt(QStringLiteral("D"), kKey, t); }

// The character of a Windows-1252 code, as the workstation's code page gives it.
QChar fromCp1252(int code)
{
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return code >= 128 && code < 160 ? QChar(high[code - 128]) : QChar(char16_t(code));
}
}

TEST(Cipher, EnciphersKnownTexts)
{
    struct Case { const char16_t* plain; const char* coded; };
    const Case cases[] = {
        {u"", "5B"},
        {u"A", "5BCC"},
        {u"CATH1", "5BCE5CE563D6"},
        {u"CATH2", "5BCE5CE563D7"},        // only the last pair differs
        {u"cath1", "5BEE1CC563D6"},        // no case folding
        {u"\u00F4", "5B 0"},               // a value below 16 is padded with a blank
        {u"\u00D1and\u00FA1", "5B7D9254F5B2A2"},
        {u"\u20AC", "5B8B"},               // the euro sign is code 128 of the code page
        {u"O'Brien", "5BFA6EE5153CE019"},
        {u"AAAAAAAAAAAAAA", "5BCC42D655D457CE55CE59D451DD4F"},  // the key starts again at the 14th
        {u"AAAAAAAAAAAAAB", "5BCC42D655D457CE55CE59D451DD70"},
    };
    for (const Case& c : cases) {
        const QString plain = QString::fromUtf16(c.plain);
        EXPECT_EQ(enc(plain), QString::fromLatin1(c.coded)) << plain.toStdString();
        EXPECT_EQ(dec(QString::fromLatin1(c.coded)), plain) << c.coded;
    }
}

TEST(Cipher, OnlyUpperCaseModesAnswer)
{
    for (const char* mode : {"e", "d", "", "X", " E", "ED"})
        EXPECT_EQ(EncryptDecrypt(QString::fromLatin1(mode), kKey, QStringLiteral("CATH1")), QString()) << mode;
}

TEST(Cipher, EveryCodeOfTheCodePageComesBack)
{
    QString all;
    for (int code = 1; code <= 254; ++code) {
        const QString one(fromCp1252(code));
        const QString coded = enc(one);
        ASSERT_EQ(coded.size(), 4) << code;
        EXPECT_FALSE(coded.back().isSpace()) << code;
        EXPECT_EQ(dec(coded), one) << code;
        all += one;
    }
    // and in one text, forwards and backwards, so every key position and start value is met
    EXPECT_EQ(dec(enc(all)), all);
    QString reversed = all;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(dec(enc(reversed)), reversed);
    EXPECT_EQ(enc(all).size(), 2 + 2 * all.size());
}

TEST(Cipher, CodesZeroAndTwoFiftyFiveShareOneForm)
{
    // their sums modulo 255 coincide; the tie is read back as 255
    EXPECT_EQ(enc(QString(QChar(0))), enc(QString(QChar(0xFF))));
    EXPECT_EQ(dec(enc(QString(QChar(0xFF)))), QString(QChar(0xFF)));
    EXPECT_EQ(dec(enc(QStringLiteral("A") + QChar(0) + QStringLiteral("B"))), QStringLiteral("A") + QChar(0xFF) + QStringLiteral("B"));
}

TEST(Cipher, CharactersOutsideTheCodePageGoAsQuestionMarks)
{
    EXPECT_EQ(enc(QStringLiteral("\u03A9")), enc(QStringLiteral("?")));
}
