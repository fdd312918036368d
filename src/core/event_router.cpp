#include "core/event_router.h"

#include "core/dispatch.h"

namespace dw {

void EventRouter::deliver(const Event& event) {
    if (stopped_)
        return;
    if (onSwallowedClose_) {
        if (event.kind == EventKind::CloseRequest)
            onSwallowedClose_();
        return;
    }
    if (busy_) {
        // Ticks that piled up behind a dialog say nothing new: one is enough.
        if (event.kind == EventKind::TimerTick && !waiting_.empty() && waiting_.back().kind == EventKind::TimerTick)
            return;
        waiting_.push_back(event);
        return;
    }
    busy_ = true;
    handle(event);
    while (!waiting_.empty() && !stopped_) {
        const Event next = waiting_.front();
        waiting_.pop_front();
        handle(next);
    }
    waiting_.clear();
    busy_ = false;
}

void EventRouter::handle(const Event& event) {
    if (event.kind == EventKind::TimerTick)
        commands_.updateControlStates();
    DispatchEvent(event, commands_);
}

void EventRouter::swallowEvents(std::function<void()> onCloseRequest) {
    onSwallowedClose_ = std::move(onCloseRequest);
}

void EventRouter::stopSwallowing() {
    onSwallowedClose_ = nullptr;
}

} // namespace dw
