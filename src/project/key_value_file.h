#pragma once
// Sectioned key-value files ("[group]" lines and "name = value" lines), one
// current file at a time. Written files are UTF-8 with a byte-order mark, an
// empty first line and CR LF after every line; group and key names match
// without regard to the case of ASCII letters.
#include <QString>
#include <cstdint>

namespace dw {

// Starts a new file at path; an existing file keeps its content until the
// new one has been written completely by CloseKeyValueFile.
bool CreateKeyValueFile(const QString& path);

// Reads the whole file at path.
bool OpenKeyValueFile(const QString& path);

// Writes a created, modified file and forgets the current file. False only
// when a created file could not be written completely; the file at its path
// then keeps what it held before.
bool CloseKeyValueFile();

// Makes room for this many groups in a created file, so that writing them
// does not grow the tables step by step. Changes nothing a reader sees.
void ReserveGroups(qsizetype count);

// Selects the group later key writes go to (an empty name: the area before the
// first group). True when the group exists already.
bool SelectGroup(const QString& name);
void WriteTextKey(const QString& key, const QString& value);
void WriteIntegerKey(const QString& key, std::int32_t value);

// For the fatal-fault path: drops a file being created, so that the file at
// its path keeps its previous version. Only system calls.
void AbandonKeyValueFileInSignalHandler();

void RewindGroups();
bool NextGroup();
QString CurrentGroupName();
QString ReadTextKey(const QString& key, const QString& defaultValue);
std::int32_t ReadIntegerKey(const QString& key, std::int32_t defaultValue);

} // namespace dw
