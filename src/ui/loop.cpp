#include "ui/loop.h"

#include <algorithm>
#include <exception>

namespace ui {

void Loop::run_handler(const Callback& cb) {
    std::string what;
    try {
        cb();
        return;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
        what = "unknown error";
    }
    if (on_failure) on_failure(what);
}

int SimLoop::add_timer(int interval_ms, Callback cb) {
    int id = next_timer_++;
    int64_t iv = std::max<int64_t>(1, static_cast<int64_t>(interval_ms) * 1000);
    timers_[id] = TimerRec{iv, std::move(cb), next_gen_++};
    schedule_timer(id, now_us_ + iv);
    return id;
}

void SimLoop::cancel_timer(int id) { timers_.erase(id); }

void SimLoop::schedule_timer(int id, int64_t t_us) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    queue_[Key{t_us, seq_++}] = Event{nullptr, id, it->second.gen};
}

void SimLoop::at_us(int64_t t_us, Callback cb) {
    queue_[Key{std::max(t_us, now_us_), seq_++}] = Event{std::move(cb), 0, 0};
}

bool SimLoop::step(int64_t limit_us) {
    if (queue_.empty()) return false;
    auto it = queue_.begin();
    if (it->first.t > limit_us) return false;
    Key key = it->first;
    Event ev = std::move(it->second);
    queue_.erase(it);
    now_us_ = std::max(now_us_, key.t);
    if (ev.timer_id == 0) {
        run_handler(ev.cb);
        return true;
    }
    auto t = timers_.find(ev.timer_id);
    if (t == timers_.end() || t->second.gen != ev.timer_gen) return true;  // stale tick
    // The next tick is due one interval after this one was due; a tick that
    // is late (a busy-wait or a long handler) does not pile up.
    int64_t next = std::max(key.t + t->second.interval_us, now_us_ + 1);
    schedule_timer(ev.timer_id, next);
    Callback cb = t->second.cb;  // the handler may cancel its own timer
    run_handler(cb);
    return true;
}

void SimLoop::run_for(double ms) {
    int64_t limit = now_us_ + static_cast<int64_t>(ms * 1000.0);
    while (step(limit)) {
    }
    now_us_ = std::max(now_us_, limit);
}

bool SimLoop::run_until(const std::function<bool()>& pred, double limit_ms) {
    int64_t limit = now_us_ + static_cast<int64_t>(limit_ms * 1000.0);
    while (!pred()) {
        if (!step(limit)) {
            now_us_ = std::max(now_us_, limit);
            return pred();
        }
    }
    return true;
}

}  // namespace ui
