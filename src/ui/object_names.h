#pragma once

#include "image/control_names.h"

#include <QString>

namespace q731 {

// The object names of control_names.h as the widgets carry them.
inline QString ObjectName(Control control)
{
    return QString::fromLatin1(ControlName(control));
}

inline QString ObjectName(Control control, int index)
{
    return QString::fromStdString(ControlName(control, index));
}

inline QString LabelObjectName(Control control)
{
    return QString::fromLatin1(LabelName(control));
}

inline QString LabelObjectName(Control control, int index)
{
    return QString::fromStdString(LabelName(control, index));
}

} // namespace q731
