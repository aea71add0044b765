#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Connection;

// An in-house component, created by its class name (ProgID) through the one factory.
class Component : public QObject {
    Q_OBJECT
public:
    explicit Component(const QString& progId) : m_progId(progId) {}
    const QString& progId() const { return m_progId; }

private:
    QString m_progId;
};

namespace ComponentFactory {
using Creator = std::function<Component*()>;
void registerClass(const QString& progId, Creator creator);
// The new component, or nullptr when no class is registered under that name (or it is switched
// off, see setUnavailable).
Component* create(const QString& progId);
template <class T>
T* createAs(const QString& progId) { return qobject_cast<T*>(create(progId)); }
// Tests take a class away to see the program's refusal, and give it back.
void setUnavailable(const QString& progId, bool unavailable);
QStringList registered();
}

// A trace of the calls the program makes on its components, in order ("clsDrug.InitConnect").
// Tests read it; it also makes a refused connection visible in the log when debugging.
namespace ComponentTrace {
void record(const QString& call);
QStringList calls();
void clear();
// A component whose connection call is refused answers False (tests of the connection chain).
void setRefused(const QString& progId, bool refused);
bool isRefused(const QString& progId);
}

// The run's connections by connection string, so that a component given only the string works
// on the same database (and the same open connection) as the program.
namespace ConnectionRegistry {
void add(Connection* conn);
void remove(Connection* conn);
Connection* find(const QString& connectionString);
}

struct ComponentRegistration {
    ComponentRegistration(const char* progId, ComponentFactory::Creator creator)
    {
        ComponentFactory::registerClass(QString::fromLatin1(progId), std::move(creator));
    }
};
#define CATHLAB_COMPONENT_CAT2(a, b) a##b
#define CATHLAB_COMPONENT_CAT(a, b) CATHLAB_COMPONENT_CAT2(a, b)
#define CATHLAB_COMPONENT(progId, Class) \
    static const ComponentRegistration CATHLAB_COMPONENT_CAT(s_component_, __COUNTER__)(progId, [] { return static_cast<Component*>(new Class(QStringLiteral(progId))); })
