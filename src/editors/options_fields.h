#pragma once

#include "image/language.h"
#include "image/records.h"

#include <QStringList>

#include <string>
#include <vector>

namespace q731 {

// Where a field of the optional features window stands.
enum class OptionsPage { Functions, Vox, Vfo };

// One labelled field of the optional features window, in the window's order.
// A list field has `list`, a text field `text`. The object names are those
// the caption table places and names the controls by.
struct OptionsField
{
    const char *label;   // object name of the label in front of it
    const char *control; // object name of the combo box or text box
    OptionsPage page;
    bool shown; // hidden fields keep their values and go through the codec
    int OptionalFeatures::*list = nullptr;
    std::string OptionalFeatures::*text = nullptr;
};

const std::vector<OptionsField> &OptionsFields();

// The items of list field `combo` in `language`, as many as the list has.
QStringList OptionsListItems(const char *combo, Language language);

// The text of label `label` in `language`.
QString OptionsLabelText(const char *label, Language language);

} // namespace q731
