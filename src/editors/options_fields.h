#pragma once

#include "image/control_names.h"
#include "image/language.h"
#include "image/records.h"

#include <QStringList>

#include <string>
#include <vector>

namespace q731 {

// Where a field of the optional features window stands.
enum class OptionsPage { Functions, Vox, Vfo };

// One labelled field of the optional features window, in the window's order.
// A list field has `list`, a text field `text`.
struct OptionsField
{
    Control control; // the combo box or text box, and its label
    OptionsPage page;
    bool shown; // hidden fields keep their values and go through the codec
    int OptionalFeatures::*list = nullptr;
    std::string OptionalFeatures::*text = nullptr;
};

const std::vector<OptionsField> &OptionsFields();

// The items of list field `list` in `language`, as many as the list has.
QStringList OptionsListItems(Control list, Language language);

// The caption of a control of the window in `language`: a field's label, or
// the text a page button, group or check box carries itself.
QString OptionsLabelText(Control control, Language language);

} // namespace q731
