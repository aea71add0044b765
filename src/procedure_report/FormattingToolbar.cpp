#include "procedure_report/FormattingToolbar.h"

#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

namespace {

// The toolbar's 16 x 16 pictures, drawn: a letter or a small sign in the button's own style.
QIcon picture(const QString& key)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Serif"));
    f.setPixelSize(13);
    auto letter = [&](const QString& text) {
        p.setFont(f);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    };
    auto lines = [&](const QList<QPair<int, int>>& spans) {
        int y = 3;
        for (const auto& [x, w] : spans) {
            p.drawLine(x, y, x + w, y);
            y += 3;
        }
    };
    if (key == QLatin1String("Font")) {
        f.setBold(true);
        letter(QStringLiteral("A"));
    } else if (key == QLatin1String("Bold")) {
        f.setBold(true);
        letter(QStringLiteral("B"));
    } else if (key == QLatin1String("Italic")) {
        f.setItalic(true);
        letter(QStringLiteral("I"));
    } else if (key == QLatin1String("Underline")) {
        f.setUnderline(true);
        letter(QStringLiteral("U"));
    } else if (key == QLatin1String("Color")) {
        p.fillRect(2, 2, 12, 12, QColor(200, 0, 0));
    } else if (key == QLatin1String("Lowercase")) {
        letter(QStringLiteral("a"));
    } else if (key == QLatin1String("Uppercase")) {
        letter(QStringLiteral("A"));
    } else if (key == QLatin1String("AlignLeft")) {
        lines({{1, 13}, {1, 9}, {1, 13}, {1, 9}});
    } else if (key == QLatin1String("Center")) {
        lines({{1, 13}, {3, 9}, {1, 13}, {3, 9}});
    } else if (key == QLatin1String("AlignRight")) {
        lines({{1, 13}, {5, 9}, {1, 13}, {5, 9}});
    } else if (key == QLatin1String("Bullets")) {
        for (int y = 3; y <= 12; y += 4) {
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(2.5, y + 0.5), 1.5, 1.5);
            p.drawLine(6, y, 15, y);
        }
    }
    return QIcon(pm);
}

struct ButtonDef {
    const char* key;
    const char* tooltip;
    const char* icon;
};

} // namespace

FormatFontDialog::FormatFontDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
    auto* form = new QFormLayout(this);
    cboFont = new QFontComboBox(this);
    txtSize = new QDoubleSpinBox(this);
    txtSize->setRange(1, 400);
    txtSize->setDecimals(2);
    chkBold = new QCheckBox(QStringLiteral("Bold"), this);
    chkItalic = new QCheckBox(QStringLiteral("Italic"), this);
    chkUnderline = new QCheckBox(QStringLiteral("Underline"), this);
    chkStrikeout = new QCheckBox(QStringLiteral("Strikeout"), this);
    cmdColor = new QPushButton(this);
    form->addRow(QStringLiteral("Font:"), cboFont);
    form->addRow(QStringLiteral("Size:"), txtSize);
    form->addRow(chkBold);
    form->addRow(chkItalic);
    form->addRow(QStringLiteral("Effects"), chkUnderline);
    form->addRow(QString(), chkStrikeout);
    form->addRow(QStringLiteral("Color:"), cmdColor);
    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdColor, &QPushButton::clicked, this, [this] {
        QColorDialog dlg(m_color, this);
        if (runModal(&dlg) == QDialog::Accepted) setColor(dlg.currentColor());
    });
    setColor(Qt::black);
}

void FormatFontDialog::setColor(const QColor& c)
{
    m_color = c;
    cmdColor->setText(c.name());
}

