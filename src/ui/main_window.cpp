#include "ui/main_window.h"

#include "ui/main_window_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

namespace dw {

namespace {

constexpr Source kBoxSources[] = {Source::CheckXPos, Source::CheckYPos, Source::CheckWidth, Source::CheckHeight};

// The caption that stands beside each check box, for screen readers.
QString CaptionBeside(std::size_t checkIndex) {
    const auto& table = MainWindowControls();
    const QRect box = table[checkIndex].designed;
    for (const ControlSpec& entry : table) {
        if (entry.kind == ControlKind::Caption && entry.designed.y() == box.y() && entry.designed.x() == box.right() + 1)
            return entry.text.toString();
    }
    return QString();
}

} // namespace

MainWindow::MainWindow(EventSink sink) : sink_(std::move(sink)) {
    setWindowTitle(QStringLiteral("Dehnwerk 0.6beta"));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setCentralWidget(new QWidget(this));
    buildMenu();
    buildControls();
    // The area below the menu bar never gets smaller than the designed size.
    centralWidget()->setMinimumSize(kDesignedWidth, kDesignedHeight);
}

void MainWindow::buildMenu() {
    QMenu* project = menuBar()->addMenu(QStringLiteral("Projekt"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("Hilfe"));
    const QString texts[] = {QStringLiteral("Projekt laden"), QStringLiteral("Projekt speichern"),
                             QStringLiteral("Form Datei importiern"), QStringLiteral("Resize Befehle speichern"),
                             QStringLiteral("Über"), QStringLiteral("Anleitung")};
    for (int item = 0; item < 6; ++item) {
        QMenu* menu = item < 4 ? project : help;
        if (item == 2 || item == 3)
            menu->addSeparator();
        QAction* action = menu->addAction(texts[item]);
        connect(action, &QAction::triggered, this,
                [this, item] { sink_(Event{EventKind::MenuItem, MenuItemSource(item), ControlEvent::None}); });
        menuItems_[static_cast<std::size_t>(item)] = action;
    }
}

void MainWindow::buildControls() {
    QWidget* area = centralWidget();
    const auto& table = MainWindowControls();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlSpec& entry = table[i];
        const QString text = entry.text.toString();
        const Source id = entry.id;
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case ControlKind::List: {
            list_ = new QTableView(area);
            list_->setModel(&model_);
            list_->setSelectionBehavior(QAbstractItemView::SelectRows);
            list_->setSelectionMode(QAbstractItemView::SingleSelection);
            list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
            list_->setShowGrid(true);
            list_->setWordWrap(false);
            list_->verticalHeader()->hide();
            list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
            list_->horizontalHeader()->setHighlightSections(false);
            for (std::size_t c = 0; c < kGadgetListColumns.size(); ++c)
                list_->horizontalHeader()->resizeSection(static_cast<int>(c), kGadgetListColumns[c].width);
            // Qt reports clicked() for the left button only, on a row.
            connect(list_, &QTableView::clicked, this,
                    [this] { sink_(Event{EventKind::Control, Source::GadgetList, ControlEvent::LeftClick}); });
            widget = list_;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text, area);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { sink_(Event{EventKind::Control, id, ControlEvent::LeftClick}); });
            widget = button;
            break;
        }
        case ControlKind::PathLine: {
            auto* line = new QLineEdit(text, area);
            line->setReadOnly(true);
            widget = line;
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(text, area);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            frame->setFocusPolicy(Qt::NoFocus);
            widget = frame;
            break;
        }
        case ControlKind::Check: {
            auto* check = new QCheckBox(area);
            check->setAccessibleName(CaptionBeside(i));
            // clicked() comes from the user only; states the tool sets raise nothing.
            connect(check, &QCheckBox::clicked, this,
                    [this, id] { sink_(Event{EventKind::Control, id, ControlEvent::Change}); });
            widget = check;
            break;
        }
        case ControlKind::Caption: {
            auto* caption = new QLabel(area);
            caption->setTextFormat(Qt::PlainText);
            caption->setText(text);
            widget = caption;
            break;
        }
        }
        widget->setGeometry(entry.designed);
        if (!entry.toolTip.isEmpty())
            widget->setToolTip(entry.toolTip.toString());
        widgets_[i] = widget;
    }
    // Frames are drawn behind what they frame, whatever their place in the Tab order.
    for (QWidget* widget : widgets_) {
        if (qobject_cast<QGroupBox*>(widget))
            widget->lower();
    }
}

int MainWindow::layoutWidth() const {
    return width();
}

int MainWindow::layoutHeight() const {
    return centralWidget()->height() + menuBar()->sizeHint().height();
}

void MainWindow::resizeMainWindow() {
    const int w = layoutWidth();
    const int h = layoutHeight();
    const auto& table = MainWindowControls();
    for (std::size_t i = 0; i < table.size(); ++i)
        widgets_[i]->setGeometry(AnchoredGeometry(table[i], widgets_[i]->geometry(), w, h));
}

void MainWindow::applyControlStates(const ControlStates& s) {
    for (Source id : kBoxSources)
        control(id)->setEnabled(s.behaviourBoxes);
    control(Source::CheckSaveProject)->setEnabled(s.checkSaveProject);
    control(Source::CheckSaveCommands)->setEnabled(s.checkSaveCommands);
    control(Source::ButtonXY)->setEnabled(s.behaviourButtons);
    control(Source::ButtonSize)->setEnabled(s.behaviourButtons);
    control(Source::ButtonNone)->setEnabled(s.behaviourButtons);
    control(Source::ButtonSave)->setEnabled(s.buttonSave);
    control(Source::ButtonPreview)->setEnabled(s.buttonPreview);
    control(Source::GadgetList)->setEnabled(s.gadgetList);
    menuItems_[1]->setEnabled(s.menuSaveProject);
    menuItems_[3]->setEnabled(s.menuSaveCommands);
}

QWidget* MainWindow::control(Source id) const {
    const auto& table = MainWindowControls();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].id == id)
            return widgets_[i];
    }
    return nullptr;
}

QLineEdit* MainWindow::formFileLine() const {
    return static_cast<QLineEdit*>(widgets_[kLabelFormFile]);
}

QLineEdit* MainWindow::projectFileLine() const {
    return static_cast<QLineEdit*>(widgets_[kLabelProjectFile]);
}

bool MainWindow::isChecked(Source id) const {
    return static_cast<QCheckBox*>(control(id))->isChecked();
}

int MainWindow::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString MainWindow::rowName(int row) const {
    return model_.name(row);
}

QCheckBox* MainWindow::box(Box which) const {
    return static_cast<QCheckBox*>(control(kBoxSources[static_cast<int>(which)]));
}

bool MainWindow::isTicked(Box which) const {
    return box(which)->isChecked();
}

void MainWindow::setTicked(Box which, bool ticked) {
    box(which)->setChecked(ticked);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window never closes by itself: the quit question decides.
    event->ignore();
    sink_(Event{EventKind::CloseRequest, Source::MainWindow, ControlEvent::None});
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    sink_(Event{EventKind::SizeChanged, Source::MainWindow, ControlEvent::None});
}

} // namespace dw
