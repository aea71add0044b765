#include "components/NurseActivity.h"

CATHLAB_COMPONENT("Nurse_activity.clsRequest", clsRequest);
CATHLAB_COMPONENT("Nurse_activity.clsResults", clsResults);
CATHLAB_COMPONENT("Nurse_activity.clsConfinement", clsConfinement);
CATHLAB_COMPONENT("Nurse_activity.clsConfinementResults", clsConfinementResults);