FormattingToolbar::FormattingToolbar(QTextEdit* box, QWidget* parent)
    : QToolBar(parent), m_box(box), m_dialogFont(box->font())
{
    setObjectName(QStringLiteral("tbrFormatting"));
    setIconSize(QSize(16, 16));
    m_align = new QActionGroup(this);
    m_align->setExclusive(true);
    const ButtonDef defs[] = {
        {"Font", nullptr, "Font"}, {nullptr, nullptr, nullptr},
        {"Bold", "Bold", "Bold"}, {"Italic", "Italic", "Italic"}, {"Underline", "Underline", "Underline"},
        {nullptr, nullptr, nullptr},
        {"Color", "Color", "Color"}, {"Lowercase", "Lower Case", "Lowercase"}, {"Uppercase", "Upper Case", "Uppercase"},
        {nullptr, nullptr, nullptr},
        {"AlignLeft", "Align Left", "AlignLeft"}, {"AlignCenter", "Center", "Center"}, {"AlignRight", "Align Right", "AlignRight"},
        {"Bullets", "Bullets", "Bullets"}, {nullptr, nullptr, nullptr},
    };
    for (const ButtonDef& d : defs) {
        if (!d.key) {
            addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(d.key);
        QAction* a = addAction(picture(QString::fromLatin1(d.icon)), QString());
        a->setObjectName(key);
        a->setData(key);
        a->setToolTip(d.tooltip ? QString::fromLatin1(d.tooltip) : QString());
        if (key == QLatin1String("Font")) a->setIconText(QString(11, QLatin1Char(' ')));
        const bool pressable = key == QLatin1String("Bold") || key == QLatin1String("Italic") ||
                               key == QLatin1String("Underline") || key == QLatin1String("Bullets") ||
                               key.startsWith(QLatin1String("Align"));
        a->setCheckable(pressable);
        if (key.startsWith(QLatin1String("Align"))) m_align->addAction(a);
        // The operation sets the pressed state; the click itself leaves it as it was.
        connect(a, &QAction::triggered, this, [this, a, key] {
            if (a->isCheckable() && !key.startsWith(QLatin1String("Align"))) a->setChecked(!a->isChecked());
            tbrFormatting_ButtonClick(key);
        });
    }
    // An alignment button clicked again stays pressed: the group keeps one pressed once pressed.
    m_align->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_box->installEventFilter(this);
}

bool FormattingToolbar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QToolBar::eventFilter(watched, event);
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->modifiers() != Qt::ControlModifier) return QToolBar::eventFilter(watched, event);
    const QString key = k->key() == Qt::Key_B ? QStringLiteral("Bold")
                        : k->key() == Qt::Key_I ? QStringLiteral("Italic")
                        : k->key() == Qt::Key_U ? QStringLiteral("Underline")
                                                : QString();
    if (key.isEmpty()) return QToolBar::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the box takes the key before any menu shortcut of the window
        return true;
    }
    if (QAction* a = button(key); a && a->isEnabled()) a->trigger();
    return true;
}

QAction* FormattingToolbar::button(const QString& key) const { return findChild<QAction*>(key, Qt::FindDirectChildrenOnly); }

bool FormattingToolbar::isPressed(const QString& key) const
{
    const QAction* a = button(key);
    return a && a->isChecked();
}

void FormattingToolbar::setPressed(const QString& key, bool on)
{
    if (QAction* a = button(key)) a->setChecked(on);
}

void FormattingToolbar::tbrFormatting_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Font")) ShowFontDialog();
    else if (key == QLatin1String("Bold")) ToggleBold();
    else if (key == QLatin1String("Italic")) ToggleItalic();
    else if (key == QLatin1String("Underline")) ToggleUnderline();
    else if (key == QLatin1String("Color")) ShowColorDialog();
    else if (key == QLatin1String("Lowercase")) SelectionToLowercase();
    else if (key == QLatin1String("Uppercase")) SelectionToUppercase();
    else if (key == QLatin1String("AlignLeft")) SelectAlignLeft();
    else if (key == QLatin1String("AlignCenter")) SelectAlignCenter();
    else if (key == QLatin1String("AlignRight")) SelectAlignRight();
    else if (key == QLatin1String("Bullets")) ToggleBullets();
}

void FormattingToolbar::ToggleBold()
{
    m_box->setFontWeight(m_box->fontWeight() > QFont::Medium ? QFont::Normal : QFont::Bold);
    setPressed(QStringLiteral("Bold"), m_box->fontWeight() > QFont::Medium);
}

void FormattingToolbar::ToggleItalic()
{
    m_box->setFontItalic(!m_box->fontItalic());
    setPressed(QStringLiteral("Italic"), m_box->fontItalic());
}

void FormattingToolbar::ToggleUnderline()
{
    m_box->setFontUnderline(!m_box->fontUnderline());
    setPressed(QStringLiteral("Underline"), m_box->fontUnderline());
}

