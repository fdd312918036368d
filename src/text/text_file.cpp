#include "text/text_file.h"

#include "text/platform_file.h"
#include "text/text_ops.h"

#include <QByteArray>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace dw {

namespace {

constexpr std::size_t kBufferSize = 4096;

enum class SlotMode { Empty, Reading, Writing };

// Plain static storage: the crash path reads it without allocating.
struct Slot {
    SlotMode mode = SlotMode::Empty;
    int readFd = -1;
    platform::ReplaceTarget target;
    bool writeFailed = false;
    // One byte more than is read: a zero after the bytes read ends every search
    // for a line end at the end of what the buffer holds.
    unsigned char buffer[kBufferSize + 1] = {};
    std::size_t used = 0;  // writing: bytes waiting; reading: bytes in the buffer
    std::size_t next = 0;  // reading: next unread byte
    bool atEnd = false;    // reading: the file has no more bytes beyond the buffer
};

Slot slot;

bool Refill() {
    if (slot.atEnd)
        return false;
    slot.used = platform::ReadSome(slot.readFd, slot.buffer, kBufferSize);
    slot.buffer[slot.used] = 0;
    slot.next = 0;
    if (slot.used == 0) {
        slot.atEnd = true;
        return false;
    }
    return true;
}

bool HaveByte() {
    return slot.next < slot.used || Refill();
}

void FlushBuffer() {
    if (slot.used > 0 && !slot.writeFailed)
        slot.writeFailed = !platform::WriteAll(slot.target.fd, slot.buffer, slot.used);
    slot.used = 0;
}

void Put(const unsigned char* data, std::size_t size) {
    if (slot.writeFailed)
        return;
    if (size > kBufferSize - slot.used)
        FlushBuffer();
    if (size >= kBufferSize) {
        if (!slot.writeFailed)
            slot.writeFailed = !platform::WriteAll(slot.target.fd, data, size);
        return;
    }
    std::memcpy(slot.buffer + slot.used, data, size);
    slot.used += size;
}

void ResetSlot() {
    slot.mode = SlotMode::Empty;
    slot.readFd = -1;
    slot.writeFailed = false;
    slot.used = 0;
    slot.next = 0;
    slot.atEnd = false;
}

} // namespace

bool OpenTextForReading(const QString& path) {
    CloseTextFile();
    const int fd = platform::OpenForReading(path);
    if (fd < 0)
        return false;
    slot.mode = SlotMode::Reading;
    slot.readFd = fd;
    return true;
}

// The bytes of the current line that stand in the buffer, consumed up to the
// line end or the end of the buffer. A line end is consumed too, but not the LF
// of a CR LF: looking for it may refill the buffer, so the caller finishes the
// line end with FinishLineEnd after it is done with the piece.
struct LinePiece {
    QByteArrayView bytes;
    bool endsLine = false;
    unsigned char ender = 0;
};

LinePiece NextLinePiece() {
    const unsigned char* start = slot.buffer + slot.next;
    const unsigned char* end = slot.buffer + slot.used;
    // The first of the three line ends in one call: strcspn stops at CR, LF and
    // zero, and the zero behind the bytes read stops it at the buffer's end.
    const unsigned char* p = start + std::strcspn(reinterpret_cast<const char*>(start), "\r\n");
    slot.next += static_cast<std::size_t>(p - start);
    LinePiece piece{QByteArrayView(start, p - start), p < end, p < end ? *p : static_cast<unsigned char>(0)};
    if (piece.endsLine)
        ++slot.next;
    return piece;
}

void FinishLineEnd(unsigned char ender) {
    if (ender == '\r' && HaveByte() && slot.buffer[slot.next] == '\n')
        ++slot.next;
}

QString ReadTextLine() {
    if (slot.mode != SlotMode::Reading)
        return QString();
    // Bytes of a line that runs over the end of the buffer; most lines never need it.
    QByteArray carried;
    while (HaveByte()) {
        const LinePiece piece = NextLinePiece();
        if (!piece.endsLine) {
            carried.append(piece.bytes);
            continue;
        }
        QString line = DecodeUtf8(carried.isEmpty() ? piece.bytes : QByteArrayView(carried.append(piece.bytes)));
        FinishLineEnd(piece.ender);
        return line;
    }
    return DecodeUtf8(carried);
}

