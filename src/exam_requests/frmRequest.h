#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class FlexGrid;
class QLineEdit;

// The examination request entry, a modal dialog that exists once.
// So far it holds the two grids that the shared profile checks work on; the request entry itself
// fills in the rest.
class frmRequest : public QDialog, public SingleWindow<frmRequest> {
    Q_OBJECT
public:
    frmRequest();

    // Entry grid: 14 columns, the exam code in column 1.
    FlexGrid* mshflexEntry = nullptr;
    // The hidden profile grid (ProfileRow rows) of the exams entered here.
    FlexGrid* mshflexProfileList = nullptr;

    // The section code of the entry: its exam search, and the DEPT of every order it writes.
    QLineEdit* txtDept = nullptr;
    // The section code, handed to the remarks dialog of each exam entered.
    QString Department;
};
