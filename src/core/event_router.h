#pragma once
// The tool's one loop as seen by the operations: every event is handled to the
// end before the next; events that come while an operation runs (through its
// dialogs) wait and follow in order; the info window's loop swallows them.
#include "core/commands.h"
#include "core/event.h"

#include <deque>
#include <functional>

namespace dw {

class EventRouter {
public:
    explicit EventRouter(Commands& commands) : commands_(commands) {}

    void deliver(const Event& event);

    // While set, every event is dropped; a close request calls the given
    // function instead (the info window's loop ends there).
    void swallowEvents(std::function<void()> onCloseRequest);
    void stopSwallowing();

    // After the end has begun nothing else runs.
    void stopForGood() { stopped_ = true; }

private:
    void handle(const Event& event);

    Commands& commands_;
    std::deque<Event> waiting_;
    bool busy_ = false;
    bool stopped_ = false;
    std::function<void()> onSwallowedClose_;
};

} // namespace dw