void ReadTextLineBytes(const std::function<void(QByteArrayView)>& use) {
    if (slot.mode != SlotMode::Reading) {
        use(QByteArrayView());
        return;
    }
    static QByteArray carried;  // reused: most lines never need it
    if (!carried.isEmpty())
        carried.resize(0);
    while (HaveByte()) {
        const LinePiece piece = NextLinePiece();
        if (!piece.endsLine) {
            carried.append(piece.bytes);
            continue;
        }
        use(carried.isEmpty() ? piece.bytes : QByteArrayView(carried.append(piece.bytes)));
        FinishLineEnd(piece.ender);
        return;
    }
    use(QByteArrayView(carried));
}

bool SkimTextLineFor(std::initializer_list<QByteArrayView> phrases) {
    if (slot.mode != SlotMode::Reading)
        return false;
    // ASCII bytes decode to the same code units and no other UTF-8 sequence (nor
    // the replacement of a broken one) yields them, so the bytes can be searched.
    qsizetype longest = 0;
    for (QByteArrayView phrase : phrases)
        longest = std::max(longest, phrase.size());
    QByteArray window;  // the end of what was seen, then the new piece
    bool found = false;
    while (HaveByte()) {
        const LinePiece piece = NextLinePiece();
        if (!found) {
            window.append(piece.bytes);
            for (QByteArrayView phrase : phrases)
                found = found || window.contains(phrase);
            if (window.size() > longest)
                window.remove(0, window.size() - longest);
        }
        if (piece.endsLine) {
            FinishLineEnd(piece.ender);
            break;
        }
    }
    return found;
}

bool AtEndOfText() {
    return slot.mode != SlotMode::Reading || !HaveByte();
}

bool CreateTextFile(const QString& path) {
    CloseTextFile();
    if (!platform::BeginReplace(path, slot.target))
        return false;
    slot.mode = SlotMode::Writing;
    return true;
}

void WriteTextLine(QStringView text) {
    if (slot.mode != SlotMode::Writing)
        return;
    if (!text.isEmpty()) {
        // Most lines are encoded straight into the buffer; UTF-8 needs at most 3 bytes per code unit.
        const std::size_t worst = static_cast<std::size_t>(text.size()) * 3;
        if (worst < kBufferSize && !slot.writeFailed) {
            if (worst > kBufferSize - slot.used)
                FlushBuffer();
            static QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
            char* start = reinterpret_cast<char*>(slot.buffer + slot.used);
            slot.used += static_cast<std::size_t>(encoder.appendToBuffer(start, text) - start);
        } else {
            const QByteArray bytes = text.toUtf8();
            Put(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
        }
    }
    static const unsigned char lineEnd[2] = {'\r', '\n'};
    Put(lineEnd, 2);
}

bool CloseTextFile() {
    bool ok = true;
    if (slot.mode == SlotMode::Reading) {
        platform::CloseFile(slot.readFd);
    } else if (slot.mode == SlotMode::Writing) {
        FlushBuffer();
        if (slot.writeFailed) {
            platform::AbortReplace(slot.target);
            ok = false;
        } else {
            ok = platform::CommitReplace(slot.target);
        }
    }
    ResetSlot();
    return ok;
}

bool TextFileWriteFailed() {
    return slot.mode == SlotMode::Writing && slot.writeFailed;
}

void FlushTextFileInSignalHandler() {
    if (slot.mode != SlotMode::Writing)
        return;
    if (slot.used > 0 && !slot.writeFailed)
        platform::WriteAll(slot.target.fd, slot.buffer, slot.used);
    slot.used = 0;
    platform::CommitReplaceInSignalHandler(slot.target);
    slot.mode = SlotMode::Empty;
}

std::int64_t FileSizeOf(const QString& path) {
    return platform::FileSizeOf(path);
}

} // namespace dw
