#pragma once
#include <QString>
#include <stdexcept>

// A report that cannot be opened, filled, rendered or printed. what() is the description the
// caller's error notice shows.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}
    const QString& description() const { return m_description; }

private:
    QString m_description;
};
