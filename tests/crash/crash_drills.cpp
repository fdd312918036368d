#include "crash/crash_drills.h"

#include <QString>
#include <cstring>

// The faults must really happen: no sanitizer may catch them first, and the
// compiler may not see through them.
#define DW_DRILL __attribute__((noinline, no_sanitize("address", "undefined")))

namespace dw::drill {

const int kDivideLine = __LINE__ + 2;
DW_DRILL int DivideByZero(int divisor) {
    return 100 / *static_cast<volatile int*>(&divisor);
}

const int kNullReadLine = __LINE__ + 2;
DW_DRILL int ReadFrom(const int* address) {
    return *static_cast<const volatile int*>(address);
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
DW_DRILL int RecurseForever(int depth) {
    volatile char pad[256];
    pad[0] = static_cast<char>(depth);
    return RecurseForever(depth + 1) + pad[0];
}
#pragma GCC diagnostic pop

const int kQtCallLine = __LINE__ + 8;
DW_DRILL void FaultInsideQt() {
    // A text whose data pointer leads nowhere: Qt faults while copying it.
    struct RawText { void* d; const char16_t* ptr; qsizetype size; };
    static_assert(sizeof(RawText) == sizeof(QString));
    alignas(QString) unsigned char storage[sizeof(QString)];
    const RawText raw{nullptr, reinterpret_cast<const char16_t*>(0x10), 64};
    std::memcpy(storage, &raw, sizeof raw);
    QString copy = QStringLiteral("x"); copy.append(*reinterpret_cast<const QString*>(storage));
    (void)copy.size();
}

} // namespace dw::drill
