#pragma once
#include "components/Component.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

#include <memory>

// The code search and the drug catalogue of the run, on the test's connection, as start-up makes
// them; taken away again when the object ends.
struct ChargingComponents {
    explicit ChargingComponents(Connection& c)
        : search(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch"))),
          drugs(ComponentFactory::createAs<clsDrug>(QStringLiteral("prjDrugDLL.clsDrug")))
    {
        search->setConnection(&c);
        Session.CodeSearch = search.get();
        drugs->setConnection(&c);
        Session.DrugCatalog = drugs.get();
    }
    ~ChargingComponents()
    {
        Session.CodeSearch = nullptr;
        Session.DrugCatalog = nullptr;
    }
    std::unique_ptr<clsCodeSearch> search;
    std::unique_ptr<clsDrug> drugs;
};
