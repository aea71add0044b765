#include "shell/frmSplash.h"

#include "shell/mdiCathLabMenu.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(520, 300);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QIcon(QStringLiteral(":/shell/announcer.svg")).pixmap(72, 84));
    lblTitle = new QLabel(QStringLiteral("Talvero"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setStyleSheet(QStringLiteral("color:#ffffff; font-size:30px; font-weight:bold;"));
    lblStation = new QLabel(QStringLiteral("Cath Laboratory  ") + mdiCathLabMenu::versionText(), this);
    lblStation->setObjectName(QStringLiteral("lblStation"));
    lblStation->setStyleSheet(QStringLiteral("color:#ffe9a8; font-size:17px; font-weight:bold;"));
    lblCompany = new QLabel(QStringLiteral("Hospital Information System - Station Client"), this);
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    lblCompany->setStyleSheet(QStringLiteral("color:#dfe8f0; font-size:12px;"));
    lblPlatform = new QLabel(QStringLiteral("for ") + QSysInfo::prettyProductName(), this);
    lblPlatform->setObjectName(QStringLiteral("lblPlatform"));
    lblPlatform->setStyleSheet(QStringLiteral("color:#b8c8d8; font-size:11px;"));

    auto* text = new QVBoxLayout;
    text->addStretch();
    text->addWidget(lblTitle);
    text->addWidget(lblStation);
    text->addSpacing(12);
    text->addWidget(lblCompany);
    text->addStretch();
    text->addWidget(lblPlatform);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(28, 24, 28, 18);
    row->addWidget(imgLogo, 0, Qt::AlignTop);
    row->addSpacing(18);
    row->addLayout(text, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmSplash::Form_Load()
{
    m_loaded = true;
    Timer1->setInterval(1000);
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    accept();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    // the station's own picture: the main window's background, darkened under the text
    QPainter p(this);
    QSvgRenderer(QStringLiteral(":/shell/background.svg")).render(&p, rect());
    p.fillRect(rect(), QColor(10, 30, 50, 150));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}
