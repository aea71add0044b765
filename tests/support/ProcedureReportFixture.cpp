#include "support/ProcedureReportFixture.h"

#include "components/Component.h"
#include "shared/clsParameters.h"
#include "shell/settings/RvsPickerHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void ProcedureReportTest::SetUp()
{
    DbTest::SetUp();
    StationParameters().LoadParameters();
    Session.HospName = QStringLiteral("SAN ISIDRO MEDICAL CENTER");
    m_search.reset(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch")));
    m_search->setConnection(&conn());
    Session.CodeSearch = m_search.get();
    // the code search's picker, as start-up links it
    InstallRvsPickerLink();
}

void ProcedureReportTest::TearDown()
{
    closeAll();
    Session.CodeSearch = nullptr;
    m_search.reset();
    DbTest::TearDown();
}

void ProcedureReportTest::closeAll()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
