#pragma once
#include "access/KeptDialog.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QToolButton;

// Maintenance of the employees' rights: find a user, tick the rights, save behind a user
// validation. Shown modally by frmAccessCode after Form_Load() has filled it.
class frmUserRights : public QDialog, public KeptDialog<frmUserRights> {
    Q_OBJECT
public:
    frmUserRights();

    QLabel* lblHeading = nullptr;
    QGroupBox* fraSearch = nullptr;      // "1. Search User"
    QLineEdit* txtEmployeeID = nullptr;
    QLineEdit* txtEmployee = nullptr;
    QToolButton* cmdSearch = nullptr;
    QGroupBox* fraRights = nullptr;      // "2. Select User Rights"
    QCheckBox* chkSelectAll = nullptr;
    QListWidget* lstRights = nullptr;    // each line's item ID in Qt::UserRole
    QFrame* fmeUsers = nullptr;
    QTableWidget* grdUsers = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

    // Readies the window for a showing; false (after the error notice) when the rights list
    // cannot be read, and the window is then not shown.
    bool Form_Load();

    void cmdSearch_Click();
    void grdUsers_DblClick();
    void chkSelectAll_Click();
    void cmdSave_Click();
    void cmdClose_Click();

    // The item IDs of the rights list: all of them, or those ticked, top to bottom.
    QStringList listedIds() const;
    QStringList tickedIds() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillRightsList();
    void placeUsersFrame();
    void setUserChosen(bool chosen);
    // The chosen user's rights text as read: the rights the list does not show are saved back.
    QString m_storedRights;
};
