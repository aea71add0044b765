#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// A section's exam picker: one tick list of its catalogue. Ticking an exam orders it (the
// workspace's add steps with the picker's section), unticking takes the order back. Close (or
// the window's frame) unticks the section in the workspace's "Other Departments" list and hides
// the window, which keeps its ticks until the workspace's lists are filled again.
class SectionPicker : public QDialog {
    Q_OBJECT
public:
    SectionPicker(const QString& objectName, const QString& caption, const QString& section, const QString& listName,
                  const QString& boxName, const QString& closeName, const QString& closeCaption);

    const QString Section;   // "CT", "HS", ...
    const QString ListName;  // "lstListCT", ...: the orders grid's LIST of its rows
    QListWidget* lstList = nullptr;
    QLineEdit* txtDept = nullptr; // the "Other Departments" entry that opened it
    QPushButton* cmdExit = nullptr;

    void lstList_Click(QListWidgetItem* item);
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

class frmCTfile : public SectionPicker, public SingleWindow<frmCTfile> {
    Q_OBJECT
public:
    frmCTfile();
    QListWidget*& lstListCT = lstList;
    QLineEdit*& txtCtdept = txtDept;
};
class frmHeart : public SectionPicker, public SingleWindow<frmHeart> {
    Q_OBJECT
public:
    frmHeart();
    QListWidget*& lstListHS = lstList;
    QLineEdit*& txtHSDept = txtDept;
};
class frmNuclear : public SectionPicker, public SingleWindow<frmNuclear> {
    Q_OBJECT
public:
    frmNuclear();
    QListWidget*& lstListNuclear = lstList;
    QLineEdit*& txtNUDept = txtDept;
};
class frmPTFile : public SectionPicker, public SingleWindow<frmPTFile> {
    Q_OBJECT
public:
    frmPTFile();
    QListWidget*& lstListPT = lstList;
    QLineEdit*& txtPtDept = txtDept;
};
class frmNeuRoExams : public SectionPicker, public SingleWindow<frmNeuRoExams> {
    Q_OBJECT
public:
    frmNeuRoExams();
    QListWidget*& lstListNeuro = lstList;
    QLineEdit*& txtNEDept = txtDept;
};
class frmRTfile : public SectionPicker, public SingleWindow<frmRTfile> {
    Q_OBJECT
public:
    frmRTfile();
    QListWidget*& lstListRTS = lstList;
    QLineEdit*& txtRTdept = txtDept;
};
class frmAudio : public SectionPicker, public SingleWindow<frmAudio> {
    Q_OBJECT
public:
    frmAudio();
    QListWidget*& lstListAudio = lstList;
    QLineEdit*& txtAUDept = txtDept;
};

// The picker of a section code ("CT", "HS", "NU", "PT", "NE", "PA", "AU"), loaded hidden on first
// use; null for any other code. ByListName finds it by the LIST name of an order row.
SectionPicker* PickerForSection(const QString& section);
SectionPicker* PickerByListName(const QString& listName);
// The seven sections that have a picker, in the order the workspace fills their lists.
QStringList PickerSections();
