#include "shell/settings/RvsPickerHost.h"

#include "platform/ui/MessageBox.h"
#include "procedure_report/RvsPickerLink.h"
#include "shared/modGlobals.h"
#include "shell/settings/RvsData.h"
#include "shell/settings/frmPHICRVS.h"

void InstallRvsPickerLink()
{
    RvsPickerLink::install(
        [](const QString& key, const QString& examID) {
            frmPHICRVS picker;
            picker.setSetKey(key);
            picker.setSetNursePackageCode(examID);
            runModal(&picker);
            return RvsPickerLink::Choice{picker.PHICCode(), picker.PHICDescription()};
        },
        [](const QString& code) { return GetRVSDescription(SharedConnection(), code); });
}
