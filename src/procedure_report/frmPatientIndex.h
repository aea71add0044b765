#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class FlexGrid;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Result Inquiry": finds the patients with department results by one date choice and by last
// name, hospital number or admission number; a double-click opens the patient's exam list.
class frmPatientIndex : public QDialog, public SingleWindow<frmPatientIndex> {
    Q_OBJECT
public:
    frmPatientIndex();

    void setMode(const QString& mode) { m_mode = mode; }
    void setStatus(const QString& status) { m_status = status; }

    QRadioButton *optAllDates, *optByDate, *optToday, *optYesterday;
    QDateEdit* dtpPicker;
    QLineEdit* txtSearch[3];
    QLabel *cmdSearch, *cmdClose;
    QFrame *Shape6, *Shape4;
    QWidget* Picture1;
    FlexGrid* MSHFlexList;

    void Form_Load();
    void cmdSearch_Click();
    void MSHFlexList_DblClick();
    // The date text the search sends for the chosen option.
    QString SearchDateText();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resetGrid(const QString& secondHeading);
    void fitColumns();
    bool resultMode() const;
    QString m_mode, m_status;
    bool m_loaded = false;
};
