#include "components/Drugs.h"

CATHLAB_COMPONENT("prjDrugDLL.clsDrug", clsDrug);
CATHLAB_COMPONENT("prjListDrugs.clsListDrugs", clsListDrugs);
CATHLAB_COMPONENT("prjListDrugsByGeneric.clsListGeneric", clsListDrugs);
