#include "procedure_report/RichText.h"

#include "platform/text/Rtf.h"
#include "platform/text/RtfWriter.h"

#include <QTextDocument>
#include <QTextEdit>

void UseReportFont(QTextEdit* box)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    box->setFont(f);
    box->document()->setDefaultFont(f);
    box->setAcceptRichText(true);
}

void SetRichText(QTextEdit* box, const QString& stored)
{
    if (stored.isEmpty()) {
        box->clear();
        return;
    }
    box->setHtml(StoredTextToHtml(stored));
}

QString RichTextOf(const QTextEdit* box) { return DocumentToRtf(*box->document()); }
