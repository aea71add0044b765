#include "shared/WorkspaceLink.h"

#include "platform/db/DbError.h"

#include <utility>

namespace {
WorkspaceLink::Loader& loader()
{
    static WorkspaceLink::Loader l;
    return l;
}
}

namespace WorkspaceLink {
Loader setLoader(Loader l) { return std::exchange(loader(), std::move(l)); }
bool available() { return bool(loader()); }
Controls workspace()
{
    if (!loader()) throw DbError(QStringLiteral("The procedures workspace is not part of this program."));
    Controls c = loader()();
    if (!c.window || !c.txtID || !c.rtbClinical)
        throw DbError(QStringLiteral("The procedures workspace could not be loaded."));
    return c;
}
}
