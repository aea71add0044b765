#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class FlexGrid;
class FormattingToolbar;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;

// "CATHLAB INTERPRETATION TEMPLATES": lists, writes, changes, deletes and prints the per-exam
// templates that seed new angiogram results.
class frmInterpretBuild : public QDialog, public SingleWindow<frmInterpretBuild> {
    Q_OBJECT
public:
    frmInterpretBuild();

    QPushButton *cmdNew, *cmdEdit, *cmdRefresh, *cmdClose;
    QTabWidget* tabBuild;
    QLineEdit* txtSearch;
    FlexGrid* grdTable;
    QLineEdit *txtCode, *txtDescription, *txtExamID, *txtExamName;
    QPushButton* cmdExam;
    FormattingToolbar* tbrFormatting;
    QTextEdit* txtInterpretation;
    QPushButton *cmdPrint, *cmdDelete, *cmdSave, *cmdCancel;

    void Form_Load();
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdRefresh_Click();
    void cmdExam_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void SelectAlignLeft();
    void SelectAlignCenter();
    void SelectAlignRight();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearTemplateEntry();
    void LoadTemplateList();
    void LoadTemplate(const QString& examID);
    bool m_loaded = false;
};
