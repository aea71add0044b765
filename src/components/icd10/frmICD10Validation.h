#pragma once
#include <QDialog>

class Connection;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The ICD-10 code search's own window: the user types a code or words of a diagnosis and reads the
// matching codes with their descriptions. Nothing is handed back to the caller.
class frmICD10Validation : public QDialog {
    Q_OBJECT
public:
    explicit frmICD10Validation(Connection* conn, QWidget* parent = nullptr);

    QLineEdit* txtSearch;
    QPushButton* cmdSearch;
    QTableWidget* lstCodes; // column 0 code, 1 description
    QLabel* lblCount;
    QPushButton* cmdClose;

    // Lists the codes that match the text of txtSearch; a failed look-up is told, not thrown.
    void cmdSearch_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Connection* m_conn;
};
