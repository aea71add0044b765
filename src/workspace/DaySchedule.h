#pragma once
#include <QDateTime>
#include <QTableWidget>

// A day's bookings by room: rooms as columns, the day in rows of one time increment. Clicking a
// booking makes it the current one and raises the booking event.
class DaySchedule : public QTableWidget {
    Q_OBJECT
public:
    struct Booking {
        QString key;
        QDate date;
        QString room;
        QDateTime start;
        int length = 0;
        QString text, category;
    };
    explicit DaySchedule(QWidget* parent = nullptr);
    void ClearRooms();
    void AddRoom(const QString& name);
    QStringList Rooms() const { return m_rooms; }
    QDateTime DayStart;
    int DayLength = 720;      // minutes
    int TimeIncrement = 30;   // minutes
    // The day's first time, length and increment (minutes); redraws the day.
    void SetDayLayout(const QDateTime& start, int length, int increment);
    void ClearBookings();
    void AddBooking(const Booking& b);
    const QList<Booking>& Bookings() const { return m_bookings; }
    // The booking last clicked (empty text when none).
    Booking CurrentBooking;
    // The event's number handed back when the event found no booking.
    void ReleaseEvent(int number) { m_released = number; }
    int ReleasedEvent() const { return m_released; }
    // Selects the booking at a position in the list and raises the booking event (tests, keyboard).
    void SelectBooking(int index);
Q_SIGNALS:
    void BookingEvent(int number);

private:
    void redraw();
    QStringList m_rooms;
    QList<Booking> m_bookings;
    int m_released = -1;
    int m_events = 0;
};
