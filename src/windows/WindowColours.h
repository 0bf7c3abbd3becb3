// Colours the design windows share.
#pragma once

#include <QColor>

namespace yq::windows {

// Captions, headings and button texts of the design windows.
inline const QColor kDarkBlue(0, 0, 128);

}  // namespace yq::windows
