#include "access/frmAccessCode.h"

#include "access/AccessKeys.h"
#include "access/frmUserRights.h"
#include "platform/ui/MessageBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString kUserRightsCode = QStringLiteral("QUILMOR");
}

frmAccessCode::frmAccessCode()
{
    setObjectName(QStringLiteral("frmAccessCode"));
    setWindowTitle(QStringLiteral("Access Code Entry"));
    setModal(true);
    lblHeading[0] = new QLabel(QStringLiteral("Access Code Entry"), this);
    QFont heading = lblHeading[0]->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    lblHeading[0]->setFont(heading);
    lblHeading[1] = new QLabel(QStringLiteral("Please sign in to access the system"), this);
    txtAccessCode = new QLineEdit(this);
    txtAccessCode->setObjectName(QStringLiteral("txtAccessCode"));
    txtAccessCode->setEchoMode(QLineEdit::Password);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading[0]);
    layout->addWidget(lblHeading[1]);
    layout->addWidget(txtAccessCode);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    txtAccessCode->installEventFilter(this);
}

void frmAccessCode::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        txtAccessCode->clear();
        txtAccessCode->setFocus();
    }
    QDialog::showEvent(event);
}

bool frmAccessCode::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtAccessCode && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (AccessKeys::isApostrophe(key)) return true;
        if (AccessKeys::isEnter(key)) {
            txtAccessCode_Enter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAccessCode::txtAccessCode_Enter()
{
    // A wrong code is ignored without a word.
    if (txtAccessCode->text().trimmed().toUpper() != kUserRightsCode) return;
    frmUserRights* rights = frmUserRights::instance();
    if (rights->Form_Load()) runModal(rights);
    accept();
}
