#pragma once
// The running tool: the model, the main window, the loop's router and the
// timer, and the operations the dispatcher starts.
#include "core/commands.h"
#include "core/event_router.h"
#include "core/tool.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/qt_user_seam.h"

#include <QTimer>
#include <functional>
#include <memory>

namespace dw {

class Application : public Commands {
public:
    // Builds the empty model and the main window (OpenMainWindow), not yet shown.
    explicit Application(UserSeam* userForTests = nullptr);
    ~Application() override;

    // Shows the window centred on the primary screen and starts timer 1.
    void start();

    MainWindow& window() { return *window_; }
    Tool& tool() { return *tool_; }
    EventRouter& router() { return router_; }
    QTimer& timer() { return timer_; }
    QtUserSeam& windowSeam() { return *qtUser_; }

    // What ending the process means; tests replace it.
    std::function<void()> exitProcess;

    // Releases files, hooks, viewers and windows, in that order.
    void release();

    // Commands
    void confirmQuit() override;
    void resizeMainWindow() override;
    void loadProject() override;
    void saveProject() override;
    void importFormFile() override;
    void saveResizeCommands() override;
    void showInfoWindow() override;
    void openHelpFile() override;
    void setXYDynamic() override;
    void setSizeDynamic() override;
    void clearAllMarks() override;
    void applyChecksToRecord() override;
    void showRecordInChecks() override;
    void updateControlStates() override;
    bool saveProjectTicked() override;
    bool saveCommandsTicked() override;

    void endProgram();

private:
    EventRouter router_{*this};
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtUserSeam> qtUser_;
    std::unique_ptr<Tool> tool_;
    std::unique_ptr<HelpViewer> help_;
    QTimer timer_;
};

} // namespace dw
