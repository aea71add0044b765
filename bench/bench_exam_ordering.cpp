// Exam ordering over a scaled demo hospital (100,000 admissions, 1,000,000 requests, a laboratory
// catalogue of 5,000 exams): filling the workspace's pick lists and grids, loading the request
// status page of an admission with 500 requests, and saving an order of 20 exams.
// Each action is reported beside its raw floor; the README names the variables that set the scale.
#include "BenchRun.h"
#include "BulkFill.h"
#include "ordering/ExamOrderingData.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {
ConnectionSettings g_db;
QString g_busy; // the admission with 500 requests

qint64 admissionHistory(const BenchScale& scale)
{
    const QString given = qEnvironmentVariable("CATHLAB_BENCH_ADMISSION_REQUESTS");
    return qMin<qint64>(qMax<qint64>(0, scale.requests - 500), given.isEmpty() ? 35000 : given.toLongLong());
}

// A laboratory catalogue of 5,000 exams, and requests (CATHLAB_BENCH_REQUESTS, 1,000,000 by
// default): the first admission gets 500 with their log-book lines, the second (the one the save
// orders for) CATHLAB_BENCH_ADMISSION_REQUESTS processed ones (35,000 by default), the rest
// spread over all.
void fillRequests(Connection& c, const BenchScale& scale)
{
    const QString code = QStringLiteral("'X' || SUBSTR(CAST(10000 + n % 5000 AS VARCHAR(8)), 2, 4)");
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, LabSectionID, RateA, RateB, RateC, RateD, RateE, RateF, RateG, "
                  "RateH, Status) SELECT %1, 'SCALED LABORATORY EXAM ' || CAST(n AS VARCHAR(8)), "
                  "CASE n % 4 WHEN 0 THEN 'HEMA' WHEN 1 THEN 'CHEM' WHEN 2 THEN 'IMMU' ELSE 'MICR' END, "
                  "300, 290, 280, 270, 260, 250, 240, 230, 'A' FROM seq").arg(code),
              {5000});
    c.execute(BulkFill::series(c) + QStringLiteral("INSERT INTO STATION..tbNurseCommonExams (RevenueID, ExamID) SELECT 'LB', %1 FROM seq").arg(code),
              {5000});
    const int stays = BulkFill::numberStays(c, QStringLiteral("bench_stays"), QStringLiteral("PATIENT_DATA..tbPatient"));
    // the admission the save orders for has its own history of processed requests
    const qint64 history = admissionHistory(scale);
    const QString k = QStringLiteral("(CASE WHEN n < 500 THEN 0 WHEN n < %2 THEN 1 ELSE n % %1 END)").arg(stays).arg(500 + history);
    const QString number = QStringLiteral("'RB' || SUBSTR(CAST(10000000 + n AS VARCHAR(10)), 2, 7)");
    const QString status = QStringLiteral("CASE WHEN n >= 500 AND n < %1 THEN 'X' WHEN n % 3 = 0 THEN NULL WHEN n % 3 = 1 THEN 'X' ELSE 'R' END")
                               .arg(500 + history);
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, Quantity, RequestDate, "
                  "StationID, UserID, RecordStatus, Description) "
                  "SELECT %1, s.IDNum, s.HospNum, 'LB', %2, 1, %3, 'CL', 'CL001', %4, 'SCALED EXAM' FROM seq JOIN bench_stays s ON s.k = %5")
                  .arg(number, code, BulkFill::plusSeconds(c, QStringLiteral("n")), status, k),
              {scale.requests, QStringLiteral("2026-11-01 08:00:00")});
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, ProcessBy, ProcessDate, "
                  "ResultBy, ResultDate, StationID) "
                  "SELECT %1, s.IDNum, 'LB', %2, 1, %3, 'LB007', %4, CASE WHEN n % 2 = 1 THEN 'LB007' END, "
                  "CASE WHEN n % 2 = 1 THEN %5 END, 'CL' FROM seq JOIN bench_stays s ON s.k = 0")
                  .arg(number, code, QStringLiteral("CASE n % 3 WHEN 0 THEN '' WHEN 1 THEN 'X' ELSE 'R' END"),
                       BulkFill::plusSeconds(c, QStringLiteral("n + 600")), BulkFill::plusSeconds(c, QStringLiteral("n + 3600"))),
              {qMin<qint64>(500, scale.requests), QStringLiteral("2026-11-01 08:00:00"), QStringLiteral("2026-11-01 08:00:00")});
}

void prepareDatabase()
{
    BenchScale defaults;
    defaults.billingLines = 0;
    const BenchScale scale = BenchScale::fromEnvironment(defaults);
    g_db = prepareScaledHospital(QStringLiteral("exam_ordering_h%1").arg(admissionHistory(scale)), scale, fillRequests);
}

void startRun()
{
    startBenchRun(g_db);
    g_busy = SharedConnection().query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 1")).text(QStringLiteral("IDNum"));
}

void BM_LoadWorkspaceLists(benchmark::State& state)
{
    frmFinal* w = frmFinal::instance();
    timeAgainstFloor(state, [&] { w->Form_Initialize(); });
    state.counters["lab entries"] = w->lstListLaboratory->count();
}

void BM_LoadRequestStatus500(benchmark::State& state)
{
    frmFinal* w = frmFinal::instance();
    w->txtID->blockSignals(true);
    w->txtID->setText(g_busy);
    w->txtID->blockSignals(false);
    timeAgainstFloor(state, [&] { w->LoadRequestStatus(); });
    state.counters["pending"] = w->mshflexProcessed[1]->Rows() - 1;
    state.counters["processed"] = w->mshflexProcessed[0]->Rows() - 1;
}

void BM_SaveOrders20(benchmark::State& state)
{
    QList<OrdersGrid::Order> orders;
    for (int i = 0; i < 20; ++i) {
        OrdersGrid::Order o;
        o.dept = i % 2 ? QStringLiteral("LB") : QStringLiteral("XR");
        o.code = i % 2 ? QStringLiteral("X%1").arg(i, 4, 10, QLatin1Char('0')) : QStringLiteral("CXRPA");
        o.qty = QStringLiteral("1");
        o.amount = QStringLiteral(" 300");
        o.stat = QStringLiteral("N");
        o.specimen = QStringLiteral("0");
        orders << o;
    }
    ExamOrderingData::SaveInput in;
    // Another admission: the busy one keeps its 500 requests for the status benchmark.
    in.idNum = SharedConnection()
                   .query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 1 OFFSET 1"))
                   .text(QStringLiteral("IDNum"));
    in.userId = QStringLiteral("CL001");
    in.stationId = QStringLiteral("CL");
    in.session = ExamOrderingData::WorkstationSession();
    in.lbDirect = true;
    // each save is rolled back, so the admission's requests stay as built and the floor replays the same statements
    timeAgainstFloor(state, [&] { ExamOrderingData::SaveOrders(SharedConnection(), in, orders); }, true);
}
} // namespace

BENCHMARK(BM_LoadWorkspaceLists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRequestStatus500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveOrders20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, startRun); }
