#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <QRadioButton>
#include <array>

// The exam-request details dialog, which exists once.
// So far it holds the routine/STAT choice that the shared order checks preset; the exam ordering
// fills in the rest.
class frmRemarks : public QDialog, public SingleWindow<frmRemarks> {
    Q_OBJECT
public:
    frmRemarks();

    // Element 0 "Routine" (chosen when the dialog opens), element 1 "Stat".
    std::array<QRadioButton*, 2> Option1{};
};
