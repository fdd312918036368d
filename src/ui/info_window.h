#pragma once
// The "about" window with its fixed text.
#include <QStringList>

class QWidget;

namespace dw {

class EventRouter;

// The eleven lines of the info text.
QStringList InfoTextLines();

// Opens the info window owned by owner and returns when a close request came,
// from it or from any other window of the tool; every other event is dropped.
void ShowInfoWindow(QWidget* owner, EventRouter& router);

} // namespace dw
