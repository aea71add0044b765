#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

// Buttons, icons and answers, as the windows name them.
enum MsgStyle : int {
    vbOKOnly = 0, vbOKCancel = 1, vbYesNoCancel = 3, vbYesNo = 4,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The one message box of the program: text, buttons and icon, title. Returns the answer.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());

// A message box as it was shown, for tests.
struct ShownMessage {
    QString text;
    QString title;
    int style = 0;
    int answer = 0;
};

// Tests script the program's message boxes and modal dialogs: nothing blocks, every text is kept.
namespace UiScript {
bool active();
void setActive(bool on);
void reset();                        // forgets answers, handlers and what was shown
void queueAnswer(int answer);        // next MsgBox returns this (otherwise OK / Yes)
const QList<ShownMessage>& shown();
QString lastText();
QStringList texts();
// Next modal dialog of this class name (QMetaObject::className) runs this handler while shown;
// a dialog the handler leaves open counts as closed by its frame.
void queueDialog(const QString& className, std::function<void(QDialog*)> handler);
// Dialogs run so far (class names), in order.
QStringList dialogsRun();
}

// The one way the program runs a modal dialog: exec() for a person, the queued handler in tests.
int runModal(QDialog* dialog);
