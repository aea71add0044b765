#pragma once
#include <QString>

// The program folder: where the report definitions (Reports/) and the pictures (assets/) are.
// It is the executable's folder unless a test or the settings point elsewhere.
namespace ProgramFolder {
QString path();
void setPath(const QString& folder);
QString file(const QString& relative);
}
