#include "generate/resize_command.h"

#include "text/text_ops.h"

#include <cstring>

// Keeps GCC from turning a short copy loop back into a memcpy call.
#if defined(__GNUC__) && !defined(__clang__)
#define DW_NO_MEMCPY_IDIOM __attribute__((optimize("no-tree-loop-distribute-patterns")))
#else
#define DW_NO_MEMCPY_IDIOM
#endif

namespace dw {

namespace {

// Writes a statement straight into a text's storage. Every fixed piece has a
// size known here, so copying it takes a few moves instead of a call; the
// writer runs once per gadget and dominates the time of saving many.
class LineWriter {
public:
    explicit LineWriter(char16_t* start) : p_(start) {}

    template <std::size_t N>
    void fixed(const char16_t (&piece)[N]) {
        std::memcpy(p_, piece, (N - 1) * sizeof(char16_t));
        p_ += N - 1;
    }
    // Names are short: a plain loop beats a call into the library's memcpy,
    // which measured several times slower per call in a GUI process.
    DW_NO_MEMCPY_IDIOM void text(QStringView piece) {
        const char16_t* from = reinterpret_cast<const char16_t*>(piece.data());
        for (qsizetype i = 0; i < piece.size(); ++i)
            p_[i] = from[i];
        p_ += piece.size();
    }
    void unit(char16_t c) { *p_++ = c; }
    void number(std::int32_t value) { p_ = WriteInteger(p_, value); }
    char16_t* end() const { return p_; }

private:
    char16_t* p_;
};

enum class Window { Width, Height };

// One of the four values of a statement; closing is ',' or ')' for the last one.
void Piece(LineWriter& out, std::int32_t flag, Window window, const QString& windowVar, std::int64_t difference,
           char16_t op, std::int32_t lastNumber, char16_t closing) {
    if (flag != 1) {
        // Only a hand-edited project brings flags other than 0 and 1; the value
        // is then left alone so that the statement stays complete.
        out.fixed(u"#PB_Ignore");
        out.unit(closing);
        return;
    }
    if (window == Window::Width)
        out.fixed(u"WindowWidth(");
    else
        out.fixed(u"WindowHeight(");
    out.text(windowVar);
    out.fixed(u")-");
    out.number(LowBits32(difference));
    out.unit(op);
    out.number(lastNumber);
    out.unit(closing);
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
    // The longest a statement can get: each piece at most "WindowHeight(" var ")-" and two
    // 11-character numbers with their operator and closing.
    const qsizetype longest = 13 + r.name.size() + 1 + 4 * (13 + state.windowVar.size() + 2 + 11 + 1 + 11 + 1);
    line.resize(longest);
    char16_t* const start = reinterpret_cast<char16_t*>(line.data());
    LineWriter out(start);
    out.fixed(u"ResizeGadget(");
    out.text(r.name);
    out.unit(u',');
    Piece(out, r.dynX, Window::Width, state.windowVar, sum(w, -std::int64_t(r.x), r.width), u'+', r.width, u',');
    Piece(out, r.dynY, Window::Height, state.windowVar, sum(h, -std::int64_t(r.y), r.height), u'+', r.height, u',');
    Piece(out, r.dynWidth, Window::Width, state.windowVar, sum(w, -std::int64_t(r.x), -std::int64_t(r.width)), u'-',
          r.x, u',');
    Piece(out, r.dynHeight, Window::Height, state.windowVar, sum(h, -std::int64_t(r.y), -std::int64_t(r.height)), u'-',
          r.y, u')');
    line.truncate(out.end() - start);
}

} // namespace dw
