#pragma once
// The boxes the operations show, as the scripted user logs them.
#include <QString>

namespace dw::test {

inline const QString kHeaderRefused =
    QStringLiteral("message FEHLER!|Sie haben keine Purebasic 5.21 FormDesinger Datei ausgwählt.");
inline const QString kOpenFailed =
    QStringLiteral("message Fehler!|PBF- Datei konnte nicht geöffnet/gefunden werden.");
inline const QString kNotAProject =
    QStringLiteral("message FEHLER!|Sie haben kein Dehnwerk 0.6 Projekt ausgewählt.");

} // namespace dw::test
