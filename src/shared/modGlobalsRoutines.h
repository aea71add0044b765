#pragma once
#include <QDateTime>
#include <QString>
#include <exception>

// The server's clock: reads it, keeps it in ServerDate and returns it. Errors reach the caller.
QDateTime GetServerDate();
// One line of the station log; every error is ignored.
void WriteStationLog(const QString& idNum, const QString& remarks, const QString& userId, const QString& stationId);
// One line of the station error log; errors reach the caller.
void WriteErrorLog(const QString& moduleName, const QString& userId, const QString& errMessage, const QString& errSource);
// The common error notice: the error's description, a blank line, "Please notify your IT department.".
void ShowErrorNotice(const QString& description);
void ShowErrorNotice(const std::exception& error);
// The text that notice shows.
QString ErrorNoticeText(const QString& description);

// Copies the hospital information and station settings into the shared variables, reloads the
// station parameters and applies the custom hospital name and address. Reports nothing.
void LoadHospitalInfo();

// Unloads every loaded window except the main window, the last loaded first.
void UnloadAllForms();
