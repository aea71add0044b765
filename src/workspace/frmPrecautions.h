#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Precautions Entry": the precautions of the workspace's admission, read and, after a user
// validation, changed.
class frmPrecautions : public QDialog {
    Q_OBJECT
public:
    explicit frmPrecautions(QWidget* parent = nullptr);
    QPlainTextEdit* txtPrecautions = nullptr;
    QPushButton* cmdBtn[2] = {}; // 0 "Close", 1 "Edit" / "Save"
    void Form_Load();
    void cmdBtn_Click(int index);
};
