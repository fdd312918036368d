#pragma once
#include <QString>
#include <cstdint>

namespace dw {

// One gadget of the form file. Flags are 0 or 1 from the window; a hand-edited
// project may bring any other integer.
struct GadgetRecord {
    QString name;
    QString type;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t dynX = 0;
    std::int32_t dynY = 0;
    std::int32_t dynWidth = 0;
    std::int32_t dynHeight = 0;
};

} // namespace dw
