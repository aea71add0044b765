#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimeEdit;

// "Coronary Angiography Report Generator": a free-entry angiography report written as an HTML
// page from the program's template and opened in the workstation's browser.
class frmCoronaryAngiographyVRNK : public QDialog, public SingleWindow<frmCoronaryAngiographyVRNK> {
    Q_OBJECT
public:
    frmCoronaryAngiographyVRNK();

    QLineEdit *txtPatName, *cboSex, *txtDate, *txtRVS, *txtAddress, *txtContact, *txtHospNo, *txtBirthDate, *txtAttending,
        *txtAngiographers, *txtNurses, *txtRadTech;
    QPlainTextEdit* txtPreDx;
    QTimeEdit *dtpTimeStarted, *dtpTimeEnded, *dtpFlouroscopy;
    QLineEdit *txtFlowRate, *txtCatheterSite, *txtCaths, *txtHeight, *txtWeight, *txtBSA, *txtRhythm, *txtApproach,
        *txtTechnique, *txtRate, *txtDyeVol, *txtProjections;
    QPlainTextEdit* txtMeds;
    QLineEdit *txtAorta, *txtPullAO, *txtLV, *txtPullLV, *txtFlouroscopy, *txtLeftLVR;
    QPlainTextEdit *txtORTech, *txtLMCA, *txtLAD, *txtLCX, *txtRamus, *txtRCA, *txtConclusion, *txtRec;
    QPushButton* cmdGenerate;
    QScrollArea* picContainer;

    void Form_Load();
    void cmdGenerate_Click();
    // Where the page is written: the user's documents folder.
    static QString OutputPath();
    // The placeholders and their values, in the order they are listed.
    QList<QPair<QString, QString>> PlaceholderValues() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_loaded = false;
};
