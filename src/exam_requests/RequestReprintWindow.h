#pragma once
#include <QDialog>

class FlexGrid;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Recordset;

// What the two reprint windows share: a search by hospital number, admission number or last
// name, the list of what was found, and "&Reprint" for the list's current row. Each window gives
// its list's layout, its search procedure and its reprint. Neither writes to the database.
class RequestReprintWindow : public QDialog {
    Q_OBJECT
public:
    QComboBox* cboSearchType = nullptr;
    QLineEdit* txtKey = nullptr;
    QFrame* Shape6 = nullptr;
    QLabel* lblRegister = nullptr; // "Search"
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    FlexGrid* mshRequests = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

    // Stored and never read: no caller sets it.
    void setRevenueID(const QString& v) { m_revenueID = v; }

    // "A" hospital number, "B" admission number, "C" last name; "" for any other text.
    QString SearchLetter() const;
    void lblRegister_Click();
    void SetupGrid();
    virtual void cmdPrint_Click() = 0;
    // Colours revoked and processed requests by the list's column 10; nothing calls it.
    void ColorRowsByStatus();

protected:
    RequestReprintWindow(const QString& objectName, const QString& caption, const QString& frameCaption, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The list's format text, column count and widths at load.
    virtual QString formatText() const = 0;
    virtual QVector<int> columnWidths() const = 0;
    virtual int columnCount() const = 0;
    // Runs the window's search statement; the key goes in as typed.
    virtual Recordset search(const QString& letter, const QString& key) = 0;
    // The current row's cell; "" when the list has no such column.
    QString currentCell(int col) const;
    void setShapeColor(const QColor& c);

private:
    QString m_revenueID;
};
