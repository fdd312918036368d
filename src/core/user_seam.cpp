#include "core/user_seam.h"

#include "text/text_ops.h"

namespace dw {

QString GadgetRowText(const GadgetRecord& row, int column) {
    switch (column) {
    case 0: return row.name;
    case 1: return row.type;
    case 2: return FormatInteger(row.x);
    case 3: return FormatInteger(row.y);
    case 4: return FormatInteger(row.width);
    case 5: return FormatInteger(row.height);
    default: return QString();
    }
}

} // namespace dw
