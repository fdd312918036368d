#pragma once
// Shows the tool's manual in the platform's viewer for compiled help files.
// One implementation per platform (help_viewer_linux.cpp here).
#include <QString>
#include <memory>

namespace dw {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the help file by its bare name; nothing is reported back.
    virtual void show(const QString& fileName) = 0;
    // Closes every viewer window the tool opened.
    virtual void closeAll() = 0;
};

std::unique_ptr<HelpViewer> CreateHelpViewer();

} // namespace dw
