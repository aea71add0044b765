#include "shell/NotYetAvailable.h"

#include "platform/ui/MessageBox.h"

QString NotYetAvailableText(const QString& caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    return QStringLiteral("\"%1\" is not yet available at this station.").arg(name.trimmed());
}

void ShowNotYetAvailable(const QString& windowName, const QString& caption)
{
    Q_UNUSED(windowName);
    MsgBox(NotYetAvailableText(caption), vbOKOnly | vbInformation, QStringLiteral("Notification"));
}
