#pragma once
// The date and time pickers of the registration windows: dates "mm/dd/yyyy" with a calendar,
// times "hh:mm:ss AM/PM".
#include <QDateEdit>
#include <QTimeEdit>

inline QDateEdit* DatePicker(QWidget* parent)
{
    auto* d = new QDateEdit(parent);
    d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

inline QTimeEdit* TimePicker(QWidget* parent)
{
    auto* t = new QTimeEdit(parent);
    t->setDisplayFormat(QStringLiteral("hh:mm:ss AP"));
    return t;
}
