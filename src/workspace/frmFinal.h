#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QListWidget>
#include <QWidget>

class FlexGrid;
class QLabel;
class QLineEdit;
class QTabWidget;

// The procedures workspace. It exists once; referring to it loads it.
// So far it holds what the patient lists hand over (the hospital and admission numbers, the main
// tabs they select) and the order list, its profile grid and the laboratory pick list that the
// shared order checks work on; the workspace itself fills in the rest.
class frmFinal : public QWidget, public SingleWindow<frmFinal> {
    Q_OBJECT
public:
    frmFinal();

    QLineEdit* txtPno = nullptr;   // "Hospital#"
    QLineEdit* txtID = nullptr;    // admission number
    QTabWidget* tabSSTab1 = nullptr;

    // Order list: one OrderRow per exam being ordered (18 columns, exam code in column 2).
    FlexGrid* mshflexOrders = nullptr;
    // The hidden profile grid beside it (ProfileRow rows).
    FlexGrid* mshflexProfileList = nullptr;
    // The laboratory pick list; an exam taken off the order list goes back to it.
    QListWidget* lstListLaboratory = nullptr;

private:
    void showNumbers();
    QLabel* m_patient = nullptr;
};
