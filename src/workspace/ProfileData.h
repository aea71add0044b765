#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

class Connection;

// The patient profile page's database work.
namespace ProfileData {

struct Profile {
    QStringList allergies;          // the five allergy slots as stored
    QString allergyOthers;
    bool hasProfile = false;
    QStringList ph, fh, psh;        // history slots (4, 4, 3)
    QString briefHistory, pe[9], peOthers, fhOthers;
};
// Reads the allergy row, the nursing profile of the stay and, for an in-patient with a history
// row, its brief history and examination text, which then replace the profile's.
Profile Load(Connection& c, const QString& hospNum, const QString& idNum);

struct SaveArgs {
    QString hospNum, idNum;
    QStringList allergies, ph, fh, psh; // 5, 4, 4, 3 slots
    QString allergyOthers, briefHistory, pe[9], fhOthers, peOthers, admDiagnosis, chiefComplaint;
    QDateTime serverTime;
    QString employeeCode;
};
// Writes the allergy row, the nursing profile and, for an in-patient, the history row, inside the
// transaction the caller holds.
void Save(Connection& c, const SaveArgs& a);

// The first `count` codes of the checked boxes, in box order, then "" up to `count`. Throws when
// more boxes are checked than there are slots.
QStringList Slots(const QList<bool>& checked, const QStringList& codes, int count);

} // namespace ProfileData
