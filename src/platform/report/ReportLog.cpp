#include "platform/report/ReportLog.h"

#include "platform/report/ReportFiles.h"

#include <QFileInfo>

QString ReportCall::fileName() const { return QFileInfo(ReportFiles::normalized(file)).fileName(); }

namespace {
QList<ReportCall>& log()
{
    static QList<ReportCall> calls;
    return calls;
}
}

namespace ReportLog {
ReportCall& begin(const QString& file, const QVariantList& params)
{
    ReportCall call;
    call.file = file;
    call.params = params;
    log().append(call);
    return log().last();
}

ReportCall* current() { return log().isEmpty() ? nullptr : &log().last(); }
const QList<ReportCall>& calls() { return log(); }
void clear() { log().clear(); }
}
