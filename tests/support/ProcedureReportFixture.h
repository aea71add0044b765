#pragma once
#include "support/TestDatabase.h"

#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

#include <memory>

// The demo hospital with the station parameters read and the code search at hand, as after
// start-up; windows left open by a test are gone before the next.
class ProcedureReportTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;
    static void closeAll();
    QString text(const QString& houseSql, const QVariantList& params = {})
    {
        return DbValue::text(conn().scalar(houseSql, params));
    }

private:
    std::unique_ptr<clsCodeSearch> m_search;
};
