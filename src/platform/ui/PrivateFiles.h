#pragma once
#include <QString>
#include <QStringList>

// Patient data stays with the workstation's user: what the program writes (the database, the
// settings, reports, pictures) is readable by that user alone.
namespace PrivateFiles {
// From here on, every file and folder this process creates (the program's own, SQLite's, Qt's)
// is its user's alone: files 0600, folders 0700. The program calls it first thing.
void RestrictNewFiles();
// Makes an existing file its user's alone: a file written over keeps its old mode otherwise.
bool KeepPrivate(const QString& path);
// The files of the list that exist and that users other than the owner may read.
QStringList ReadableByOthers(const QStringList& paths);
}
