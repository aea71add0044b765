#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The oxygen PSI reading ("PSI READING"): the tank number and its gauge readings for one row of an
// entry grid. Shared by every entry that charges oxygen by PSI, and keeps nothing of a caller: each
// caller sets Code, Description, Grid and SelectedRow before every showing. Save writes the initial
// reading, last reading and tank number into columns 12, 13 and 14 of the row and the consumed
// pressure into DialogAnswers.ConsumedPSI; Exit marks the row as no PSI row (column 11 "0",
// columns 12 to 14 emptied, ConsumedPSI 0); a close by imgLegend or by the frame writes nothing.
class frmPSIReading : public QDialog, public KeptDialog<frmPSIReading> {
    Q_OBJECT
public:
    QPointer<FlexGrid> Grid;
    int SelectedRow = 0;
    QString Code;
    QString Description;

    QLabel *lblCode, *lblDescription, *lblConsumed;
    QLineEdit *txtTank, *txtInitialReading, *txtLastReading;
    std::array<QPushButton*, 2> lblExit{}; // (0) "Exit", (1) "Save"
    QToolButton* imgLegend;

    void Form_Load();
    // Enter in the tank number box: the tank's latest use decides which readings are open.
    void LookupOxygenTank();
    void txtInitialReading_Enter();
    void txtLastReading_Enter();
    bool CheckInitialReading();
    bool CheckLastReading();
    void lblExit_Click(int index);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class KeptDialog<frmPSIReading>;
    frmPSIReading();
    void writeRow(int col, const QString& text);
    void refuse(const QString& text, QLineEdit* box, bool selectAll);
    QString m_lookedUpTank; // the tank number of the last look-up ("" before one)
};
