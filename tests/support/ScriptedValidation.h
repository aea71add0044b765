#pragma once
#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"

#include <QTest>
#include <QLineEdit>

// The next user validation is answered by typing this user ID and access code and pressing Enter.
inline void queueValidationAs(const QString& user, const QString& code)
{
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [user, code](QDialog* d) {
        auto* v = static_cast<frmTransaction_UserValidation*>(d);
        QTest::keyClicks(v->txtUserID, user);
        QTest::keyClick(v->txtUserID, Qt::Key_Return);
        QTest::keyClicks(v->txtAccessCode, code);
        QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
    });
}
