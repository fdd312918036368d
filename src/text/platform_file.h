#pragma once
// The few file-system calls the text and key-value files need. This is the one
// file a port to another platform replaces (with platform_file_posix.cpp).
#include <QString>
#include <cstddef>
#include <cstdint>

namespace dw::platform {

// A file being written so that the old content survives a failed write: the
// bytes go to a temporary file beside the target, which is renamed over the
// target only when everything reached it. Fixed-size buffers, so that the
// crash path can finish a replacement without allocating.
struct ReplaceTarget {
    int fd = -1;
    bool direct = false;  // no temporary could be made; writing the target itself
    char tempPath[4096] = {};
    char finalPath[4096] = {};
};

// Opens an existing regular file for reading; -1 when it cannot be opened.
int OpenForReading(const QString& path);

// Reads up to size bytes; 0 at the end of the file or on a read error.
std::size_t ReadSome(int fd, unsigned char* buffer, std::size_t size);

// Writes every byte; false on any failure. Safe in a signal handler.
bool WriteAll(int fd, const unsigned char* data, std::size_t size);

void CloseFile(int fd);

// Starts replacing the file at path. False for an empty path, a folder, a file
// without write permission, or a folder that is missing or not writable.
bool BeginReplace(const QString& path, ReplaceTarget& target);

// Finishes a replacement: the target holds the new bytes afterwards. False when
// that could not be made sure; the target then keeps its old content (except in
// direct mode, where there is no old content left to keep).
bool CommitReplace(ReplaceTarget& target);

// Drops a replacement; the target keeps its old content.
void AbortReplace(ReplaceTarget& target);

// CommitReplace without anything unsafe in a signal handler.
void CommitReplaceInSignalHandler(ReplaceTarget& target);

// -1: nothing there (or an empty path); -2: a folder; otherwise the size in bytes.
std::int64_t FileSizeOf(const QString& path);

} // namespace dw::platform
