#include "shared/clsParameters.h"

#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

#include <QHash>

namespace {
// Blanks (spaces) only, as the settings are trimmed; a tab or line break stays.
QString trimBlanks(const QString& s)
{
    int a = 0, b = int(s.size());
    while (a < b && s[a] == QLatin1Char(' ')) ++a;
    while (b > a && s[b - 1] == QLatin1Char(' ')) --b;
    return s.mid(a, b - a);
}

enum class Kind { Flag, Text, Trimmed, TextWhenNotEmpty };
struct Setting {
    Kind kind;
    bool clsParameters::* flag = nullptr;
    QString clsParameters::* text = nullptr;
};
}

// Each setting by its field name, with how its value is taken.
void clsParameters::apply(const QString& name, const QString& value)
{
    static const QHash<QString, Setting> table = [] {
        QHash<QString, Setting> t;
        auto flag = [&t](const char* n, bool clsParameters::* m) { t.insert(QString::fromLatin1(n), {Kind::Flag, m, nullptr}); };
        auto text = [&t](const char* n, Kind k, QString clsParameters::* m) { t.insert(QString::fromLatin1(n), {k, nullptr, m}); };
        flag("NurseUseBFileFixRate", &clsParameters::m_UseBFileFixRate);
        flag("CLAllowInternationalRate", &clsParameters::m_AllowInternationalRate);
        text("CSlipFormat", Kind::TextWhenNotEmpty, &clsParameters::m_NewCSlipFormat);
        flag("CLRequireCF4Discharge", &clsParameters::m_RequireCF4Discharge);
        flag("CLShowCF4", &clsParameters::m_ShowCF4);
        text("CF4RequireStart", Kind::TextWhenNotEmpty, &clsParameters::m_RequireCF4Start);
        flag("NoPNFByPass", &clsParameters::m_NoPNFByPass);
        flag("CheckPNF", &clsParameters::m_CheckPNF);
        flag("CLCheckRevokePackageRight", &clsParameters::m_CheckRevokePackageRight);
        flag("CLShowSelectCensusFormat", &clsParameters::m_ShowSelectCensusFormat);
        flag("EnableWCResult", &clsParameters::m_EnableWCResult);
        flag("CLDontAllowINCPackage", &clsParameters::m_DontAllowINCPackage);
        flag("UseNewCLMarkUp", &clsParameters::m_UseNewCLMarkUp);
        flag("ClinAssessRequireDx", &clsParameters::m_ClinAssessRequireDx);
        flag("NoDirectReturnSupplies", &clsParameters::m_NoDirectReturnSupplies);
        flag("CLAllowPostReturn", &clsParameters::m_AllowPostReturnInCL);
        flag("HidePackageItemPrice", &clsParameters::m_HidePackageItemPrice);
        flag("OnlyShowPackageCSlip", &clsParameters::m_OnlyShowPackageCSlip);
        flag("DontMixPackages", &clsParameters::m_DontMixPackages);
        flag("NoPackageRevoke", &clsParameters::m_NoPackageRevoke);
        flag("NoPackageItemExclude", &clsParameters::m_NoPackageItemExclude);
        flag("CLEnableOldPackageCharging", &clsParameters::m_EnableOldPackageCharging);
        flag("CLAllowRequestPersonalPx", &clsParameters::m_CLAllowRequestPersonalPx);
        flag("CLEditAmtMainRev", &clsParameters::m_EditAmtMainRev);
        flag("EnableCLSched", &clsParameters::m_EnableCLSched);
        flag("CLDontSaveResultToGenericTB", &clsParameters::m_DontSaveResultToGenericTB);
        text("RegulatedDrugsClassID", Kind::Trimmed, &clsParameters::m_RegulatedDrugsClassID);
        flag("CLRegularDrugsPostCharge", &clsParameters::m_CheckS2LicenseForRegulatedDrugs);
        flag("CLByPassPersonalPostCharge", &clsParameters::m_ByPassPersonalPostCharge);
        flag("EnableCathLabRegistration", &clsParameters::m_EnableCathLabRegistration);
        text("CLPackageAdjustmentRev", Kind::Trimmed, &clsParameters::m_CLPackageAdjustmentRev);
        text("CLEquipmentRev", Kind::Trimmed, &clsParameters::m_CLEquipmentRev);
        text("CLConsignedMedicinesRev", Kind::Trimmed, &clsParameters::m_CLConsignedMedicinesRev);
        text("CLConsignedSuppliesRev", Kind::Trimmed, &clsParameters::m_CLConsignedSuppliesRev);
        text("CLNHIMedicinesRev", Kind::Trimmed, &clsParameters::m_CLNHIMedicinesRev);
        text("CLNHISuppliesRev", Kind::Trimmed, &clsParameters::m_CLNHISuppliesRev);
        text("CLHospitalMedsRev", Kind::Trimmed, &clsParameters::m_CLHospitalMedsRev);
        text("CLHospitalSuppliesRev", Kind::Trimmed, &clsParameters::m_CLHospitalSuppliesRev);
        text("CLCustomHospitalName", Kind::Text, &clsParameters::m_CustomHospitalName);
        text("CLCustomHospitalAddress", Kind::Text, &clsParameters::m_CustomHospitalAddress);
        text("CathLabMainRevenueID", Kind::Text, &clsParameters::m_MainRevenueID);
        text("CLConsignedPackagesRevenueID", Kind::Trimmed, &clsParameters::m_ConsignedPackagesRevenueID);
        flag("CLShowDosagePostMedicines", &clsParameters::m_ShowDosagePostMedicines);
        flag("NurseClinicalAssessmentGetPF", &clsParameters::m_NurseClinicalAssessmentGetPF);
        return t;
    }();

    // Not a property: goes to the shared variable, and only ever sets it.
    if (name == QLatin1String("CathlabAllowEditAmount")) {
        if (value == QLatin1String("1")) Session.AllowEditAmount = true;
        return;
    }
    auto it = table.constFind(name); // exact and case-sensitive
    if (it == table.constEnd()) return;
    const Setting& s = it.value();
    switch (s.kind) {
    case Kind::Flag:
        if (value == QLatin1String("1")) this->*(s.flag) = true;
        break;
    case Kind::Text: this->*(s.text) = value; break;
    case Kind::Trimmed: this->*(s.text) = trimBlanks(value); break;
    case Kind::TextWhenNotEmpty:
        if (!value.isEmpty()) this->*(s.text) = value;
        break;
    }
}

void clsParameters::reset()
{
    const bool keepWC = m_EnableWCResult;
    const clsParameters fresh;
    *this = fresh;
    m_EnableWCResult = keepWC;
    m_MainRevenueID = QStringLiteral("CL");
}

void clsParameters::LoadParameters()
{
    reset();
    Recordset rs = SharedConnection().query(QStringLiteral("select Field,value  from STATION..tbNurseSetup where status = '1'"));
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        apply(rs.text(QStringLiteral("Field")), rs.text(QStringLiteral("value")));
}
