#pragma once

// What a CSV channel list's import and export tell the user, in both
// languages: q731-cli prints these texts and the window program shows them,
// so both give the same summary. Values from the file are escaped and cut as
// ShortEscaped does.

#include "files/csv_channels.h"
#include "image/language.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace q731 {

// Why a row was left out. `bandIndex`: the band of the channels imported into.
QString CsvProblemText(const CsvRowProblem &problem, const CsvImport &import, int bandIndex,
                       Language language);

// A value taken other than written; for a change that left its row out
// (strict), that too.
QString CsvChangeText(const CsvChange &change, Language language);

// One line of the summary: the reason a row was left out, or a value of a
// row taken that was changed (a warning).
struct CsvSummaryLine
{
    int line = 0;
    bool warning = false;
    QString text;
};

// Every reason and every change, in file order.
std::vector<CsvSummaryLine> CsvSummaryLines(const CsvImport &import, int bandIndex,
                                            Language language);

// "line 4: warning: ...", after `file` when one is given ("list.csv line 4: ...").
QString CsvLineText(const CsvSummaryLine &line, Language language, const QString &file = {});

// Whether the summary tells an import that was done or one still to be
// confirmed.
enum class CsvSummaryTime { Done, Planned };

// The counts: rows taken (how many with warnings), rows left out by reason.
// Planned: also the channels in use that the rows replace or empty.
QStringList CsvSummaryCounts(const CsvImport &import, int bandIndex, Language language,
                             CsvSummaryTime time = CsvSummaryTime::Done);

// The whole summary as the window program shows it before Import: the
// counts, then the lines; for a file without a usable header, what it lacks.
QString CsvSummaryText(const CsvImport &import, int bandIndex, Language language,
                       CsvSummaryTime time = CsvSummaryTime::Planned);

// No row of the list can be taken.
QString CsvNothingTakenText(Language language);

// A channel that export left out.
QString CsvExportProblemText(const CsvExportProblem &problem, int bandIndex, Language language);

} // namespace q731
