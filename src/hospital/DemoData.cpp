#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <algorithm>
#include <vector>

namespace {
struct Section {
    int order;
    QString name;
    DemoData::SectionFn fn;
};
std::vector<Section>& sections()
{
    static std::vector<Section> s;
    return s;
}
}

namespace DemoData {
void addSection(int order, const QString& name, SectionFn fn)
{
    sections().push_back({order, name, std::move(fn)});
}

void fill(Connection& conn, const DemoScale& scale)
{
    auto list = sections();
    std::stable_sort(list.begin(), list.end(), [](const Section& a, const Section& b) { return a.order < b.order; });
    TransactionGuard tx(conn);
    for (const auto& s : list) s.fn(conn, scale);
    tx.commit();
}

quint32 random(quint32& state)
{
    // xorshift32: small, fast and the same on every machine
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
}
