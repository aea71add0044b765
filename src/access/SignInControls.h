#pragma once
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>

// The headings and the two boxes both sign-in dialogs are made of: four captions (the first a bold
// title), the user ID and the masked access code.
inline void BuildSignInControls(QDialog* dialog, const char* const captions[4], QLabel* headings[4],
                                QLineEdit*& userId, QLineEdit*& accessCode)
{
    for (int i = 0; i < 4; ++i) headings[i] = new QLabel(QString::fromLatin1(captions[i]), dialog);
    QFont title = headings[0]->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    headings[0]->setFont(title);
    userId = new QLineEdit(dialog);
    userId->setObjectName(QStringLiteral("txtUserID"));
    accessCode = new QLineEdit(dialog);
    accessCode->setObjectName(QStringLiteral("txtAccessCode"));
    accessCode->setEchoMode(QLineEdit::Password);
}
