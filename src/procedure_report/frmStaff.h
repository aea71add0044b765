#pragma once
#include <QDialog>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Picks a nurse (mode "N") or a radiologic technologist (mode "R"): the caller sets the mode and
// the search key, writes the heading and shows it modally; then PickedStaffCode and
// PickedStaffName hold the choice (both empty when the picker was left without one).
class frmStaff : public QDialog {
    Q_OBJECT
public:
    explicit frmStaff(QWidget* parent = nullptr);

    void setSetMode(const QString& mode) { m_mode = mode; }
    QString SearchKey() const { return m_key; }
    void setSearchKey(const QString& key) { m_key = key; }
    QString PickedStaffCode() const { return m_code; }
    QString PickedStaffName() const { return m_name; }

    QLabel* lblHead;
    QLabel* lblTitle;
    QLabel* lblSTitle;
    QLineEdit* Text1;
    QToolButton* cmdConnect;
    QPushButton* cmdExit;
    FlexGrid* MSHFlexGrid1;
    QLabel* lblHelpTip;

    void Form_Load();
    void cmdConnect_Click();
    void MSHFlexGrid1_DblClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOutGrid(const QString& nameHeading);
    QString m_mode, m_key, m_code, m_name;
    bool m_loaded = false;
};
