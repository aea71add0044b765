#include "components/Component.h"

#include "platform/db/Connection.h"

#include <QHash>
#include <QSet>

namespace {
QHash<QString, ComponentFactory::Creator>& classes()
{
    static QHash<QString, ComponentFactory::Creator> c;
    return c;
}
QSet<QString>& unavailable()
{
    static QSet<QString> s;
    return s;
}
QStringList& trace()
{
    static QStringList t;
    return t;
}
QSet<QString>& refused()
{
    static QSet<QString> s;
    return s;
}
QList<Connection*>& connections()
{
    static QList<Connection*> c;
    return c;
}
}

namespace ComponentFactory {
void registerClass(const QString& progId, Creator creator) { classes().insert(progId.toLower(), std::move(creator)); }

Component* create(const QString& progId)
{
    const QString key = progId.toLower();
    if (unavailable().contains(key)) return nullptr;
    auto it = classes().constFind(key);
    if (it == classes().constEnd()) return nullptr;
    ComponentTrace::record(QStringLiteral("create ") + progId);
    return it.value()();
}

void setUnavailable(const QString& progId, bool on)
{
    if (on) unavailable().insert(progId.toLower());
    else unavailable().remove(progId.toLower());
}

QStringList registered() { return classes().keys(); }
}

namespace ComponentTrace {
void record(const QString& call) { trace() << call; }
QStringList calls() { return trace(); }
void clear() { trace().clear(); }
void setRefused(const QString& progId, bool on)
{
    if (on) refused().insert(progId.toLower());
    else refused().remove(progId.toLower());
}
bool isRefused(const QString& progId) { return refused().contains(progId.toLower()); }
}

namespace ConnectionRegistry {
void add(Connection* conn)
{
    if (conn && !connections().contains(conn)) connections().append(conn);
}
void remove(Connection* conn) { connections().removeAll(conn); }
Connection* find(const QString& cs)
{
    for (Connection* c : connections())
        if (c->connectionString() == cs) return c;
    return nullptr;
}
}
