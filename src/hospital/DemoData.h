#pragma once
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

// Each subsystem adds its own demo rows in a section of its own; sections run in order.
namespace DemoData {
using SectionFn = std::function<void(Connection&, const DemoScale&)>;
void addSection(int order, const QString& name, SectionFn fn);
// Fills an empty hospital schema, all in one transaction.
void fill(Connection& conn, const DemoScale& scale = DemoScale());
// A small deterministic random source for the sections.
quint32 random(quint32& state);
}

struct DemoSectionRegistration {
    DemoSectionRegistration(int order, const char* name, DemoData::SectionFn fn)
    {
        DemoData::addSection(order, QString::fromLatin1(name), std::move(fn));
    }
};
#define CATHLAB_DEMO_CAT2(a, b) a##b
#define CATHLAB_DEMO_CAT(a, b) CATHLAB_DEMO_CAT2(a, b)
#define CATHLAB_DEMO_SECTION(order, name, fn) \
    static const DemoSectionRegistration CATHLAB_DEMO_CAT(s_demo_section_, __COUNTER__)(order, name, fn)
