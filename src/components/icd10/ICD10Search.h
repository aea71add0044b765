#pragma once
#include <QList>
#include <QString>

class Connection;

struct ICD10Row {
    QString code, description;
};

// The ICD-10 codes whose code starts with the text (with or without its dot), or whose description
// holds every word of it, by code. Empty text lists the catalogue. At most `limit` rows.
QList<ICD10Row> SearchICD10(Connection& c, const QString& text, int limit = 200);
