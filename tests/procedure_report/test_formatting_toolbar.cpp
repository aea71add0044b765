// The formatting toolbar over the result box and over the template box: the same clicks give the
// same text and the same pressed buttons in both windows.
#include "support/ProcedureReportFixture.h"

#include "procedure_report/FormattingToolbar.h"
#include "procedure_report/frmAngiogram.h"
#include "procedure_report/frmInterpretBuild.h"

#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

namespace {

struct Host {
    const char* name;
    FormattingToolbar* bar;
    QTextEdit* box;
};

class FormattingToolbarTest : public ProcedureReportTest {
protected:
    QList<Host> hosts()
    {
        auto* entry = frmAngiogram::instance();
        entry->setSetRequestNo(QStringLiteral("CL0000054"));
        entry->setSetIDNum(QStringLiteral("2026000011"));
        entry->show();
        auto* builder = frmInterpretBuild::instance();
        builder->show();
        return {{"result entry", entry->tbrFormatting, entry->txtInterpretation},
                {"template builder", builder->tbrFormatting, builder->txtInterpretation}};
    }
    static void select(QTextEdit* box, int from, int to)
    {
        QTextCursor c(box->document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        box->setTextCursor(c);
    }
    static QTextCharFormat at(QTextEdit* box, int pos)
    {
        QTextCursor c(box->document());
        c.setPosition(pos);
        return c.charFormat();
    }
    static void click(FormattingToolbar* bar, const char* key) { bar->button(QString::fromLatin1(key))->trigger(); }
};

TEST_F(FormattingToolbarTest, TogglesFollowTheSelectionAndTwoClicksRestoreIt)
{
    for (const Host& h : hosts()) {
        h.box->setPlainText(QStringLiteral("Normal LAD"));
        for (const char* key : {"Bold", "Italic", "Underline"}) {
            select(h.box, 0, 6);
            click(h.bar, key);
            EXPECT_TRUE(h.bar->isPressed(QString::fromLatin1(key))) << h.name << " " << key;
            click(h.bar, key);
            EXPECT_FALSE(h.bar->isPressed(QString::fromLatin1(key))) << h.name << " " << key;
        }
        const QTextCharFormat f = at(h.box, 3);
        EXPECT_FALSE(f.fontWeight() > QFont::Medium || f.fontItalic() || f.fontUnderline()) << h.name;

        select(h.box, 0, 6);
        click(h.bar, "Bold");
        EXPECT_TRUE(at(h.box, 3).fontWeight() > QFont::Medium) << h.name;
        EXPECT_FALSE(at(h.box, 9).fontWeight() > QFont::Medium) << h.name;
        // The caret moving into plain text leaves the button as the click left it.
        select(h.box, 9, 9);
        EXPECT_TRUE(h.bar->isPressed(QStringLiteral("Bold"))) << h.name;
        // A click on plain text makes it bold: the state comes from the text, not the button.
        select(h.box, 7, 10);
        click(h.bar, "Bold");
        EXPECT_TRUE(at(h.box, 9).fontWeight() > QFont::Medium) << h.name;
        EXPECT_TRUE(h.bar->isPressed(QStringLiteral("Bold"))) << h.name;
    }
}

TEST_F(FormattingToolbarTest, CtrlKeysInTheBoxActAsTheirButtons)
{
    struct Case { Qt::Key key; const char* button; bool (QTextCharFormat::*on)() const; };
    const auto bold = [](const QTextCharFormat& f) { return f.fontWeight() > QFont::Medium; };
    const Case cases[] = {{Qt::Key_B, "Bold", nullptr}, {Qt::Key_I, "Italic", &QTextCharFormat::fontItalic},
                          {Qt::Key_U, "Underline", &QTextCharFormat::fontUnderline}};
    for (const Host& h : hosts()) {
        for (const Case& c : cases) {
            h.box->setPlainText(QStringLiteral("Normal LAD"));
            const auto formatted = [&] { const QTextCharFormat f = at(h.box, 3); return c.on ? (f.*c.on)() : bold(f); };
            select(h.box, 0, 6);
            QTest::keyClick(h.box, c.key, Qt::ControlModifier);
            EXPECT_TRUE(formatted()) << h.name << " " << c.button;
            EXPECT_TRUE(h.bar->isPressed(QString::fromLatin1(c.button))) << h.name << " " << c.button;
            QTest::keyClick(h.box, c.key, Qt::ControlModifier);
            EXPECT_FALSE(formatted()) << h.name << " " << c.button;
            EXPECT_EQ(h.box->toPlainText(), QStringLiteral("Normal LAD")) << h.name << " " << c.button;
        }
    }
}

TEST_F(FormattingToolbarTest, OneAlignmentButtonIsPressedAndBulletsToggle)
{
    for (const Host& h : hosts()) {
        h.box->setPlainText(QStringLiteral("first\nsecond"));
        select(h.box, 1, 1);
        click(h.bar, "AlignCenter");
        EXPECT_TRUE(h.box->document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter) << h.name;
        EXPECT_TRUE(h.bar->isPressed(QStringLiteral("AlignCenter")));
        click(h.bar, "AlignRight");
        EXPECT_TRUE(h.box->document()->firstBlock().blockFormat().alignment() & Qt::AlignRight) << h.name;
        EXPECT_EQ(QList<bool>({h.bar->isPressed(QStringLiteral("AlignLeft")), h.bar->isPressed(QStringLiteral("AlignCenter")),
                               h.bar->isPressed(QStringLiteral("AlignRight"))}),
                  QList<bool>({false, false, true}))
            << h.name;

        select(h.box, 0, 8);   // both paragraphs
        click(h.bar, "Bullets");
        EXPECT_TRUE(h.bar->isPressed(QStringLiteral("Bullets"))) << h.name;
        EXPECT_NE(h.box->document()->firstBlock().textList(), nullptr) << h.name;
        EXPECT_NE(h.box->document()->lastBlock().textList(), nullptr) << h.name;
        click(h.bar, "Bullets");
        EXPECT_FALSE(h.bar->isPressed(QStringLiteral("Bullets"))) << h.name;
        EXPECT_EQ(h.box->document()->firstBlock().textList(), nullptr) << h.name;
        EXPECT_EQ(h.box->document()->lastBlock().textList(), nullptr) << h.name;
    }
}

TEST_F(FormattingToolbarTest, CaseChangesTheSelectionOnlyAndKeepsItsFormatting)
{
    for (const Host& h : hosts()) {
        h.box->setPlainText(QStringLiteral("Left Main normal"));
        select(h.box, 0, 4);
        click(h.bar, "Bold");
        select(h.box, 0, 9);
        click(h.bar, "Uppercase");
        EXPECT_EQ(h.box->toPlainText(), QStringLiteral("LEFT MAIN normal")) << h.name;
        EXPECT_TRUE(at(h.box, 2).fontWeight() > QFont::Medium) << h.name;
        EXPECT_FALSE(at(h.box, 7).fontWeight() > QFont::Medium) << h.name;
        click(h.bar, "Lowercase");
        EXPECT_EQ(h.box->toPlainText(), QStringLiteral("left main normal")) << h.name;
        select(h.box, 3, 3);   // nothing selected: nothing changes
        click(h.bar, "Uppercase");
        EXPECT_EQ(h.box->toPlainText(), QStringLiteral("left main normal")) << h.name;
    }
}

TEST_F(FormattingToolbarTest, TheDialogsApplyOnConfirmAndChangeNothingOnCancel)
{
    for (const Host& h : hosts()) {
        h.box->setPlainText(QStringLiteral("Stenosis"));
        select(h.box, 0, 8);
        UiScript::queueDialog(QStringLiteral("QColorDialog"), [](QDialog* d) { d->reject(); });
        click(h.bar, "Color");
        EXPECT_EQ(at(h.box, 3).foreground().style(), Qt::NoBrush) << h.name;

        UiScript::queueDialog(QStringLiteral("QColorDialog"), [](QDialog* d) {
            static_cast<QColorDialog*>(d)->setCurrentColor(QColor(0, 128, 0));
            d->accept();
        });
        click(h.bar, "Color");
        EXPECT_EQ(at(h.box, 3).foreground().color(), QColor(0, 128, 0)) << h.name;

        UiScript::queueDialog(QStringLiteral("FormatFontDialog"), [](QDialog* d) {
            auto* f = static_cast<FormatFontDialog*>(d);
            f->txtSize->setValue(14);
            f->chkItalic->setChecked(true);
            f->chkStrikeout->setChecked(true);
            f->cmdOK->click();
        });
        click(h.bar, "Font");
        const QTextCharFormat f = at(h.box, 3);
        EXPECT_DOUBLE_EQ(f.fontPointSize(), 14) << h.name;
        EXPECT_TRUE(f.fontItalic()) << h.name;
        EXPECT_TRUE(f.fontStrikeOut()) << h.name;
        EXPECT_FALSE(h.bar->isPressed(QStringLiteral("Italic"))) << h.name; // the font dialog presses no button

        // The dialog opens with its last choice; Cancel changes nothing.
        h.box->setCurrentCharFormat(QTextCharFormat());
        h.box->setPlainText(QStringLiteral("Plain"));
        select(h.box, 0, 5);
        UiScript::queueDialog(QStringLiteral("FormatFontDialog"), [&](QDialog* d) {
            auto* f = static_cast<FormatFontDialog*>(d);
            EXPECT_DOUBLE_EQ(f->txtSize->value(), 14) << h.name;
            EXPECT_TRUE(f->chkItalic->isChecked()) << h.name;
            f->cmdCancel->click();
        });
        click(h.bar, "Font");
        EXPECT_FALSE(at(h.box, 2).fontItalic()) << h.name;
    }
}

} // namespace
