#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The specimen picker: the specimens a laboratory exam can be taken from. One specimen is taken
// without showing anything; with several the caller shows the window and the user double-clicks
// one. The answer is PickedSpecimenID (empty when none was chosen). A window that exists once.
class frmSpecimenEntry : public QDialog, public SingleWindow<frmSpecimenEntry> {
    Q_OBJECT
public:
    frmSpecimenEntry();

    QString ItemID;
    // Reads the exam's specimens and sets the window up for them. Errors reach the caller.
    void LoadData();
    bool Morethan1() const { return m_moreThan1; }
    // Always empty: the choice is published in PickedSpecimenID.
    QString SpecimenID() const { return QString(); }

    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtSpecimen = nullptr;
    QPushButton* cmdSearch = nullptr;
    FlexGrid* grdSpecimen = nullptr; // column 0 the code (hidden), column 1 the name
    QPushButton* cmdEnter = nullptr;

    void grdSpecimen_DblClick();
    void ShowListAgain();

private:
    void SetupSpecimenGrid();
    bool m_moreThan1 = false;
};
