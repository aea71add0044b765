#pragma once
#include "access/KeptDialog.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QTableWidget;
class QToolButton;

// The pick list of standard credit-memo remarks. Show it modally; afterwards SelectedRemarks holds
// the remark chosen during that showing (empty when it was closed without a choice).
class frmCMRemarks : public QDialog, public KeptDialog<frmCMRemarks> {
    Q_OBJECT
public:
    frmCMRemarks();

    QString SelectedRemarks;

    QLabel* lblDoctor = nullptr;
    QGroupBox* fraMessage = nullptr;
    QTableWidget* mshFlexCMRemarks = nullptr;
    QToolButton* imgLegend = nullptr;

    void mshFlexCMRemarks_DblClick();
    void imgLegend_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
};
