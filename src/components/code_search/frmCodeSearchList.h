#pragma once
#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

// The code search's pick list: the rows of one kind with their columns; the user chooses a row
// (double-click, Enter or "&Select") or closes the list.
class frmCodeSearchList : public QDialog {
    Q_OBJECT
public:
    frmCodeSearchList(const QString& caption, const QStringList& headers, const QList<QStringList>& rows,
                      QWidget* parent = nullptr);

    QTableWidget* grdList;
    QPushButton* cmdSelect;
    QPushButton* cmdCancel;

    int ChosenRow = -1;     // index into the rows given, -1 when nothing was chosen
    // The row whose first column is this code, -1 when none (tests and keyboard search).
    int FindRow(const QString& code) const;
    void cmdSelect_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
