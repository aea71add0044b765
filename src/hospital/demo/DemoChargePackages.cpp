// What the charging entry's packages and professional fees need: the items of the department's
// packages (services, stock-room supplies, pharmacy medicines, consigned stents), a consigned
// package department with one package that has items and one that has none yet, and the fee
// tables of two doctors (active and inactive items, an item of no amount), and the charge slip counter.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void chargePackages(Connection& c, const DemoScale&)
{
    // The consigned packages' department: its own services, each linked to a consigned package
    // whose price stands in the department's own section (inactive there, so that it is never
    // charged as a service by itself).
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) SELECT 'CLConsignedPackagesRevenueID', 'CP', '1' "
                             "WHERE NOT EXISTS (SELECT 1 FROM STATION..tbNurseSetup WHERE Field = 'CLConsignedPackagesRevenueID')"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, LocationID, StockCardRevenueID, Status) "
                             "VALUES ('CP', 'CATHLAB CONSIGNED PACKAGES', '', '', 'A') ON CONFLICT DO NOTHING"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) "
                             "VALUES ('CP', 'CONSIGNED PACKAGES', 'A') ON CONFLICT DO NOTHING"));
    const QString service = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, FixRate, Status) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, NULL, NULL, 'Y', ?) ON CONFLICT DO NOTHING");
    c.execute(service, QVariantList{"CP", "CP101", "CONSIGNED DRUG-ELUTING STENT PACKAGE"} + DemoData::ClassRates(78000) + QVariantList{"A"});
    c.execute(service, QVariantList{"CP", "CP102", "CONSIGNED PACEMAKER LEAD PACKAGE"} + DemoData::ClassRates(56000) + QVariantList{"A"});
    c.execute(service, QVariantList{"CL", "CPKG-DES", "CONSIGNED DRUG-ELUTING STENT PACKAGE"} + DemoData::ClassRates(78000) + QVariantList{"I"});
    c.execute(service, QVariantList{"CL", "CPKG-LEAD", "CONSIGNED PACEMAKER LEAD PACKAGE"} + DemoData::ClassRates(56000) + QVariantList{"I"});
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLOtherPackageLink (PackageCode, NurseItemCode, Status) VALUES "
                             "('CPKG-DES', 'CP101', 'A'), ('CPKG-LEAD', 'CP102', 'A')"));
    // The item that stands for each consigned package on its rows; inactive here, so that the
    // department's own item list never loads it as one of the department's packages.
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES "
                             "('CPKG-DES', 'CP101', 'I'), ('CPKG-LEAD', 'CP102', 'I')"));

    // Package items: what each package includes, at its in-patient and cash out-patient price.
    const QString line = QStringLiteral(
        "INSERT INTO CLINICAL_AREA..tbCLPackageItems (PackageCode, LineNo, ItemID, RevenueID, Description, Quantity, PriceIn, "
        "PriceOut, LocationID, DosageID, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, NULL, 'A')");
    struct Line { const char *package, *item, *revenue, *description; int qty; double in, out; const char* location; };
    const Line lines[] = {
        {"PKG-RHC", "HS001", "HS", "ECG 12 LEADS", 1, 450, 450, ""},
        {"PKG-RHC", "SUP0002", "SR", "INTRODUCER SHEATH 6FR", 1, 2400, 2150, "35"},
        {"PKG-RHC", "SUP0003", "SR", "ANGIOGRAPHIC CATHETER 5FR", 2, 3200, 2900, "35"},
        {"PKG-RHC", "MED0201", "PH", "HEPARIN 5000IU/ML VIAL", 2, 410.75, 380, "20"},
        {"PKG-PTCA", "SUP0002", "SR", "INTRODUCER SHEATH 6FR", 1, 2400, 2150, "35"},
        {"PKG-PTCA", "SUP0004", "CU", "DRUG-ELUTING STENT 3.0X18", 2, 68000, 65000, "36"},
        {"PKG-PTCA", "MED0301", "PH", "IOHEXOL 350 100ML", 2, 2650, 2400, "20"},
        {"PKG-PTCA", "SUP0001", "CS", "GUIDE WIRE 0.035\"", 1, 1850, 1650, "21"},
        {"PKG-PTCA", "HS001", "HS", "ECG 12 LEADS", 1, 450, 450, ""},
        {"PKG-CAG", "SUP0002", "CS", "INTRODUCER SHEATH 6FR", 1, 2400, 2150, "21"},
        {"PKG-CAG", "MED0301", "PH", "IOHEXOL 350 100ML", 1, 2650, 2400, "20"},
        {"PKG-CAG", "MED0401", "PH", "LIDOCAINE 2% 5ML", 2, 85.5, 78, "20"},
        {"PKG-CAG", "HS001", "HS", "ECG 12 LEADS", 1, 450, 450, ""},
        {"PKG-PCI", "SUP0004", "CU", "DRUG-ELUTING STENT 3.0X18", 1, 68000, 65000, "36"},
        {"PKG-PCI", "SUP0001", "CS", "GUIDE WIRE 0.035\"", 1, 1850, 1650, "21"},
        {"PKG-PCI", "MED0201", "PH", "HEPARIN 5000IU/ML VIAL", 3, 410.75, 380, "20"},
        {"CPKG-DES", "SUP0004", "CU", "DRUG-ELUTING STENT 3.0X18", 1, 68000, 65000, "36"},
        {"CPKG-DES", "MED0201", "PH", "HEPARIN 5000IU/ML VIAL", 1, 410.75, 380, "20"},
    };
    int lineNo = 0;
    QString package;
    for (const Line& l : lines) {
        if (package != QLatin1String(l.package)) lineNo = 0;
        package = QString::fromLatin1(l.package);
        c.execute(line, {package, ++lineNo, QString::fromLatin1(l.item), QString::fromLatin1(l.revenue), QString::fromLatin1(l.description),
                         l.qty, l.in, l.out, QString::fromLatin1(l.location)});
    }
    // An item taken out of a package stays on file but is no longer listed.
    c.execute(QString(line).replace(QStringLiteral("'A')"), QStringLiteral("'I')")),
              {QStringLiteral("PKG-RHC"), 9, QStringLiteral("CBC"), QStringLiteral("LB"), QStringLiteral("COMPLETE BLOOD COUNT"), 1, 350, 350,
               QString()});

    // Doctors' own fee tables: only active items with an amount are offered.
    const QString fee = QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES (?, ?, ?, ?)");
    struct Fee { const char *doctor, *description; double amount; int status; };
    const Fee fees[] = {
        {"D007", "CORONARY ANGIOGRAPHY - OPERATOR", 25000, 1},
        {"D007", "PTCA - OPERATOR", 60000, 1},
        {"D007", "TEMPORARY PACEMAKER - OPERATOR", 15000.5, 1},
        {"D007", "CARDIAC CATHETERIZATION (OLD RATE)", 18000, 0},
        {"D004", "ANESTHESIA - CATH LAB CASE", 8500, 1},
        {"D004", "ANESTHESIA STANDBY", 0, 1},
    };
    for (const Fee& f : fees)
        c.execute(fee, {QString::fromLatin1(f.doctor), QString::fromLatin1(f.description), f.amount, f.status});
}

} // namespace

CATHLAB_DEMO_SECTION(433, "charging entry: package items, consigned packages, doctors' fee items, slip counter", chargePackages,
                     "CLINICAL_AREA..tbCLPackageItems");
