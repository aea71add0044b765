// Exam ordering over a scaled demo hospital (100,000 admissions, 1,000,000 requests, a laboratory
// catalogue of 5,000 exams): filling the workspace's pick lists and grids, loading the request
// status page of an admission with 500 requests, and saving an order of 20 exams.
// CATHLAB_BENCH_DB=file keeps the hospital between runs.
#include "BenchRun.h"
#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "ordering/ExamOrderingData.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
QString g_file;
QString g_busy; // the admission with 500 requests

void prepareDatabase()
{
    bool fresh = false;
    auto c = openBenchDatabase(g_file, fresh);
    if (!fresh) return;
    QElapsedTimer t;
    t.start();
    HospitalSchema::create(*c);
    DemoScale scale;
    scale.patients = 60000;
    scale.admissions = 100000;
    scale.outPatients = 2000;
    DemoData::fill(*c, scale);
    c->beginTrans();
    const QString lab = QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, LabSectionID, RateA, RateB, RateC, "
                                       "RateD, RateE, RateF, RateG, RateH, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'A')");
    const char* sections[] = {"HEMA", "CHEM", "IMMU", "MICR"};
    for (int i = 0; i < 5000; ++i) {
        const QString id = QStringLiteral("X%1").arg(i, 4, 10, QLatin1Char('0'));
        c->execute(lab, {id, QStringLiteral("SCALED LABORATORY EXAM %1").arg(i), QString::fromLatin1(sections[i % 4]), 300, 290, 280,
                         270, 260, 250, 240, 230});
        c->execute(QStringLiteral("INSERT INTO STATION..tbNurseCommonExams (RevenueID, ExamID) VALUES ('LB', ?)"), {id});
    }
    const Recordset ids = c->query(QStringLiteral("SELECT IDNum, HospNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum"));
    g_busy = ids.textAt(0, QStringLiteral("IDNum"));
    const QString req = QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, "
                                       "Quantity, RequestDate, StationID, UserID, RecordStatus, Description) "
                                       "VALUES (?, ?, ?, ?, ?, 1, ?, 'CL', 'CL001', ?, ?)");
    const QString log = QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, "
                                       "ProcessBy, ProcessDate, ResultBy, ResultDate, StationID) VALUES (?, ?, 'LB', ?, 1, ?, 'LB007', ?, ?, ?, 'CL')");
    const QDateTime at(QDate(2026, 11, 1), QTime(8, 0));
    const char* status[] = {"", "X", "R"};
    for (int n = 0; n < 1000000; ++n) {
        // The first admission gets 500 requests with their log-book lines; the rest spread over all.
        const int row = n < 500 ? 0 : n % ids.recordCount();
        const QString no = QStringLiteral("RB%1").arg(n, 7, 10, QLatin1Char('0'));
        const QString st = QString::fromLatin1(status[n % 3]);
        const QString item = QStringLiteral("X%1").arg(n % 5000, 4, 10, QLatin1Char('0'));
        c->execute(req, {no, ids.textAt(row, QStringLiteral("IDNum")), ids.textAt(row, QStringLiteral("HospNum")), QStringLiteral("LB"),
                         item, at.addSecs(n), st.isEmpty() ? QVariant() : QVariant(st), QStringLiteral("SCALED EXAM")});
        if (n < 500)
            c->execute(log, {no, ids.textAt(row, QStringLiteral("IDNum")), item, st, at.addSecs(n + 600),
                             n % 2 ? QVariant(QStringLiteral("LB007")) : QVariant(), n % 2 ? QVariant(at.addSecs(n + 3600)) : QVariant()});
    }
    c->commitTrans();
    c->execute(QStringLiteral("ANALYZE"));
    std::printf("scaled hospital filled in %.1f s\n", t.elapsed() / 1000.0);
}

void startRun()
{
    startBenchRun(g_file);
    if (g_busy.isEmpty())
        g_busy = SharedConnection().query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 1")).text(QStringLiteral("IDNum"));
}

void BM_LoadWorkspaceLists(benchmark::State& state)
{
    frmFinal* w = frmFinal::instance();
    for (auto _ : state) w->Form_Initialize();
    state.counters["lab entries"] = w->lstListLaboratory->count();
}

void BM_LoadRequestStatus500(benchmark::State& state)
{
    frmFinal* w = frmFinal::instance();
    w->txtID->blockSignals(true);
    w->txtID->setText(g_busy);
    w->txtID->blockSignals(false);
    for (auto _ : state) w->LoadRequestStatus();
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
    for (auto _ : state) ExamOrderingData::SaveOrders(SharedConnection(), in, orders);
}
} // namespace

BENCHMARK(BM_LoadWorkspaceLists)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadRequestStatus500)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveOrders20)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareDatabase();
    startRun();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
