#include "ui/application.h"

#include "crash/crash_handler.h"
#include "generate/resize_commands_file.h"
#include "import/form_import.h"
#include "project/key_value_file.h"
#include "project/project_file.h"
#include "text/text_file.h"
#include "ui/behaviour_panel.h"
#include "ui/control_states.h"
#include "ui/info_window.h"
#include "ui/main_window_layout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace dw {

Application::Application(UserSeam* userForTests)
    : window_(std::make_unique<MainWindow>([this](const Event& event) { router_.deliver(event); })),
      qtUser_(std::make_unique<QtUserSeam>(*window_)),
      tool_(std::make_unique<Tool>(userForTests ? *userForTests : *qtUser_)),
      help_(CreateHelpViewer()) {
    exitProcess = [] { QCoreApplication::exit(0); };
    timer_.setInterval(300);
    QObject::connect(&timer_, &QTimer::timeout, [this] { router_.deliver(Event{EventKind::TimerTick}); });
}

Application::~Application() {
    release();
}

void Application::start() {
    MainWindow& w = *window_;
    w.resize(kDesignedWidth, kDesignedHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, w.size().expandedTo(w.minimumSizeHint()),
                                           available);
        // A window larger than the screen starts at its top or left edge.
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
        w.move(placed.topLeft());
    }
    w.show();
    w.activateWindow();
    timer_.start();
}

void Application::release() {
    timer_.stop();
    router_.stopForGood();
    CloseKeyValueFile();
    RestoreCrashHandler();
    if (help_)
        help_->closeAll();
    qtUser_.reset();
    window_.reset();
    CloseTextFile();
}

void Application::endProgram() {
    router_.stopForGood();
    timer_.stop();
    exitProcess();
}

void Application::confirmQuit() {
    if (tool_->state.dataLoaded == 1 &&
        !tool_->user.askYesNo(QStringLiteral("Achtung!"), QStringLiteral("Sie haben Daten geladen. Trotzdem beenden?")))
        return;
    endProgram();
}

void Application::resizeMainWindow() {
    window_->resizeMainWindow();
}

void Application::loadProject() {
    LoadProject(*tool_);
}

void Application::saveProject() {
    SaveProject(*tool_);
}

void Application::importFormFile() {
    ImportFormFile(*tool_, false);
}

void Application::saveResizeCommands() {
    SaveResizeCommands(*tool_);
}

void Application::showInfoWindow() {
    ShowInfoWindow(window_.get(), router_);
}

void Application::openHelpFile() {
    help_->show(QStringLiteral("Dehnwerk.chm"));
}

void Application::setXYDynamic() {
    SetXYDynamic(tool_->records, *window_);
}

void Application::setSizeDynamic() {
    SetSizeDynamic(tool_->records, *window_);
}

void Application::clearAllMarks() {
    ClearAllMarks(tool_->records, *window_);
}

void Application::applyChecksToRecord() {
    ApplyChecksToRecord(tool_->records, *window_);
}

void Application::showRecordInChecks() {
    ShowRecordInChecks(tool_->records, *window_);
}

void Application::updateControlStates() {
    ControlInputs in;
    in.dataLoaded = tool_->state.dataLoaded == 1;
    in.selectedRow = window_->selectedRow();
    in.saveProjectTicked = saveProjectTicked();
    in.saveCommandsTicked = !in.saveProjectTicked && saveCommandsTicked();
    window_->applyControlStates(ComputeControlStates(in));
}

bool Application::saveProjectTicked() {
    return window_->isChecked(Source::CheckSaveProject);
}

bool Application::saveCommandsTicked() {
    return window_->isChecked(Source::CheckSaveCommands);
}

} // namespace dw
