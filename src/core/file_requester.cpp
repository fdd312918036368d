#include "core/file_requester.h"

#include "text/text_file.h"

#include <QDir>

namespace dw {

namespace {

bool IsValidFileName(const QString& name) {
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 32)
            return false;
        switch (c.unicode()) {
        case u'"': case u'*': case u'/': case u':': case u'<':
        case u'>': case u'?': case u'\\': case u'|':
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace

FileDialogRequest MakeDialogRequest(const QString& title, const QString& defaultPath, const QString& patterns,
                                    int patternIndex) {
    FileDialogRequest request{title, QString(), QString(), patterns, patternIndex};
    const QChar separator = QDir::separator();
    const qsizetype last = defaultPath.lastIndexOf(separator);
    QString name = defaultPath;
    if (last == 0 && separator == u'/') {
        request.folder = QStringLiteral("/");
        name = defaultPath.mid(1);
    } else if (last > 0) {
        request.folder = defaultPath.left(last);
        name = defaultPath.mid(last + 1);
    }
    if (IsValidFileName(name))
        request.fileName = name;
    return request;
}

QString AskOpenFile(UserSeam& user, const QString& title, const QString& defaultPath, const QString& patterns,
                    int patternIndex, int /*dialogOptions: every caller picks exactly one file*/, bool warnIfLoaded) {
    const QString chosen = user.chooseFileToOpen(MakeDialogRequest(title, defaultPath, patterns, patternIndex));
    if (chosen.isEmpty())
        return QString();
    if (warnIfLoaded &&
        !user.askYesNo(QStringLiteral("Achtung!"),
                       QStringLiteral("Es ist bereits eine Datei geöffnet. Möchten Sie trotzdem fortfahren?")))
        return QString();
    return chosen;
}

QString AskSaveFile(UserSeam& user, const QString& title, const QString& defaultPath, const QString& patterns,
                    int patternIndex) {
    const QString chosen = user.chooseFileToSave(MakeDialogRequest(title, defaultPath, patterns, patternIndex));
    if (chosen.isEmpty())
        return QString();
    if (FileSizeOf(chosen) >= 0 &&
        !user.askYesNo(QStringLiteral("Achtung!"),
                       QStringLiteral("Die Datei ") + chosen + QStringLiteral(" existiert bereits. Überschreiben?")))
        return QString();
    return chosen;
}

} // namespace dw
