#include "components/ConnectedComponent.h"

bool ConnectedComponent::connectByString(const QString& call, const QString& connectionString)
{
    return connectTo(call, ConnectionRegistry::find(connectionString));
}

bool ConnectedComponent::connectTo(const QString& call, Connection* conn)
{
    ComponentTrace::record(call);
    if (ComponentTrace::isRefused(progId()) || !conn) return false;
    m_conn = conn;
    return true;
}
