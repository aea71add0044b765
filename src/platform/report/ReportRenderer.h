#pragma once
#include "platform/report/Report.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

// A node of the viewer's group tree: the first row of a group, found by its anchor.
struct ReportGroupNode {
    QString label;
    QString anchor;
};

// A report with its data read and its layout filled: what the viewer shows and the printer prints.
struct RenderedReport {
    QString fileName;
    QString title;
    QString hospitalName;
    QString hospitalAddress;
    ReportPage page;
    QString html;                            // the body, below the page header
    QList<QPair<QString, QImage>> images;    // pictures the body names by these resource names
    QList<ReportGroupNode> groups;
    QDateTime printed;                       // when it was rendered (the pages' footer)
};

namespace ReportRenderer {
// Reads every data set of the report (and of its subreports) over the connections its tables were
// logged on with, and fills the layout. Throws ReportError (or DbError from a data set).
std::shared_ptr<const RenderedReport> render(const Report& report);
// The body width, in pixels of 96 to the inch, of a page of this setup.
double bodyWidthPx(const ReportPage& page);
}
