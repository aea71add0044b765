#pragma once
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QToolBar>

class QAction;
class QActionGroup;
class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QPushButton;
class QTextEdit;

// The font dialog of the formatting toolbar: font, size, bold, italic, underline, strike-through
// and colour. It opens with what it held after its last use in the same window.
class FormatFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FormatFontDialog(QWidget* parent = nullptr);
    QFontComboBox* cboFont;
    QDoubleSpinBox* txtSize;
    QCheckBox* chkBold;
    QCheckBox* chkItalic;
    QCheckBox* chkUnderline;
    QCheckBox* chkStrikeout;
    QPushButton* cmdColor;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QColor color() const { return m_color; }
    void setColor(const QColor& c);

private:
    QColor m_color = Qt::black;
};

// The formatting toolbar over a rich-text box (tbrFormatting): font, bold, italic, underline,
// colour, lower and upper case, alignment and bullets of the box's selection. A button's pressed
// state follows what the last click on it left in the selection, not the caret.
class FormattingToolbar : public QToolBar {
    Q_OBJECT
public:
    FormattingToolbar(QTextEdit* box, QWidget* parent);

    // The button of that key ("Bold", "AlignCenter", ...); null for an unknown key.
    QAction* button(const QString& key) const;
    bool isPressed(const QString& key) const;

    void tbrFormatting_ButtonClick(const QString& key);
    void SelectAlignLeft();
    void SelectAlignCenter();
    void SelectAlignRight();

protected:
    // Ctrl+B, Ctrl+I and Ctrl+U in the box act as the bold, italic and underline buttons.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFontDialog();
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void ShowColorDialog();
    void SelectionToLowercase();
    void SelectionToUppercase();
    void ToggleBullets();
    void setPressed(const QString& key, bool on);
    void changeCase(bool upper);

    QTextEdit* m_box;
    QActionGroup* m_align;
    // What the dialogs held after their last use in this window.
    QFont m_dialogFont;
    bool m_dialogUnderline = false, m_dialogStrike = false;
    QColor m_dialogColor = Qt::black;
};
