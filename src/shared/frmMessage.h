#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The two-choice box ("IMPORTANT MESSAGE"). A caller may change the message and the buttons,
// shows it modally and reads the answer from PickedChoice: True for "YES" (button 0), False for
// "NO" (button 1). The box is unloaded when it closes, so each showing starts from its design.
class frmMessage : public QDialog, public SingleWindow<frmMessage> {
    Q_OBJECT
public:
    frmMessage();

    QLabel* Image1;
    QLabel* lblMessage;
    QPushButton* cmdOption[2];

    void cmdOption_Click(int index);

    // The message the box shows when a caller does not change it.
    static QString designMessage();

protected:
    void showEvent(QShowEvent* event) override;
};
