#include "components/StationComponents.h"

CATHLAB_COMPONENT("LabResultInquiry.Labresultviewer", Labresultviewer);
CATHLAB_COMPONENT("ActiveX100.KeyPress", KeyPress);
CATHLAB_COMPONENT("CodeSearchform.clsCodeSearch", clsCodeSearch);
CATHLAB_COMPONENT("ICD10.ICDCodeSearch", clsICDCodeSearch);
CATHLAB_COMPONENT("prjchargesliplistdll.clsChargeSlip", clsChargeSlip);
CATHLAB_COMPONENT("prjissuedmedsdll.clsIssuedMedicines", clsIssuedMedicines);
CATHLAB_COMPONENT("prjpatientdll.Patient", Patient);

#include "components/icd10/frmICD10Validation.h"
#include "platform/ui/MessageBox.h"

void clsICDCodeSearch::ValidateICDCode()
{
    ComponentTrace::record(QStringLiteral("ICDCodeSearch.ValidateICDCode"));
    frmICD10Validation dialog(m_conn);
    dialog.cmdSearch_Click(); // opens on the catalogue
    runModal(&dialog);
}
