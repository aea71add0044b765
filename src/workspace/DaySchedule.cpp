#include "workspace/DaySchedule.h"

#include "platform/ui/WholeColumns.h"

#include <QHeaderView>

DaySchedule::DaySchedule(QWidget* parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("Schedule1"));
    KeepColumnsWhole(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        CurrentBooking = {};
        if (QTableWidgetItem* it = item(row, col)) {
            const int index = it->data(Qt::UserRole).toInt() - 1;
            if (index >= 0 && index < m_bookings.size()) CurrentBooking = m_bookings[index];
        }
        Q_EMIT BookingEvent(++m_events);
    });
}

void DaySchedule::ClearRooms()
{
    m_rooms.clear();
    redraw();
}

void DaySchedule::AddRoom(const QString& name)
{
    m_rooms << name;
    redraw();
}

void DaySchedule::SetDayLayout(const QDateTime& start, int length, int increment)
{
    DayStart = start;
    DayLength = length;
    TimeIncrement = increment;
    redraw();
}

void DaySchedule::ClearBookings()
{
    m_bookings.clear();
    CurrentBooking = {};
    redraw();
}

void DaySchedule::AddBooking(const Booking& b)
{
    m_bookings << b;
    redraw();
}

void DaySchedule::SelectBooking(int index)
{
    CurrentBooking = (index >= 0 && index < m_bookings.size()) ? m_bookings[index] : Booking{};
    Q_EMIT BookingEvent(++m_events);
}

void DaySchedule::redraw()
{
    clear();
    clearSpans();
    const int increment = qMax(1, TimeIncrement);
    const int rows = qMax(1, DayLength / increment);
    const QTime first = DayStart.isValid() ? DayStart.time() : QTime(7, 0);
    setColumnCount(m_rooms.size());
    setRowCount(rows);
    setHorizontalHeaderLabels(m_rooms);
    QStringList times;
    for (int r = 0; r < rows; ++r) times << first.addSecs(r * increment * 60).toString(QStringLiteral("h:mm AP"));
    setVerticalHeaderLabels(times);
    for (int i = 0; i < m_bookings.size(); ++i) {
        const Booking& b = m_bookings[i];
        const int col = m_rooms.indexOf(b.room);
        if (col < 0) continue;
        const int row = first.secsTo(b.start.time()) / 60 / increment;
        if (row < 0 || row >= rows) continue;
        auto* it = new QTableWidgetItem(b.text);
        it->setData(Qt::UserRole, i + 1);
        it->setToolTip(b.category);
        setItem(row, col, it);
        const int span = qMax(1, b.length / increment);
        if (span > 1 && row + span <= rows) setSpan(row, col, span, 1);
    }
}
