#pragma once
// The main window: menu, list, frames, buttons, boxes and path lines at their
// pixel positions, placed again from the anchor table on every size change.
// It turns what the user does into events for the router.
#include "core/event.h"
#include "ui/behaviour_panel.h"
#include "ui/control_states.h"
#include "ui/gadget_list_model.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QTableView;

namespace dw {

class MainWindow : public QMainWindow, public PanelControls {
    Q_OBJECT
public:
    using EventSink = std::function<void(const Event&)>;

    explicit MainWindow(EventSink sink);

    // Places every control for the window's current size.
    void resizeMainWindow();
    void applyControlStates(const ControlStates& states);

    // W and H as the layout counts them: the width, and the height including the menu bar.
    int layoutWidth() const;
    int layoutHeight() const;

    QWidget* control(Source id) const;
    QWidget* controlAt(std::size_t tableIndex) const { return widgets_[tableIndex]; }
    QAction* menuItem(int number) const { return menuItems_[static_cast<std::size_t>(number)]; }
    QTableView* gadgetList() const { return list_; }
    GadgetListModel& gadgetRows() { return model_; }
    QLineEdit* formFileLine() const;
    QLineEdit* projectFileLine() const;
    bool isChecked(Source box) const;

    // PanelControls
    int selectedRow() const override;
    QString rowName(int row) const override;
    bool isTicked(Box box) const override;
    void setTicked(Box box, bool ticked) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    QCheckBox* box(Box which) const;

    EventSink sink_;
    GadgetListModel model_;
    QTableView* list_ = nullptr;
    std::array<QWidget*, 28> widgets_{};
    std::array<QAction*, 6> menuItems_{};
};

} // namespace dw
