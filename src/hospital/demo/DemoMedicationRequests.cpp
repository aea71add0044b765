// What the medicine and supply requests need beyond the catalogues: medicines and supplies with
// numeric codes (typed without the pick list) in the pharmacy's and central supply's stock, one of
// each kind of warning, an inactive and an out-of-stock item, generics with their classes, the
// dosages, company prices and the transcription counter.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void medicationRequests(Connection& c, const DemoScale&)
{
    struct Item {
        const char *id, *name, *unit, *status, *location;
        int onHand;
        double in, out;
        int highAlert, refrigerated;
    };
    const Item items[] = {
        {"20101", "PARACETAMOL 500MG TAB", "TAB", "A", "20", 900, 4.5, 4, 0, 0},
        {"20102", "ASPIRIN 80MG TAB", "TAB", "A", "20", 600, 2.25, 2, 0, 0},
        {"20103", "CLOPIDOGREL 75MG TAB", "TAB", "A", "20", 300, 38, 35, 0, 0},
        {"20104", "POTASSIUM CHLORIDE 40MEQ/20ML", "AMP", "A", "20", 40, 95, 90, 1, 0},
        {"20105", "INSULIN REGULAR 100IU/ML VIAL", "VIAL", "A", "20", 15, 520, 495, 1, 1},
        {"20106", "ENOXAPARIN 40MG/0.4ML PFS", "PFS", "A", "20", 25, 610, 580, 0, 1},
        {"20107", "ATROPINE 1MG/ML AMP", "AMP", "I", "20", 30, 48, 45, 0, 0},
        {"20108", "NITROGLYCERIN 5MG/ML AMP", "AMP", "A", "20", 0, 780, 740, 0, 0},
        {"30101", "GAUZE PAD 4X4 STERILE", "PACK", "A", "21", 500, 12, 10, 0, 0},
        {"30102", "SYRINGE 10CC", "PC", "A", "21", 400, 8.5, 7.5, 0, 0},
        {"30103", "IV CANNULA G20", "PC", "A", "21", 150, 65, 60, 0, 0},
        {"30104", "ECG ELECTRODES (50S)", "PACK", "A", "21", 0, 450, 420, 0, 0},
        {"30105", "SURGICAL MASK (50S)", "BOX", "I", "21", 20, 180, 170, 0, 0},
    };
    for (const Item& i : items) {
        c.execute(QStringLiteral("INSERT INTO INVENTORY..TBINVMASTER (ItemID, ItemName, GenericName, ItemClassificationID, UnitOfMeasure, "
                                 "Status, HighAlert, Refrigerated) VALUES (?, ?, ?, NULL, ?, ?, ?, ?)"),
                  {QString::fromLatin1(i.id), QString::fromLatin1(i.name), QString::fromLatin1(i.name), QString::fromLatin1(i.unit),
                   QString::fromLatin1(i.status), i.highAlert, i.refrigerated});
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand, ReorderLevel) VALUES (?, ?, ?, 5)"),
                  {QString::fromLatin1(i.location), QString::fromLatin1(i.id), i.onHand});
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvSellingPrice (ItemID, SellingPriceIn, SellingPriceOut) VALUES (?, ?, ?)"),
                  {QString::fromLatin1(i.id), i.in, i.out});
    }
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvCompanyPrice (ItemID, LocationID, CompanyPrice) VALUES "
                             "('20103', '20', 34.5), ('20101', '20', 4), ('30103', '21', 58)"));
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvGeneric (GenericID, GenericName, ClassificationName, Status) VALUES "
                             "('9001', 'PARACETAMOL', 'ANALGESIC', 'A'), ('9002', 'CLOPIDOGREL', 'ANTIPLATELET', 'A'), "
                             "('9003', 'HEPARIN', 'ANTICOAGULANT', 'A'), ('9004', 'AMIODARONE', 'ANTIARRHYTHMIC', 'A'), "
                             "('9005', 'DOPAMINE', 'INOTROPE', 'I')"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency, Status) VALUES "
                             "('OD', 'ONCE A DAY', 1, 'A'), ('BID', 'TWICE A DAY', 2, 'A'), ('TID', 'THREE TIMES A DAY', 3, 'A'), "
                             "('QID', 'FOUR TIMES A DAY', 4, 'A'), ('Q6H', 'EVERY SIX HOURS', 4, 'A'), "
                             "('PRN', 'AS NEEDED', 1, 'A'), ('STAT', 'ONCE, NOW', 1, 'A')"));
    c.execute(QStringLiteral("INSERT INTO BILLING..tbAssessmentNum (AssessmentNum, CMAdvisenum) SELECT 1001, 1 "
                             "WHERE NOT EXISTS (SELECT 1 FROM BILLING..tbAssessmentNum)"));
}

} // namespace

CATHLAB_DEMO_SECTION(600, "medicine and supply requests: numeric items, generics, dosages, company prices", medicationRequests,
                     "INVENTORY..tbInvGeneric");
