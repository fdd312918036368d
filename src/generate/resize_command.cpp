#include "generate/resize_command.h"

#include "text/text_ops.h"

namespace dw {

namespace {

// One of the four values of a statement; closing is "," or ")" for the last one.
void AppendPiece(QString& line, std::int32_t flag, QStringView windowFunction, const QString& windowVar,
                 std::int64_t difference, QStringView op, std::int32_t lastNumber, QChar closing) {
    if (flag != 1) {
        // Only a hand-edited project brings flags other than 0 and 1; the value
        // is then left alone so that the statement stays complete.
        line += u"#PB_Ignore";
        line += closing;
        return;
    }
    line += windowFunction;
    line += windowVar;
    line += u")-";
    AppendInteger(line, LowBits32(difference));
    line += op;
    AppendInteger(line, lastNumber);
    line += closing;
}

} // namespace

QString ResizeCommandLine(const GadgetRecord& record, const ToolState& state) {
    QString line;
    BuildResizeCommandLine(line, record, state);
    return line;
}

void BuildResizeCommandLine(QString& line, const GadgetRecord& r, const ToolState& state) {
    const std::int64_t w = ParseInteger(state.windowWidthText);
    const std::int64_t h = ParseInteger(state.windowHeightText);
    // 64-bit unsigned arithmetic: wraps like the original 64-bit integers, without overflow traps.
    auto sum = [](std::int64_t a, std::int64_t b, std::int64_t c) {
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b) +
                                         static_cast<std::uint64_t>(c));
    };
    line.resize(0);
    line.reserve(160 + r.name.size() + 4 * state.windowVar.size());
    line += u"ResizeGadget(";
    line += r.name;
    line += u',';
    AppendPiece(line, r.dynX, u"WindowWidth(", state.windowVar, sum(w, -std::int64_t(r.x), r.width), u"+", r.width, u',');
    AppendPiece(line, r.dynY, u"WindowHeight(", state.windowVar, sum(h, -std::int64_t(r.y), r.height), u"+", r.height,
                u',');
    AppendPiece(line, r.dynWidth, u"WindowWidth(", state.windowVar, sum(w, -std::int64_t(r.x), -std::int64_t(r.width)),
                u"-", r.x, u',');
    AppendPiece(line, r.dynHeight, u"WindowHeight(", state.windowVar,
                sum(h, -std::int64_t(r.y), -std::int64_t(r.height)), u"-", r.y, u')');
}

} // namespace dw
