#pragma once
#include "components/Component.h"

class Connection;

// A component that works on the run's database, reached through the connection object or the
// connection string that start-up hands it.
class ConnectedComponent : public Component {
    Q_OBJECT
public:
    using Component::Component;
    Connection* connection() const { return m_conn; }
    bool isConnected() const { return m_conn != nullptr; }

protected:
    // Records the call, then connects; False when refused or when the string names no open
    // connection of this run.
    bool connectByString(const QString& call, const QString& connectionString);
    bool connectTo(const QString& call, Connection* conn);

    Connection* m_conn = nullptr;
};

