#pragma once
#include <QStringList>
#include <functional>

struct PatientContext;

// Opens a window of a subsystem the caller may not link: the folder that owns the window (or the
// main window above all of them) installs an opener under the window's name, and the caller asks
// for it by name with the patient it acts on. The arguments are the window's own (a tab, a caption).
namespace WindowOpener {
using Open = std::function<void(const PatientContext& patient, const QStringList& args)>;
// Installs (or, with an empty function, removes) the opener of a window; answers the one before,
// so that a test can put its own in and give the old one back.
Open install(const QString& window, Open open);
// False when no opener of that name is installed (the window is not part of this program).
bool open(const QString& window, const PatientContext& patient, const QStringList& args = {});
}
