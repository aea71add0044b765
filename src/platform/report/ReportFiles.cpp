#include "platform/report/ReportFiles.h"

#include <QDir>
#include <QFileInfo>

namespace ReportFiles {
QString normalized(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(p);
}

QString resolve(const QString& path)
{
    const QString p = normalized(path);
    if (p.isEmpty()) return {};
    if (QFileInfo(p).isFile()) return p;
    // Walk up to the deepest folder that exists as spelled, then down again part by part.
    QStringList missing;
    QFileInfo at(p);
    while (!at.exists()) {
        missing.prepend(at.fileName());
        const QString parent = at.path();
        if (parent == at.filePath() || parent.isEmpty()) return {};
        at = QFileInfo(parent);
    }
    QDir dir(at.filePath());
    for (int i = 0; i < missing.size(); ++i) {
        const bool last = i == missing.size() - 1;
        const QStringList entries = dir.entryList(last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot);
        QString match;
        for (const QString& e : entries)
            if (e.compare(missing[i], Qt::CaseInsensitive) == 0) { match = e; break; }
        if (match.isEmpty()) return {};
        if (last) return dir.filePath(match);
        dir.setPath(dir.filePath(match));
    }
    return {};
}
}
