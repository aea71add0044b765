#include "shell/txtCommand.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

txtCommand::txtCommand(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("txtCommand"));
    shCommand = new QFrame(this);
    shCommand->setObjectName(QStringLiteral("shCommand"));
    shCommand->setStyleSheet(QStringLiteral("QFrame#shCommand { background:#dde6ee; border:1px solid #6a7f92; border-radius:4px; }"));
    lblCommand = new QLabel(this);
    lblCommand->setObjectName(QStringLiteral("lblCommand"));
    lblCommand->setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    lblCommand->setFont(f);
    resize(120, 28);
}

void txtCommand::setButtonName(const QString& name)
{
    m_buttonName = name;
    m_changed = true;
    lblCommand->setText(m_buttonName);
}

void txtCommand::UserControl_InitProperties() { m_buttonName = QStringLiteral("Command Name"); }

void txtCommand::UserControl_ReadProperties(const QVariantMap& bag)
{
    lblCommand->setText(m_buttonName);
    const QVariant stored = bag.value(QStringLiteral("ButtonName"));
    if (stored.isValid() && stored.canConvert<QString>()) m_buttonName = stored.toString();
}

void txtCommand::UserControl_WriteProperties(QVariantMap& bag) const
{
    bag.insert(QStringLiteral("ButtonName"), m_buttonName);
}

void txtCommand::showEvent(QShowEvent* event)
{
    lblCommand->setText(m_buttonName);
    QWidget::showEvent(event);
}

void txtCommand::resizeEvent(QResizeEvent* event)
{
    shCommand->setGeometry(rect());
    lblCommand->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void txtCommand::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
