#include "shell/frmMessage.h"

#include "shared/modGlobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

QString frmMessage::designMessage()
{
    return QStringLiteral("  The request entered were not yet sent to the departments!") + QString(22, QLatin1Char(' ')) +
           QStringLiteral("Press Yes Button to send the request now") + QString(34, QLatin1Char(' ')) +
           QStringLiteral("Press No Button to cancel the request.");
}

frmMessage::frmMessage()
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(QStringLiteral("IMPORTANT MESSAGE"));
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    lblMessage = new QLabel(designMessage(), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setFixedWidth(330);
    QFont f = lblMessage->font();
    f.setBold(true);
    lblMessage->setFont(f);

    const char* captions[] = {"YES", "NO"};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption%1").arg(i));
        cmdOption[i]->setMinimumWidth(90);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
        buttons->addWidget(cmdOption[i]);
    }
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(lblMessage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
}

void frmMessage::showEvent(QShowEvent* event)
{
    // an answer of an earlier showing never counts: closed by the frame is "NO"
    PickedChoice = false;
    QDialog::showEvent(event);
}

void frmMessage::cmdOption_Click(int index)
{
    PickedChoice = index == 0;
    accept();
}
