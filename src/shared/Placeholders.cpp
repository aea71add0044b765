#include "shared/Placeholders.h"

#include "platform/ui/MessageBox.h"

void ShowWindowNotYetAvailable(const QString& windowCaption)
{
    MsgBox(QStringLiteral("\"%1\" is not yet available.").arg(windowCaption), vbInformation, QStringLiteral("Notification"));
}