void FormattingToolbar::ToggleBullets()
{
    QTextCursor c = m_box->textCursor();
    if (QTextList* list = c.currentList()) {
        // Every paragraph of the selection leaves its list.
        const QTextBlock first = m_box->document()->findBlock(c.selectionStart());
        const QTextBlock last = m_box->document()->findBlock(c.selectionEnd());
        for (QTextBlock b = first; b.isValid(); b = b.next()) {
            if (QTextList* l = b.textList()) {
                l->remove(b);
                QTextCursor bc(b);
                QTextBlockFormat bf = b.blockFormat();
                bf.setIndent(0);
                bc.setBlockFormat(bf);
            }
            if (b == last) break;
        }
        (void)list;
    } else {
        c.createList(QTextListFormat::ListDisc);
    }
    setPressed(QStringLiteral("Bullets"), m_box->textCursor().currentList() != nullptr);
}

void FormattingToolbar::SelectAlignLeft()
{
    m_box->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    setPressed(QStringLiteral("AlignLeft"), true);
}

void FormattingToolbar::SelectAlignCenter()
{
    m_box->setAlignment(Qt::AlignHCenter);
    setPressed(QStringLiteral("AlignCenter"), true);
}

void FormattingToolbar::SelectAlignRight()
{
    m_box->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    setPressed(QStringLiteral("AlignRight"), true);
}

void FormattingToolbar::changeCase(bool upper)
{
    QTextCursor c = m_box->textCursor();
    if (!c.hasSelection()) return;
    // Fragment by fragment, so each piece keeps its own formatting.
    const int start = c.selectionStart(), end = c.selectionEnd();
    QTextCursor edit(m_box->document());
    edit.beginEditBlock();
    int pos = start;
    while (pos < end) {
        QTextCursor probe(m_box->document());
        probe.setPosition(pos);
        const QTextBlock block = probe.block();
        int stop = qMin(end, block.position() + block.length() - 1);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.position() <= pos && pos < f.position() + f.length()) {
                stop = qMin(stop, f.position() + f.length());
                break;
            }
        }
        if (stop <= pos) { // the paragraph mark
            ++pos;
            continue;
        }
        edit.setPosition(pos);
        edit.setPosition(stop, QTextCursor::KeepAnchor);
        const QTextCharFormat fmt = edit.charFormat();
        const QString text = edit.selectedText();
        edit.insertText(upper ? text.toUpper() : text.toLower(), fmt);
        pos = stop;
    }
    edit.endEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    m_box->setTextCursor(c);
}

void FormattingToolbar::SelectionToLowercase() { changeCase(false); }

void FormattingToolbar::SelectionToUppercase() { changeCase(true); }

void FormattingToolbar::ShowFontDialog()
{
    FormatFontDialog dlg(this);
    dlg.cboFont->setCurrentFont(m_dialogFont);
    dlg.txtSize->setValue(m_dialogFont.pointSizeF() > 0 ? m_dialogFont.pointSizeF() : 9.75);
    dlg.chkBold->setChecked(m_dialogFont.bold());
    dlg.chkItalic->setChecked(m_dialogFont.italic());
    dlg.chkUnderline->setChecked(m_dialogUnderline);
    dlg.chkStrikeout->setChecked(m_dialogStrike);
    dlg.setColor(m_dialogColor);
    if (runModal(&dlg) != QDialog::Accepted) return; // Cancel: nothing changes
    m_dialogFont = dlg.cboFont->currentFont();
    m_dialogFont.setPointSizeF(dlg.txtSize->value());
    m_dialogFont.setBold(dlg.chkBold->isChecked());
    m_dialogFont.setItalic(dlg.chkItalic->isChecked());
    m_dialogUnderline = dlg.chkUnderline->isChecked();
    m_dialogStrike = dlg.chkStrikeout->isChecked();
    m_dialogColor = dlg.color();
    QTextCharFormat f;
    f.setFontFamilies({m_dialogFont.family()});
    f.setFontPointSize(m_dialogFont.pointSizeF());
    f.setFontItalic(m_dialogFont.italic());
    f.setFontWeight(m_dialogFont.bold() ? QFont::Bold : QFont::Normal);
    f.setFontUnderline(m_dialogUnderline);
    f.setFontStrikeOut(m_dialogStrike);
    f.setForeground(m_dialogColor);
    m_box->mergeCurrentCharFormat(f);
}

void FormattingToolbar::ShowColorDialog()
{
    QColorDialog dlg(m_dialogColor, this);
    if (runModal(&dlg) != QDialog::Accepted) return;
    m_dialogColor = dlg.currentColor();
    m_box->setTextColor(m_dialogColor);
}
