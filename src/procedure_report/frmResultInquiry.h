#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QColor>
#include <QDialog>

class FlexGrid;
class QLineEdit;
class QPushButton;

// "Result Inquiry": the department's exams of one admission coloured by result state; Select opens
// an exam's result form by its format code and reloads the list when it closes.
class frmResultInquiry : public QDialog, public SingleWindow<frmResultInquiry> {
    Q_OBJECT
public:
    frmResultInquiry();

    void setIDNum(const QString& v) { m_idNum = v; }
    void setHospNo(const QString& v) { m_hospNo = v; }
    void setPName(const QString& v) { m_pName = v; }

    QLineEdit *txtHospNum, *txtIDNum, *txtAdmDate, *txtRoom, *txtPname, *txtSex, *txtAge, *txtBdate, *txtCivilStatus;
    FlexGrid* mshFlexExams;
    QPushButton *cmdSelect, *cmdClose;

    void Form_Load();
    void cmdSelect_Click();
    void FormatExamGrid();
    void LoadPatientExams();
    void ColorExamRows();

    // The colour of an exam row by its verification date and result date.
    static QColor StatusColor(const QString& dateVerified, const QString& resultDate);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PaintExamRow(int row, const QColor& color);
    QString m_idNum, m_hospNo, m_pName;
    bool m_loaded = false;
};
