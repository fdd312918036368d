#pragma once
// The only two ways the operations obtain a file path. Each shows a dialog,
// asks its one question, and gives the path or the empty text ("do not go on").
#include "core/user_seam.h"

#include <QString>

namespace dw {

// Folder and name preset of a dialog from a default path: the folder is what
// stands before the last path separator, the name what follows it; a name that
// is empty or holds a character no file name may hold is not preset.
FileDialogRequest MakeDialogRequest(const QString& title, const QString& defaultPath, const QString& patterns,
                                    int patternIndex);

// After a file was chosen, asks whether to go on when warnIfLoaded is set.
QString AskOpenFile(UserSeam& user, const QString& title, const QString& defaultPath, const QString& patterns,
                    int patternIndex, int dialogOptions, bool warnIfLoaded);

// Asks before overwriting a file that is there (also an empty one).
QString AskSaveFile(UserSeam& user, const QString& title, const QString& defaultPath, const QString& patterns,
                    int patternIndex);

} // namespace dw
