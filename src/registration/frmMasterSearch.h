#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

// The master patient search, shown modally by the general list in registration mode. The search
// itself is not yet available; the window says so.
class frmMasterSearch : public QDialog, public SingleWindow<frmMasterSearch> {
    Q_OBJECT
public:
    frmMasterSearch();
};
