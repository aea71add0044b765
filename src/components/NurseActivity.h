#pragma once
#include "components/ConnectedComponent.h"

// Nurse activity classes: requests, results, confinements and confinement results.
class NurseActivityComponent : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    QString ServerName;
    bool terminated = false;
    void Class_Terminate()
    {
        ComponentTrace::record(progId().section(QLatin1Char('.'), 1) + QStringLiteral(".Class_Terminate"));
        terminated = true;
    }
    // The nurse activity classes find the run's connection themselves.
    void attach(Connection* conn) { m_conn = conn; }
};
class clsRequest : public NurseActivityComponent { Q_OBJECT public: using NurseActivityComponent::NurseActivityComponent; };
class clsResults : public NurseActivityComponent { Q_OBJECT public: using NurseActivityComponent::NurseActivityComponent; };
class clsConfinement : public NurseActivityComponent { Q_OBJECT public: using NurseActivityComponent::NurseActivityComponent; };
class clsConfinementResults : public NurseActivityComponent { Q_OBJECT public: using NurseActivityComponent::NurseActivityComponent; };
