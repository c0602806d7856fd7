#pragma once

#include "image/language.h"
#include "print/radio_compare.h"

#include <QDialog>

#include <vector>

namespace q731 {

// The differences between what a radio or a file holds and what the editors
// hold, one row each: the field, their value, this program's value. From it
// the user goes on to Write, or closes it.
class CompareDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Source { Radio, File };
    // Result of exec() when the user chose Write.
    static constexpr int kWrite = 2;

    CompareDialog(Source source, const QString &sourceName,
                  const std::vector<RadioDifference> &differences, Language language,
                  QWidget *parent = nullptr);
};

} // namespace q731
