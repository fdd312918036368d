#pragma once
#include <QString>

namespace dw {

struct ToolState {
    QString formPath;
    QString projectPath;
    QString windowVar;
    QString windowWidthText;
    QString windowHeightText;
    int dataLoaded = 0;  // set to 1 by the form import, never back to 0
};

} // namespace dw
