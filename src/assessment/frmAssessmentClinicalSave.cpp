// Saving, reprinting and revoking clinical assessments.
#include "assessment/frmAssessmentClinical.h"

void frmAssessmentClinical::SaveClinicalAssessment() {}
void frmAssessmentClinical::MSHFlexList_DblClick() {}
void frmAssessmentClinical::cmdOption_Click(int) {}
