#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace {
struct ScriptState {
    bool active = false;
    std::deque<int> answers;
    QList<ShownMessage> shown;
    std::deque<std::pair<QString, std::function<void(QDialog*)>>> dialogs;
    QStringList dialogsRun;
};
ScriptState& st()
{
    static ScriptState s;
    return s;
}

int defaultAnswer(int style)
{
    switch (style & 7) {
    case vbYesNo:
    case vbYesNoCancel:
        if ((style & 7) == vbYesNoCancel && (style & vbDefaultButton3)) return vbCancel;
        return (style & vbDefaultButton2) ? vbNo : vbYes;
    default: return vbOK;
    }
}
}

namespace UiScript {
bool active() { return st().active; }
void setActive(bool on) { st().active = on; }
void reset()
{
    st().answers.clear();
    st().shown.clear();
    st().dialogs.clear();
    st().dialogsRun.clear();
}
void queueAnswer(int answer) { st().answers.push_back(answer); }
const QList<ShownMessage>& shown() { return st().shown; }
QString lastText() { return st().shown.isEmpty() ? QString() : st().shown.last().text; }
QStringList texts()
{
    QStringList out;
    for (const auto& m : st().shown) out << m.text;
    return out;
}
void queueDialog(const QString& className, std::function<void(QDialog*)> handler)
{
    st().dialogs.emplace_back(className, std::move(handler));
}
QStringList dialogsRun() { return st().dialogsRun; }
}

int MsgBox(const QString& text, int style, const QString& title)
{
    const QString caption = title.isEmpty() ? QCoreApplication::applicationName() : title;
    if (st().active) {
        int answer = defaultAnswer(style);
        if (!st().answers.empty()) { answer = st().answers.front(); st().answers.pop_front(); }
        st().shown.push_back({text, caption, style, answer});
        return answer;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    const int icon = style & 0x70;
    box.setIcon(icon == vbCritical ? QMessageBox::Critical
                : icon == vbQuestion ? QMessageBox::Question
                : icon == vbExclamation ? QMessageBox::Warning
                : icon == vbInformation ? QMessageBox::Information
                                        : QMessageBox::NoIcon);
    QPushButton* def = nullptr;
    switch (style & 7) {
    case vbYesNo:
    case vbYesNoCancel: {
        auto* yes = box.addButton(QMessageBox::Yes);
        auto* no = box.addButton(QMessageBox::No);
        QPushButton* cancel = (style & 7) == vbYesNoCancel ? box.addButton(QMessageBox::Cancel) : nullptr;
        def = (cancel && (style & vbDefaultButton3)) ? cancel : (style & vbDefaultButton2) ? no : yes;
        break;
    }
    case vbOKCancel:
        def = box.addButton(QMessageBox::Ok);
        box.addButton(QMessageBox::Cancel);
        break;
    default:
        def = box.addButton(QMessageBox::Ok);
    }
    box.setDefaultButton(def);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return (style & 7) == vbYesNo ? vbNo : vbOK;
    }
}

int runModal(QDialog* dialog)
{
    if (!st().active) return dialog->exec();
    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    st().dialogsRun << name;
    std::function<void(QDialog*)> handler;
    for (auto it = st().dialogs.begin(); it != st().dialogs.end(); ++it) {
        if (it->first == name) { handler = std::move(it->second); st().dialogs.erase(it); break; }
    }
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    QCoreApplication::processEvents();
    if (handler) handler(dialog);
    if (dialog->isVisible()) dialog->reject(); // left open: closed by its frame
    return dialog->result();
}
