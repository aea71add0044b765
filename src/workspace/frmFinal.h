#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTabWidget;

// The procedures workspace, as far as the patient lists reach it: the hospital and admission
// numbers that a hand-off writes, and the main tabs it selects. The page shows the numbers it was
// given.
class frmFinal : public QWidget, public SingleWindow<frmFinal> {
    Q_OBJECT
public:
    frmFinal();

    QLineEdit* txtPno;   // "Hospital#"
    QLineEdit* txtID;    // admission number
    QTabWidget* tabSSTab1;

private:
    void showNumbers();
    QLabel* m_patient;
};
