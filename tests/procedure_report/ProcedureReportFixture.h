#pragma once
#include "support/TestDatabase.h"

#include "components/Component.h"
#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shell/settings/RvsPickerHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <QEvent>
#include <memory>

// The demo hospital with the station parameters read and the code search at hand, as after
// start-up; windows left open by a test are gone before the next.
class ProcedureReportTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        StationParameters().LoadParameters();
        Session.HospName = QStringLiteral("SAN ISIDRO MEDICAL CENTER");
        m_search.reset(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch")));
        m_search->setConnection(&conn());
        Session.CodeSearch = m_search.get();
        InstallRvsPickerLink();
    }
    void TearDown() override
    {
        closeAll();
        Session.CodeSearch = nullptr;
        m_search.reset();
        DbTest::TearDown();
    }
    static void closeAll()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString text(const QString& houseSql, const QVariantList& params = {})
    {
        return DbValue::text(conn().scalar(houseSql, params));
    }

private:
    std::unique_ptr<clsCodeSearch> m_search;
};
