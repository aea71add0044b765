#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

class Connection;

// The patient profile page's database work.
namespace ProfileData {

struct Allergies {
    QStringList codes; // the five allergy slots as stored, "" when the patient has no row
    QString others;
};
Allergies ReadAllergies(Connection& c, const QString& hospNum);

struct NurseProfile {
    bool found = false;
    QStringList ph, fh, psh; // history slots (4, 4, 3)
    QString briefHistory, pe[9], peOthers, fhOthers;
};
NurseProfile ReadNurseProfile(Connection& c, const QString& hospNum, const QString& idNum);

// The brief history and examination text of an in-patient stay's history row; found false without
// a row (and always for an out-patient visit, which is not read).
struct HistoryTexts {
    bool found = false;
    QString briefHistory, physicalExamination;
};
HistoryTexts ReadHistoryTexts(Connection& c, const QString& idNum);

struct SaveArgs {
    QString hospNum, idNum;
    QStringList allergies, ph, fh, psh; // 5, 4, 4, 3 slots
    QString allergyOthers, briefHistory, pe[9], fhOthers, peOthers, admDiagnosis, chiefComplaint;
    QDateTime serverTime;
    QString employeeCode;
};
// Writes the allergy row and the nursing profile through their procedures, inside the transaction
// the caller holds.
void SaveProfile(Connection& c, const SaveArgs& a);
// For an in-patient, updates the stay's history row (none is made) with the trimmed diagnosis,
// complaint, brief history and examination text; an out-patient visit is left alone.
void UpdateHistory(Connection& c, const SaveArgs& a);

// The first `count` codes of the checked boxes, in box order, then "" up to `count`. Throws when
// more boxes are checked than there are slots.
QStringList Slots(const QList<bool>& checked, const QStringList& codes, int count);

} // namespace ProfileData
