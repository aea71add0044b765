#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The program's warning output while the object lives.
class CapturedWarnings {
public:
    CapturedWarnings() { s_lines.clear(); m_previous = qInstallMessageHandler(&CapturedWarnings::handle); }
    ~CapturedWarnings() { qInstallMessageHandler(m_previous); }
    CapturedWarnings(const CapturedWarnings&) = delete;
    CapturedWarnings& operator=(const CapturedWarnings&) = delete;
    const QStringList& lines() const { return s_lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtWarningMsg) s_lines << text;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
