#include "shared/WindowOpener.h"

#include "shared/patient/PatientContext.h"

#include <QHash>
#include <utility>

namespace WindowOpener {
namespace {
QHash<QString, Open>& openers()
{
    static QHash<QString, Open> all;
    return all;
}
}

Open install(const QString& window, Open open)
{
    Open before = openers().value(window);
    if (open) openers().insert(window, std::move(open));
    else openers().remove(window);
    return before;
}

bool open(const QString& window, const PatientContext& patient, const QStringList& args)
{
    const Open o = openers().value(window); // a copy: the opener may install others
    if (!o) return false;
    o(patient, args);
    return true;
}
}
