#pragma once
#include <QVariantList>
#include <QString>
#include <functional>

class Connection;

// How big a demo hospital to make. The defaults give a small believable hospital for trying the
// program; benchmarks raise the counts.
struct DemoScale {
    int patients = 60;       // persons in the master file
    int admissions = 40;     // in-patient stays
    int outPatients = 30;    // out-patient visits
    int charges = 200;       // posted charge lines
    quint32 seed = 20261210; // the same seed makes the same hospital
};

// Each subsystem adds its own demo rows in a section of its own; sections run in order, and each
// one filled is recorded by name (CATHLAB..tbDemoSections), so a demo hospital made by an earlier
// build gets the sections added since.
namespace DemoData {
// Rate classes A to H of one price: A the dearest, each class 5% below the one before.
QVariantList ClassRates(double rateA);
using SectionFn = std::function<void(Connection&, const DemoScale&)>;
// marker: a table the section fills, which tells that a demo hospital made before sections were
// recorded has had it (a section without one is given to such a hospital).
void addSection(int order, const QString& name, SectionFn fn, const QString& marker = QString());
// Fills an empty hospital schema, all in one transaction.
void fill(Connection& conn, const DemoScale& scale = DemoScale());
// A demo hospital (one with a section recorded) that lacks a section of this program.
bool sectionsMissing(Connection& conn);
// Fills, in order, the sections a demo hospital lacks; nothing on a hospital that is not a demo.
void fillMissing(Connection& conn, const DemoScale& scale = DemoScale());
// A demo hospital made before sections were recorded: records each section whose marker table has rows.
void adoptFilledSections(Connection& conn);
// The name of the demo hospital.
QString hospitalName();
// The admission number of the i-th generated stay (from 1) and the visit number of the i-th
// generated out-patient visit: consecutive numbers that pass over those the demo's own patients
// hold, so a hospital of any scale gets unique numbers.
QString admissionNumber(int i);
QString outPatientNumber(int i);
// A small deterministic random source for the sections.
quint32 random(quint32& state);
}

struct DemoSectionRegistration {
    DemoSectionRegistration(int order, const char* name, DemoData::SectionFn fn, const char* marker = nullptr)
    {
        DemoData::addSection(order, QString::fromLatin1(name), std::move(fn), QString::fromLatin1(marker));
    }
};
#define CATHLAB_DEMO_CAT2(a, b) a##b
#define CATHLAB_DEMO_CAT(a, b) CATHLAB_DEMO_CAT2(a, b)
// CATHLAB_DEMO_SECTION(order, "name", fn) or CATHLAB_DEMO_SECTION(order, "name", fn, "DATABASE..marker")
#define CATHLAB_DEMO_SECTION(order, name, ...) \
    static const DemoSectionRegistration CATHLAB_DEMO_CAT(s_demo_section_, __COUNTER__)(order, name, __VA_ARGS__)
