#include "core/write_failure.h"

namespace dw {

void ReportWriteFailure(UserSeam& user, const QString& path) {
    user.showMessage(QStringLiteral("Fehler!"),
                     QStringLiteral("Die Datei ") + path + QStringLiteral(" konnte nicht geschrieben werden."));
}

} // namespace dw
