#pragma once
#include <functional>
#include <QDateTime>
#include <QString>
#include <exception>
#include <optional>

class Connection;

// The server's clock: reads it, keeps it in ServerDate and returns it. Errors reach the caller.
QDateTime GetServerDate();
// One line of the station log. A failed line never stops the action it records, but it is not
// silent either: it goes to the error log and the warning output (LogPassedOverError).
void WriteStationLog(const QString& idNum, const QString& remarks, const QString& userId, const QString& stationId);
// One line of the station error log; errors reach the caller.
void WriteErrorLog(const QString& moduleName, const QString& userId, const QString& errMessage, const QString& errSource);
// An error that a routine passes over and goes on: written to the program's warning output and to
// the station error log (under a savepoint of its own inside a save), with the source that passed it
// over; a failing error log is warned about too. Never throws. The user defaults to the signed-in one.
void LogPassedOverError(const QString& source, const QString& description, const QString& userId = QString());
void LogPassedOverError(const QString& source, const std::exception& error, const QString& userId = QString());
// The description an error carries (the server's text for a database error).
QString ErrorDescription(const std::exception& error);
// The common error notice: the error's description, a blank line, "Please notify your IT department.".
void ShowErrorNotice(const QString& description);
void ShowErrorNotice(const std::exception& error);
// A window's look-up whose failure shows the common error notice and gives the fallback, so the
// window goes on as it would with that answer.
template <typename T, typename Fn>
T OrErrorNotice(T fallback, Fn&& lookUp)
{
    try {
        return lookUp();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return fallback;
    }
}
// A department's stock location for a window: one that cannot be read shows the error notice and
// counts as none (not a stock department).
std::optional<QString> StockLocationOrNotice(Connection& c, const QString& department);
// The code search's warning for a list that could not be read (the server's text, titled
// "Warning"); the search then counts as not found.
void ShowSearchWarning(const std::exception& error);
template <typename Fn>
bool OrSearchWarning(Fn&& search)
{
    try {
        return search();
    } catch (const std::exception& e) {
        ShowSearchWarning(e);
        return false;
    }
}
// An entry grid's key handler whose failure shows the common error notice and counts the key as
// handled, so no exception reaches the event loop.
std::function<bool(int key)> KeyHandlerWithNotice(std::function<bool(int key)> handler);
// The text that notice shows.
QString ErrorNoticeText(const QString& description);

// Copies the hospital information and station settings into the shared variables, reloads the
// station parameters and applies the custom hospital name and address. Reports nothing.
void LoadHospitalInfo();

// Unloads every loaded window except the main window, the last loaded first.
void UnloadAllForms();
