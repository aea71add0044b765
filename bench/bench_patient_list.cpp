// A last-name search of the general patient list that returns about 5,000 admissions, over a
// scaled demo hospital (200,000 patients): the window's whole search (statement, grid, colours,
// row entry, painting) side by side with the bare statement it sends, and the window's own part
// alone, each beside its raw floor. The README names the variables that set the scale.
#include "BenchRun.h"
#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListData.h"
#include "patients/frmSearch.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
ConnectionSettings g_db;
const QString kName = QStringLiteral("SANTOS");

void prepareDatabase()
{
    BenchScale defaults;
    defaults.patients = 200000;
    defaults.admissions = 140000;
    defaults.billingLines = 0;
    defaults.requests = 0;
    g_db = prepareScaledHospital(QStringLiteral("patient_list"), BenchScale::fromEnvironment(defaults), [](Connection& c, const BenchScale&) {
        c.execute(QStringLiteral("UPDATE STATION..tbNurseSetup SET value = '0' WHERE Field = 'EnableCathLabRegistration'"));
    });
}

void BM_BareStatement(benchmark::State& state)
{
    int rows = 0;
    timeAgainstFloor(state, [&] { rows = PatientListData::StationPatients(SharedConnection(), true, kName, QString(), QString()).recordCount(); });
    state.counters["rows"] = rows;
}

void BM_WindowSearch(benchmark::State& state)
{
    frmSearch* w = frmSearch::instance();
    w->show();
    QApplication::processEvents();
    w->txtSearch[0]->setText(kName);
    int rows = 0;
    timeAgainstFloor(state, [&] {
        w->Command1_Click();
        QApplication::processEvents(); // the grid is painted
        rows = w->MSHFlexList->Rows() - 1;
    });
    state.counters["rows"] = rows;
}

// The window's own part alone: the same search with the statement's result kept from before, so
// that only the grid, its colours, the row entry and the painting are timed.
void BM_WindowOnly(benchmark::State& state)
{
    const Recordset kept = PatientListData::StationPatients(SharedConnection(), true, kName, QString(), QString());
    ProcedureRegistry::add(QStringLiteral("STATION..sp_Get_CL_PatientList"),
                           [kept](Connection&, const ProcedureArgs&) { return kept; });
    frmSearch* w = frmSearch::instance();
    w->show();
    w->txtSearch[0]->setText(kName);
    int rows = 0;
    for (auto _ : state) {
        w->Command1_Click();
        QApplication::processEvents();
        rows = w->MSHFlexList->Rows() - 1;
    }
    state.counters["rows"] = rows;
}
}

BENCHMARK(BM_BareStatement)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowOnly)->Unit(benchmark::kMillisecond); // replaces the stand-in: keep it last

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, [] { startBenchRun(g_db); }); }
