#pragma once

class Connection;
// Checks the exam-ordering windows make while an exam is added to an order list: the laboratory
// profile grids, the default specimen, the routine/STAT preset, the largest quantity and the form
// type of an item. All run on the connection they are given.
#include <QDateTime>
#include <QString>
#include <array>

class FlexGrid;
class QRadioButton;

// Profiles. A laboratory profile stands for its member exams; ordering one lists the members in a
// profile grid (ProfileRow rows) beside the order grid. These leave failures to the caller; the
// grids keep what was changed before a failure. An empty exam code never matches a row.

// Appends the members of the profile examCode (trimmed) to the grid: into row 1 while its ExamID
// is empty, else into a new last row. True when the exam is a profile.
bool LoadExamProfiles(Connection& c, const QString& examCode, FlexGrid& profileGrid);
// Warns about the first order row whose exam (column examCodeCol) is a listed member; True then.
bool CheckOrderExamInProfile(FlexGrid& profileGrid, FlexGrid& orderGrid, int examCodeCol);
// Takes every listed member off the order grid; the only data row is blanked, not removed. On the
// workspace's orders grid (column 2) each goes through the workspace's own removal of an order, so
// its pick-list entry is unticked.
void RemoveOrdersInProfiles(FlexGrid& profileGrid, FlexGrid& orderGrid, int examCodeCol);
// Warns when examCode (compared untrimmed) is a member of a listed profile; True then.
bool CheckExamInProfile(const QString& examCode, FlexGrid& profileGrid);
// Takes the members of one profile off the grid, leaving one blank data row at least.
void ClearProfileExams(const QString& profileCode, FlexGrid& profileGrid);

// The specimen of a laboratory exam: sets HasSeveralSpecimens and ExamOrderSpecimen and writes the
// code back. No specimen: code "0", "None"; one: its code and description; several: all empty.
QString GetSingleSpecimen(Connection& c, const QString& labExamCode, QString& specimenCode);
// The specimen pick list of the remarks dialogs: cleared to one empty row, codes in the hidden
// column 1, descriptions in column 2 ("List of Specimens"); then filled with the exam's specimens
// (STATION..sp_Nurse_GetLabExam_Specimen). Failures reach the caller.
void LayOutSpecimenList(FlexGrid& list);
void FillSpecimenList(Connection& c, const QString& labExamCode, FlexGrid& list);

// Which of the dialog's two options (0 Routine, 1 Stat) is chosen and enabled.
struct StatOptions {
    int chosen = 0;
    bool routineEnabled = true;
    bool statEnabled = true;
};
// The exam's Stat rule "Y" forces Stat, "N" Routine; any other leaves both open and proposes Stat
// on Saturdays and after 17:00:00 by the server's clock.
StatOptions StatOptionsFor(const QString& stat, const QDateTime& serverNow);
// Presets the remarks dialog's two options (Routine, Stat) from the exam's rule (exam code untrimmed); no catalogue row
// changes nothing. Failures reach the caller.
void SetStatOptions(Connection& c, const QString& labExamCode, const std::array<QRadioButton*, 2>& options);

// Largest quantity that may be ordered: the catalogue's MaxQty for an exam marked both procedure
// and open quantity, else 1. A failure shows the error notice and gives 1.
double GetLabExamMaxQty(Connection& c, const QString& examCode);
double GetXrayExamMaxQty(Connection& c, const QString& examCode);
double GetUltraExamMaxQty(Connection& c, const QString& examCode);

// Form type of a department item: "A" without a row; a failure shows the error notice and gives "".
QString GetExamFormType(Connection& c, const QString& itemCode);
