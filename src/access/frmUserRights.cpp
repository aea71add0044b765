#include "access/frmUserRights.h"

#include "access/AccessKeys.h"
#include "access/UserRightsData.h"
#include "access/UserValidation.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WholeColumns.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

frmUserRights::frmUserRights()
{
    setObjectName(QStringLiteral("frmUserRights"));
    setWindowTitle(QStringLiteral("User Settings"));
    setModal(true);

    lblHeading = new QLabel(QStringLiteral("Add / Edit User Rights "), this);
    QFont heading = lblHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    lblHeading->setFont(heading);

    fraSearch = new QGroupBox(QStringLiteral("1. Search User"), this);
    txtEmployeeID = new QLineEdit(fraSearch);
    txtEmployeeID->setObjectName(QStringLiteral("txtEmployeeID"));
    txtEmployee = new QLineEdit(fraSearch);
    txtEmployee->setObjectName(QStringLiteral("txtEmployee"));
    txtEmployee->setReadOnly(true);
    cmdSearch = new QToolButton(fraSearch);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    auto* searchLayout = new QHBoxLayout(fraSearch);
    searchLayout->addWidget(txtEmployeeID, 1);
    searchLayout->addWidget(cmdSearch);
    searchLayout->addWidget(txtEmployee, 3);

    fraRights = new QGroupBox(QStringLiteral("2. Select User Rights"), this);
    chkSelectAll = new QCheckBox(QStringLiteral("Select &All"), fraRights);
    chkSelectAll->setObjectName(QStringLiteral("chkSelectAll"));
    lstRights = new QListWidget(fraRights);
    lstRights->setObjectName(QStringLiteral("lstRights"));
    auto* rightsLayout = new QVBoxLayout(fraRights);
    rightsLayout->addWidget(chkSelectAll);
    rightsLayout->addWidget(lstRights, 1);

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(fraSearch);
    layout->addWidget(fraRights, 1);
    layout->addLayout(buttons);

    // The pop-up list of users lies over the rights frame while a search is shown.
    fmeUsers = new QFrame(this);
    fmeUsers->setObjectName(QStringLiteral("fmeUsers"));
    fmeUsers->setFrameShape(QFrame::Box);
    fmeUsers->setAutoFillBackground(true);
    grdUsers = new QTableWidget(fmeUsers);
    KeepColumnsWhole(grdUsers);
    grdUsers->setObjectName(QStringLiteral("grdUsers"));
    grdUsers->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    grdUsers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdUsers->verticalHeader()->hide();
    (new QVBoxLayout(fmeUsers))->addWidget(grdUsers);
    fmeUsers->hide();

    resize(TwipsToPixels(8400), TwipsToPixels(7800));

    connect(cmdSearch, &QToolButton::clicked, this, &frmUserRights::cmdSearch_Click);
    connect(grdUsers, &QTableWidget::cellDoubleClicked, this, [this] { grdUsers_DblClick(); });
    connect(chkSelectAll, &QCheckBox::clicked, this, &frmUserRights::chkSelectAll_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmUserRights::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmUserRights::cmdClose_Click);
    // Another ID typed in the search box is not the user whose rights are ticked: no saving until
    // a user is chosen again.
    connect(txtEmployeeID, &QLineEdit::textEdited, this, [this] {
        txtEmployee->clear();
        setUserChosen(false);
    });
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

bool frmUserRights::Form_Load()
{
    txtEmployeeID->clear();
    txtEmployee->clear();
    chkSelectAll->setChecked(false);
    fmeUsers->hide();
    grdUsers->clear();
    grdUsers->setRowCount(0);
    m_storedRights.clear();
    setUserChosen(false);
    try {
        fillRightsList();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    txtEmployeeID->setFocus();
    return true;
}

void frmUserRights::fillRightsList()
{
    lstRights->clear();
    Recordset rs = LoadRightsItems(SharedConnection());
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QString description = rs.textAt(r, QStringLiteral("Description"));
        auto* item = new QListWidgetItem(description, lstRights);
        item->setData(Qt::UserRole, rs.textAt(r, QStringLiteral("ItemID")).trimmed());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void frmUserRights::setUserChosen(bool chosen)
{
    fraRights->setEnabled(chosen);
    cmdSave->setEnabled(chosen);
}

void frmUserRights::placeUsersFrame()
{
    fmeUsers->setGeometry(fraRights->geometry());
    fmeUsers->raise();
}

void frmUserRights::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (fmeUsers->isVisible()) placeUsersFrame();
}

bool frmUserRights::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (AccessKeys::isApostrophe(key)) return true;
    if (watched == txtEmployeeID) {
        if (AccessKeys::isEnter(key)) {
            cmdSearch_Click();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            const QTableWidgetItem* first = grdUsers->rowCount() > 0 ? grdUsers->item(0, 1) : nullptr;
            if (first && !first->text().isEmpty() && grdUsers->isEnabled()) {
                grdUsers->setCurrentCell(0, 1);
                grdUsers->setFocus();
            }
            return true;
        }
    }
    if (watched == grdUsers && AccessKeys::isEnter(key)) {
        grdUsers_DblClick();
        return true;
    }
    if (AccessKeys::pressedButton(watched, key)) return true;
    // Enter anywhere else does nothing (it must not press Save).
    return AccessKeys::isEnter(key) || QDialog::eventFilter(watched, event);
}

void frmUserRights::cmdSearch_Click()
{
    placeUsersFrame();
    fmeUsers->show();
    grdUsers->clear();
    grdUsers->setColumnCount(4);
    grdUsers->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("Employee Code"), QStringLiteral("Employee Name"), QStringLiteral("Position")});
    // captions and values show whole ("Employee Code" is wider than its column in the type used here)
    const int widths[4] = {80, 1200, 3000, 1900};
    auto fitColumns = [this, &widths] {
        for (int c = 0; c < 4; ++c) grdUsers->setColumnWidth(c, WholeColumnWidth(grdUsers, c, TwipsToPixels(widths[c])));
    };
    fitColumns();
    grdUsers->setRowCount(1);
    grdUsers->setEnabled(false);
    fmeUsers->setEnabled(false);
    try {
        Recordset rs = SearchNurseUsers(SharedConnection(), Session.CurrentStationID.toString().trimmed(), txtEmployeeID->text());
        if (rs.isEmpty()) return;
        grdUsers->setRowCount(rs.recordCount());
        for (int r = 0; r < rs.recordCount(); ++r)
            for (int c = 0; c < qMin(3, rs.fieldCount()); ++c)
                grdUsers->setItem(r, c + 1, new QTableWidgetItem(DbValue::text(rs.valueAt(r, c))));
        fitColumns();
        grdUsers->setEnabled(true);
        fmeUsers->setEnabled(true);
        grdUsers->setCurrentCell(0, 1);
        grdUsers->setFocus();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmUserRights::grdUsers_DblClick()
{
    const int row = grdUsers->currentRow();
    if (!grdUsers->isEnabled() || row < 0) return;
    const QTableWidgetItem* codeItem = grdUsers->item(row, 1);
    const QTableWidgetItem* nameItem = grdUsers->item(row, 2);
    const QString code = codeItem ? codeItem->text() : QString();
    if (code.trimmed().isEmpty()) return;
    QString rights;
    try {
        rights = ReadUserRightsText(SharedConnection(), code.trimmed());
    } catch (const std::exception& e) {
        // the window stays as it was: no ticks of another user under this user's name
        ShowErrorNotice(e);
        return;
    }
    txtEmployeeID->setText(code);
    txtEmployee->setText(nameItem ? nameItem->text() : QString());
    // Only the chosen user's rights are ticked.
    m_storedRights = rights;
    chkSelectAll->setChecked(false);
    const QStringList held = RightsOfText(rights);
    for (int i = 0; i < lstRights->count(); ++i) {
        QListWidgetItem* item = lstRights->item(i);
        item->setCheckState(held.contains(item->data(Qt::UserRole).toString()) ? Qt::Checked : Qt::Unchecked);
    }
    fmeUsers->hide();
    setUserChosen(true);
}

void frmUserRights::chkSelectAll_Click()
{
    const Qt::CheckState state = chkSelectAll->isChecked() ? Qt::Checked : Qt::Unchecked;
    for (int i = 0; i < lstRights->count(); ++i) lstRights->item(i)->setCheckState(state);
}

QStringList frmUserRights::listedIds() const
{
    QStringList ids;
    for (int i = 0; i < lstRights->count(); ++i) ids << lstRights->item(i)->data(Qt::UserRole).toString();
    return ids;
}

QStringList frmUserRights::tickedIds() const
{
    QStringList ids;
    for (int i = 0; i < lstRights->count(); ++i)
        if (lstRights->item(i)->checkState() == Qt::Checked) ids << lstRights->item(i)->data(Qt::UserRole).toString();
    return ids;
}

void frmUserRights::cmdSave_Click()
{
    if (!cmdSave->isEnabled()) return;
    const std::optional<ValidatedUser> validated = ValidateUser(); // no question: a refusal stops the save
    if (!validated) return;
    try {
        SaveUserRights(SharedConnection(), txtEmployeeID->text().trimmed(), BuildRightsText(tickedIds(), listedIds(), m_storedRights),
                       validated->userID);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    MsgBox(QStringLiteral("User rights updated."), vbOKOnly | vbInformation, QStringLiteral("Message"));
}

void frmUserRights::cmdClose_Click()
{
    accept();
}
