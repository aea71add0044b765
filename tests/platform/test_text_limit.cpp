// A multi-line box keeps to its limit as a line box does: what goes over it is dropped where it
// was put in, typed or pasted.
#include "platform/ui/TextLimit.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

TEST(TextLimit, WhatGoesOverTheLimitIsDroppedWhereItWasPutIn)
{
    const struct {
        const char* before;
        int cursor;
        const char* inserted;
        const char* after;
    } cases[] = {
        {"ABCDEF", 6, "GHIJ", "ABCDEFGH"},   // pasted at the end: its head is kept
        {"ABCDEF", 2, "xyz", "ABxyCDEF"},    // pasted inside: the rest stays
        {"ABCDEFGH", 0, "Z", "ABCDEFGH"},    // typed into a full box: nothing changes
        {"ABC", 3, "DE", "ABCDE"},           // within the limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inserted);
        QPlainTextEdit box;
        box.setPlainText(QString::fromLatin1(c.before));
        SetMaxLength(&box, 8);
        QTextCursor cur = box.textCursor();
        cur.setPosition(c.cursor);
        box.setTextCursor(cur);
        box.insertPlainText(QString::fromLatin1(c.inserted));
        EXPECT_EQ(box.toPlainText(), QString::fromLatin1(c.after));
    }
}

TEST(TextLimit, ATextSetLongerIsCutAndALaterLimitReplacesTheFirst)
{
    QPlainTextEdit box;
    SetMaxLength(&box, 5);
    box.setPlainText(QStringLiteral("ABCDEFG"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("ABCDE"));
    SetMaxLength(&box, 0); // no limit
    QTest::keyClicks(&box, "XYZ");
    EXPECT_EQ(box.toPlainText().size(), 8);
    EXPECT_EQ(MaxLengthOf(&box), 0);
    SetMaxLength(&box, 3);
    EXPECT_EQ(box.toPlainText().size(), 3);
}

} // namespace
