#pragma once

// The records of a data file as the command line shows and compares them:
// channels by number and settings by name.

#include "image/language.h"
#include "image/records.h"

#include <QJsonObject>
#include <QString>
#include <QVariant>

#include <vector>

namespace q731::cli {

struct SettingValue
{
    QString name;   // stable key, the same in every language and in JSON
    QString field;  // the control of the window that edits it
    QVariant value; // int (a list index or a number) or QString; null for an off tone
};

// Every setting the data file carries, in the order the windows show them.
std::vector<SettingValue> Settings(const RadioData &data);

// The texts of one value as the table shows it ("-" for nothing), control
// characters escaped and long texts cut (ShortEscaped).
QString SettingText(const SettingValue &setting, Language language);

// The aligned channel table and the settings list.
QString ShowTable(const RadioData &data, Language language);

// The same content for scripts (schema in doc/formats.md and the man page),
// every text exact.
QJsonObject ShowJson(const RadioData &data);

// One line per difference: "channel 5 rx: 145.12500 -> 146.00000",
// "setting squelch: 4 -> 5", values shown as in the table. Empty when nothing
// differs.
QStringList DiffLines(const RadioData &a, const RadioData &b, Language language);

} // namespace q731::cli
