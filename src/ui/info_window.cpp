#include "ui/info_window.h"

#include "core/event_router.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace dw {

namespace {

class InfoWindow : public QWidget {
public:
    InfoWindow(QWidget* owner, EventRouter& router)
        : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint),
          router_(router) {
        setWindowTitle(QStringLiteral("Dehnwerk Info"));
        setFixedSize(470, 320);
        setAttribute(Qt::WA_DeleteOnClose, false);
        auto* text = new QPlainTextEdit(this);
        text->setObjectName(QStringLiteral("InfoText"));
        text->setGeometry(10, 10, 450, 400);
        text->setReadOnly(true);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        for (const QString& line : InfoTextLines())
            text->appendPlainText(line);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        // The loop decides when the window goes.
        event->ignore();
        router_.deliver(Event{EventKind::CloseRequest, Source::InfoWindow, ControlEvent::None});
    }

private:
    EventRouter& router_;
};

} // namespace

QStringList InfoTextLines() {
    return {
        QString(34, u' ') + QStringLiteral("Dehnwerk Version 0.6 beta"),
        QString(37, u' ') + QStringLiteral("(c) 2026 die Dehnwerk-Entwickler"),
        QStringLiteral("  "),
        QStringLiteral("Dehnwerk 0.6 beta ist freie Software: Sie dürfen das Programm kostenlos nutzen und "
                       "weitergeben, ohne jede Gewähr."),
        QStringLiteral(" "),
        QStringLiteral(" "),
        QString(),
        QStringLiteral(" "),
        QStringLiteral(" "),
        QStringLiteral("Fragen oder Feedback bitte gerne an:"),
        QStringLiteral("feedback@dehnwerk.invalid"),
    };
}

void ShowInfoWindow(QWidget* owner, EventRouter& router) {
    InfoWindow window(owner, router);
    QEventLoop loop;
    router.swallowEvents([&loop] { loop.quit(); });
    window.show();
    loop.exec();
    router.stopSwallowing();
    window.hide();
}

} // namespace dw
