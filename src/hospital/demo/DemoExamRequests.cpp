// Catalogue rows that the exam request entry needs beyond the exam catalogues: the services of
// the other requesting sections (MRI, centre for women), an exam without prices, and specimen
// links that show the picker's every case.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>
#include <cmath>

namespace {

void examRequests(Connection& c, const DemoScale&)
{
    const QString svc = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, FixRate, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'Y', 'A') ON CONFLICT DO NOTHING");
    struct Service { const char *section, *id, *name; double rate; };
    const Service services[] = {
        {"MI", "MRI001", "MRI OF THE HEART (CARDIAC MRI)", 18500}, {"MI", "MRI002", "MRI OF THE BRAIN WITH CONTRAST", 16000},
        {"MI", "MRI003", "MR ANGIOGRAPHY OF THE AORTA", 21000},    {"WC", "WC001", "TRANSVAGINAL ULTRASOUND", 1800},
        {"WC", "WC002", "MAMMOGRAPHY (BILATERAL)", 2600},
    };
    for (const Service& s : services) {
        QVariantList v{QString::fromLatin1(s.section), QString::fromLatin1(s.id), QString::fromLatin1(s.name)};
        for (int k = 0; k < 8; ++k) v << std::round(s.rate * (1.0 - 0.05 * k) * 100.0) / 100.0;
        c.execute(svc, v);
    }
    // A send-out exam the laboratory has not priced yet: it can be typed but never completes.
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, LabSectionID, IsProfile, Stat, "
                             "IsProcedure, OpenQuantity, Status) VALUES ('SENDOUT', 'SEND-OUT SPECIAL ASSAY', 'IMMU', 0, '', 0, 0, 'A') "
                             "ON CONFLICT DO NOTHING"));
    // An exam whose specimen code the specimen table does not know (the picker shows "NONE").
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, LabSectionID, IsProfile, Stat, "
                             "IsProcedure, OpenQuantity, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, Status) "
                             "VALUES ('ESR', 'ERYTHROCYTE SEDIMENTATION RATE', 'HEMA', 0, '', 0, 0, 180, 171, 162, 153, 144, "
                             "135, 126, 117, 'A') ON CONFLICT DO NOTHING"));
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExamSpecimen (LabExamID, SpecimenID) VALUES ('ESR', 'ESRT') "
                             "ON CONFLICT DO NOTHING"));
}

} // namespace

CATHLAB_DEMO_SECTION(270, "exam request entry: other sections and special exams", examRequests);
