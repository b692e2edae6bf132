// What the options dialog's files share.
#pragma once

#include <QString>

namespace quillora {

// A number with one decimal, as the dialog writes sizes and letter values: its size lists
// and its size fields alike, so that the text of a field finds its line in a list.
inline QString uneDecimale(double v) {
    return QString::number(v, 'f', 1);
}

} // namespace quillora
