#include "platform/ui/PrivateFiles.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace PrivateFiles {

void RestrictNewFiles()
{
#ifdef Q_OS_UNIX
    umask(S_IRWXG | S_IRWXO);
#endif
}

bool KeepPrivate(const QString& path)
{
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

QStringList ReadableByOthers(const QStringList& paths)
{
    QStringList readable;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isFile() && (info.permissions() & (QFile::ReadGroup | QFile::ReadOther))) readable << path;
    }
    return readable;
}

} // namespace PrivateFiles
