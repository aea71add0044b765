#include "platform/ui/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overridePath()
{
    static QString p;
    return p;
}
}

namespace ProgramFolder {
QString path()
{
    if (!overridePath().isEmpty()) return overridePath();
    return QCoreApplication::applicationDirPath();
}
void setPath(const QString& folder) { overridePath() = folder; }
QString file(const QString& relative) { return QDir(path()).filePath(relative); }
}
