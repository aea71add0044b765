#include "platform/text/LocalTimeZone.h"

#include <QFile>
#include <QtGlobal>
#include <ctime>

void PinLocalTimeZone()
{
    if (qEnvironmentVariableIsSet("TZ")) return;
    // ":/etc/localtime" is the zone the C library would read anyway, now named, so it is read once
    if (QFile::exists(QStringLiteral("/etc/localtime"))) qputenv("TZ", ":/etc/localtime");
    tzset();
}
