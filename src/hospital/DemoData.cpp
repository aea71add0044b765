#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

#include <QSet>
#include <initializer_list>
#include <algorithm>
#include <vector>

namespace {
struct Section {
    int order;
    QString name;
    DemoData::SectionFn fn;
    QString marker;
};
std::vector<Section>& sections()
{
    static std::vector<Section> s;
    return s;
}
std::vector<Section> sectionsInOrder()
{
    auto list = sections();
    std::stable_sort(list.begin(), list.end(), [](const Section& a, const Section& b) { return a.order < b.order; });
    return list;
}
QSet<QString> recordedSections(Connection& conn)
{
    QSet<QString> out;
    Recordset rs = conn.query(QStringLiteral("SELECT SectionName FROM CATHLAB..tbDemoSections"));
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) out.insert(rs.text(QStringLiteral("SectionName")));
    return out;
}
void record(Connection& conn, const QString& name)
{
    conn.execute(QStringLiteral("INSERT INTO CATHLAB..tbDemoSections (SectionName, FilledOn) VALUES (?, GETDATE())"), {name});
}
void fillSections(Connection& conn, const DemoScale& scale, const QSet<QString>& skip)
{
    TransactionGuard tx(conn);
    for (const auto& s : sectionsInOrder()) {
        if (skip.contains(s.name)) continue;
        s.fn(conn, scale);
        record(conn, s.name);
    }
    tx.commit();
}
}

namespace DemoData {
void addSection(int order, const QString& name, SectionFn fn, const QString& marker)
{
    sections().push_back({order, name, std::move(fn), marker});
}

void fill(Connection& conn, const DemoScale& scale) { fillSections(conn, scale, {}); }

bool sectionsMissing(Connection& conn)
{
    const QSet<QString> done = recordedSections(conn);
    if (done.isEmpty()) return false;
    return std::any_of(sections().begin(), sections().end(), [&](const Section& s) { return !done.contains(s.name); });
}

void fillMissing(Connection& conn, const DemoScale& scale)
{
    const QSet<QString> done = recordedSections(conn);
    if (!done.isEmpty()) fillSections(conn, scale, done);
}

void adoptFilledSections(Connection& conn)
{
    const bool demo = DbValue::toLong(conn.scalar(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..TBHOSPITALINFO WHERE Company = ?"),
                                                  {hospitalName()})) > 0;
    if (!demo) return;
    for (const auto& s : sectionsInOrder()) {
        if (s.marker.isEmpty()) continue;
        if (!conn.query(QStringLiteral("SELECT 1 AS x FROM %1 LIMIT 1").arg(s.marker)).isEmpty()) record(conn, s.name);
    }
}

namespace {
struct Reserved {
    qint64 first, last;
};
// ranges in ascending order: each number from first to last belongs to a patient the demo sets up
qint64 passOver(int i, std::initializer_list<Reserved> ranges)
{
    qint64 n = i;
    for (const Reserved& r : ranges)
        if (n >= r.first) n += r.last - r.first + 1;
    return n;
}
}

QString admissionNumber(int i) { return QString::number(2026000000 + passOver(i, {{901, 903}, {900001, 900012}})); }

QString outPatientNumber(int i) { return QStringLiteral("%1B").arg(500000 + passOver(i, {{100901, 100901}, {400101, 400106}})); }

QString hospitalName() { return QStringLiteral("ST. BRIGID MEDICAL CENTER"); }

quint32 random(quint32& state)
{
    // xorshift32: small, fast and the same on every machine
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
}
