#include "components/login/frmLogin.h"

#include "components/login/clsCurrentuser.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLogin::frmLogin(clsCurrentuser* owner, QWidget* parent) : QDialog(parent), m_owner(owner)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Talvero - Log In"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("<b>CATH LABORATORY</b><br>Please sign in."), this);
    txtUserID = new QLineEdit(this);
    txtUserID->setObjectName(QStringLiteral("txtUserID"));
    txtUserID->setMaxLength(20);
    txtAccessCode = new QLineEdit(this);
    txtAccessCode->setObjectName(QStringLiteral("txtAccessCode"));
    txtAccessCode->setEchoMode(QLineEdit::Password);
    txtAccessCode->setMaxLength(50);
    lblDatabase = new QLabel(this);
    lblDatabase->setWordWrap(true);
    lblDatabase->setStyleSheet(QStringLiteral("color: #555;"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("User ID"), txtUserID);
    form->addRow(QStringLiteral("Access Code"), txtAccessCode);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(lblDatabase);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtUserID->installEventFilter(this);

    try {
        const LoginSettings& s = m_owner->settings();
        QString text = QStringLiteral("Database: %1").arg(s.connection.describe());
        if (s.wasCreated) text += QStringLiteral("\nA new settings file was written: %1").arg(s.file);
        lblDatabase->setText(text);
    } catch (const std::exception& e) {
        lblDatabase->setText(QString::fromStdString(e.what()));
    }
    resize(360, sizeHint().height());
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the user ID goes on to the access code.
    if (watched == txtUserID && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            txtAccessCode->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLogin::cmdOK_Click()
{
    const QString failure = m_owner->logIn(txtUserID->text(), txtAccessCode->text());
    if (failure.isEmpty()) {
        accept();
        return;
    }
    if (!m_owner->sqlConnection()) {
        // the database could not be reached: the program ends
        reject();
        return;
    }
    txtAccessCode->clear();
    txtUserID->setFocus();
    txtUserID->selectAll();
}
