#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

// "Census Form Type": the old or the new layout of a case's NHI census charging report. The
// openers set the three numbers, then show it modally; it stays open after each View.
class frmCensusFormat : public QDialog, public SingleWindow<frmCensusFormat> {
    Q_OBJECT
public:
    frmCensusFormat();

    void setIDNo(const QString& v) { m_idNo = v.trimmed(); }
    void setHospNo(const QString& v) { m_hospNo = v.trimmed(); }
    void setRefNo(const QString& v) { m_refNo = v.trimmed(); }

    QGroupBox* Frame1;
    QRadioButton* Option1; // "&Old Form"
    QRadioButton* optNew;  // "&New Form"
    QPushButton* cmdView;
    QPushButton* cmdClose;

    void cmdView_Click();
    void cmdClose_Click();

    // The report file of each layout.
    static QString reportFile(bool newForm);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_idNo, m_hospNo, m_refNo;
};
