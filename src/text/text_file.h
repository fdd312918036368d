#pragma once
// The one text-file slot: line-by-line reading of UTF-8 files (CR, LF, CR LF,
// a zero byte or the end of the file end a line) and writing of UTF-8 lines
// ended by CR LF, through a 4096-byte buffer.
#include <QString>
#include <QByteArrayView>
#include <QStringView>
#include <functional>
#include <initializer_list>
#include <cstdint>

namespace dw {

// Closes whatever the slot holds, then opens an existing file.
bool OpenTextForReading(const QString& path);

// The next line without its line end; the empty text at the end of the file.
QString ReadTextLine();

// Reads the next line like ReadTextLine but hands its raw bytes to use instead
// of decoding them; the bytes are valid only during the call.
void ReadTextLineBytes(const std::function<void(QByteArrayView)>& use);

// Reads past the next line and tells whether any of the phrases (ASCII only)
// stands in it, as FindText on ReadTextLine would. Keeps only a few bytes of
// the line, so a file without line ends costs time but no memory.
bool SkimTextLineFor(std::initializer_list<QByteArrayView> phrases);

// True when no byte is left to read (or nothing is open for reading).
bool AtEndOfText();

// Closes whatever the slot holds, then starts a new file at path. The old
// content of path stays until CloseTextFile has written the new one.
bool CreateTextFile(const QString& path);

// Writes text as UTF-8 followed by CR LF.
void WriteTextLine(QStringView text);

// Writes what is pending and closes. For a file being written: true only when
// every line reached the file; otherwise the file at the path is left as it
// was before CreateTextFile.
bool CloseTextFile();

// True once a write of the current file has failed; sticks until the slot closes.
bool TextFileWriteFailed();

// For the fatal-fault path: writes the pending bytes of a file being written
// and puts it in place. Only system calls, no allocation, no locks.
void FlushTextFileInSignalHandler();

// -1: nothing there or an empty path; -2: a folder; otherwise the size in bytes.
std::int64_t FileSizeOf(const QString& path);

} // namespace dw
