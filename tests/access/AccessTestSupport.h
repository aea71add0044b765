#pragma once
// Scripting the access dialogs in tests: what a person types, then Enter in the access code.
#include "access/QtPrint.h"
#include "access/frmCMRemarks.h"
#include "access/frmSupervisorAccessCode.h"
#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "support/TestDatabase.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace AccessTest {

// Types a text key by key; letters beyond ASCII go as the key events a keyboard sends for them.
inline void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) QTest::keyClick(w, char(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

inline const QString kUnauthorized = QStringLiteral("Unauthorized user for this department(CL-CATH LABORATORY)");

// The next user validation: user ID and code typed, the reason typed (cancelling mode), Enter.
inline void queueValidation(const QString& user, const QString& code, const QString& reason = QString())
{
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [=](QDialog* d) {
        auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
        typeText(dlg->txtUserID, user);
        QTest::keyClick(dlg->txtUserID, Qt::Key_Return);
        typeText(dlg->txtAccessCode, code);
        if (!reason.isEmpty()) QTest::keyClicks(dlg->txtRemarks, reason);
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
    });
}

inline void queueSupervisor(const QString& user, const QString& code)
{
    UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [=](QDialog* d) {
        auto* dlg = static_cast<frmSupervisorAccessCode*>(d);
        typeText(dlg->txtUserID, user);
        QTest::keyClick(dlg->txtUserID, Qt::Key_Return);
        typeText(dlg->txtAccessCode, code);
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
    });
}

inline int showValidation(int postOrCancel = 0)
{
    frmTransaction_UserValidation::instance()->PostOrCancel = postOrCancel;
    return runModal(frmTransaction_UserValidation::instance());
}

inline int showSupervisor() { return runModal(frmSupervisorAccessCode::instance()); }

inline bool isErrorNotice(const ShownMessage& m)
{
    return m.title == QStringLiteral("Notification") &&
           m.text.endsWith(QStringLiteral("\r\n\r\nPlease notify your IT department."));
}

}
