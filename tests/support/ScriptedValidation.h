#pragma once
#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"

#include <QTest>
#include <QLineEdit>

// The next user validation is answered by typing this user ID and access code and pressing Enter;
// the dialog's PostOrCancel as it was shown goes to modeSeen when given (it must outlive the showing).
inline void queueValidationNotingMode(const QString& user, const QString& code, int* modeSeen)
{
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [user, code, modeSeen](QDialog* d) {
        auto* v = static_cast<frmTransaction_UserValidation*>(d);
        if (modeSeen) *modeSeen = v->PostOrCancel;
        QTest::keyClicks(v->txtUserID, user);
        QTest::keyClick(v->txtUserID, Qt::Key_Return);
        QTest::keyClicks(v->txtAccessCode, code);
        QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
    });
}

inline void queueValidationAs(const QString& user, const QString& code) { queueValidationNotingMode(user, code, nullptr); }
