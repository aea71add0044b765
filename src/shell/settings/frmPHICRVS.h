#pragma once
#include <QDialog>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "PHIC (RVS Code)": finds an RVS code by code or part of its description, in the whole PHIC
// list or among the codes listed for one procedure. The caller sets the key and the procedure,
// shows it modally and reads PHICCode, PHICDescription and Unit (empty: nothing chosen).
class frmPHICRVS : public QDialog {
    Q_OBJECT
public:
    explicit frmPHICRVS(QWidget* parent = nullptr);

    void setSetNursePackageCode(const QString& code) { m_procedure = code; }
    void setSetKey(const QString& key) { m_key = key; }
    QString PHICCode() const { return m_code; }
    QString PHICDescription() const { return m_description; }
    QString Unit() const { return m_unit; }

    QLabel* Label1;
    QLineEdit* txtKey;
    QToolButton* cmdSearch;
    FlexGrid* mshflexEntry;
    QPushButton* cmdSelect;
    QPushButton* cmdClose;

    void Form_Load();
    void cmdSearch_Click();
    void cmdSelect_Click();
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // the frame or Escape: nothing chosen

private:
    void SetupRVSGrid();
    void SearchRVS();
    void clearAnswers();

    QString m_procedure, m_key, m_code, m_description, m_unit;
    bool m_loaded = false;
};
