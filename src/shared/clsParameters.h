#pragma once
#include <QString>

// The station's feature switches and revenue codes: the rows of STATION..tbNurseSetup in force.
// One instance for the run (StationParameters()); LoadParameters reloads it.
class clsParameters {
public:
    bool UseBFileFixRate() const { return m_UseBFileFixRate; }
    bool AllowInternationalRate() const { return m_AllowInternationalRate; }
    QString NewCSlipFormat() const { return m_NewCSlipFormat; }
    bool RequireCF4Discharge() const { return m_RequireCF4Discharge; }
    bool ShowCF4() const { return m_ShowCF4; }
    QString RequireCF4Start() const { return m_RequireCF4Start; }
    bool NoPNFByPass() const { return m_NoPNFByPass; }
    bool CheckPNF() const { return m_CheckPNF; }
    bool CheckRevokePackageRight() const { return m_CheckRevokePackageRight; }
    bool ShowSelectCensusFormat() const { return m_ShowSelectCensusFormat; }
    bool EnableWCResult() const { return m_EnableWCResult; }
    bool DontAllowINCPackage() const { return m_DontAllowINCPackage; }
    bool UseNewCLMarkUp() const { return m_UseNewCLMarkUp; }
    bool ClinAssessRequireDx() const { return m_ClinAssessRequireDx; }
    bool NoDirectReturnSupplies() const { return m_NoDirectReturnSupplies; }
    bool AllowPostReturnInCL() const { return m_AllowPostReturnInCL; }
    bool HidePackageItemPrice() const { return m_HidePackageItemPrice; }
    bool OnlyShowPackageCSlip() const { return m_OnlyShowPackageCSlip; }
    bool DontMixPackages() const { return m_DontMixPackages; }
    bool NoPackageRevoke() const { return m_NoPackageRevoke; }
    bool NoPackageItemExclude() const { return m_NoPackageItemExclude; }
    bool EnableOldPackageCharging() const { return m_EnableOldPackageCharging; }
    bool CLAllowRequestPersonalPx() const { return m_CLAllowRequestPersonalPx; }
    bool EditAmtMainRev() const { return m_EditAmtMainRev; }
    bool EnableCLSched() const { return m_EnableCLSched; }
    bool DontSaveResultToGenericTB() const { return m_DontSaveResultToGenericTB; }
    QString RegulatedDrugsClassID() const { return m_RegulatedDrugsClassID; }
    bool CheckS2LicenseForRegulatedDrugs() const { return m_CheckS2LicenseForRegulatedDrugs; }
    bool ByPassPersonalPostCharge() const { return m_ByPassPersonalPostCharge; }
    bool EnableCathLabRegistration() const { return m_EnableCathLabRegistration; }
    QString CLPackageAdjustmentRev() const { return m_CLPackageAdjustmentRev; }
    QString CLEquipmentRev() const { return m_CLEquipmentRev; }
    QString CLConsignedMedicinesRev() const { return m_CLConsignedMedicinesRev; }
    QString CLConsignedSuppliesRev() const { return m_CLConsignedSuppliesRev; }
    QString CLNHIMedicinesRev() const { return m_CLNHIMedicinesRev; }
    QString CLNHISuppliesRev() const { return m_CLNHISuppliesRev; }
    QString CLHospitalMedsRev() const { return m_CLHospitalMedsRev; }
    QString CLHospitalSuppliesRev() const { return m_CLHospitalSuppliesRev; }
    QString CustomHospitalName() const { return m_CustomHospitalName; }
    QString CustomHospitalAddress() const { return m_CustomHospitalAddress; }
    QString MainRevenueID() const { return m_MainRevenueID; }
    QString ConsignedPackagesRevenueID() const { return m_ConsignedPackagesRevenueID; }
    bool ShowDosagePostMedicines() const { return m_ShowDosagePostMedicines; }
    bool NurseClinicalAssessmentGetPF() const { return m_NurseClinicalAssessmentGetPF; }

    // Resets and reloads every setting. Database errors reach the caller; the settings then
    // keep what was applied up to the failing row.
    void LoadParameters();

private:
    void reset();
    void apply(const QString& name, const QString& value);

    bool m_UseBFileFixRate = false, m_AllowInternationalRate = false;
    QString m_NewCSlipFormat;
    bool m_RequireCF4Discharge = false, m_ShowCF4 = false;
    QString m_RequireCF4Start;
    bool m_NoPNFByPass = false, m_CheckPNF = false, m_CheckRevokePackageRight = false, m_ShowSelectCensusFormat = false,
         m_EnableWCResult = false, m_DontAllowINCPackage = false, m_UseNewCLMarkUp = false, m_ClinAssessRequireDx = false,
         m_NoDirectReturnSupplies = false, m_AllowPostReturnInCL = false, m_HidePackageItemPrice = false,
         m_OnlyShowPackageCSlip = false, m_DontMixPackages = false, m_NoPackageRevoke = false,
         m_NoPackageItemExclude = false, m_EnableOldPackageCharging = false, m_CLAllowRequestPersonalPx = false,
         m_EditAmtMainRev = false, m_EnableCLSched = false, m_DontSaveResultToGenericTB = false;
    QString m_RegulatedDrugsClassID;
    bool m_CheckS2LicenseForRegulatedDrugs = false, m_ByPassPersonalPostCharge = false, m_EnableCathLabRegistration = false;
    QString m_CLPackageAdjustmentRev, m_CLEquipmentRev, m_CLConsignedMedicinesRev, m_CLConsignedSuppliesRev,
        m_CLNHIMedicinesRev, m_CLNHISuppliesRev, m_CLHospitalMedsRev, m_CLHospitalSuppliesRev;
    QString m_CustomHospitalName, m_CustomHospitalAddress, m_MainRevenueID, m_ConsignedPackagesRevenueID;
    bool m_ShowDosagePostMedicines = false, m_NurseClinicalAssessmentGetPF = false;
};
