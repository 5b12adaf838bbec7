// The event loop and clock behind every timer tick, serial byte and message
// box. The program runs on a real loop (src/qt); tests run on SimLoop, whose
// clock only moves when the test advances it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace ui {

using Callback = std::function<void()>;

class Loop {
public:
    virtual ~Loop() = default;
    // Milliseconds since the loop started.
    virtual double now_ms() const = 0;
    // A periodic timer: cb runs every interval_ms from now on until cancelled.
    virtual int add_timer(int interval_ms, Callback cb) = 0;
    virtual void cancel_timer(int id) = 0;
    // A fixed short pause that handles no event in between.
    virtual void busy_wait() = 0;
    // Runs cb on the loop as soon as the current handler has returned.
    virtual void post(Callback cb) = 0;

    // Runs one handler at the loop's boundary. An exception escaping it (a
    // bad index, a failed allocation) ends that handler only: on_failure
    // (the runtime's error box) is told what failed, and the loop runs on,
    // so the user keeps the program and the data in it.
    void run_handler(const Callback& cb);
    std::function<void(const std::string& what)> on_failure;
};

// Virtual clock in microseconds. Events fire in time order; events due at the
// same moment fire in the order they were scheduled. Handlers may run the
// loop again from inside (a modal message box does), so every run is
// re-entrant.
class SimLoop : public Loop {
public:
    static constexpr int64_t kBusyWaitUs = 2000;

    double now_ms() const override { return static_cast<double>(now_us_) / 1000.0; }
    int64_t now_us() const { return now_us_; }

    int add_timer(int interval_ms, Callback cb) override;
    void cancel_timer(int id) override;
    void busy_wait() override { now_us_ += kBusyWaitUs; ++busy_waits_; }
    void post(Callback cb) override { at_us(now_us_, std::move(cb)); }

    // One-shot event at an absolute virtual time (never earlier than now).
    void at_us(int64_t t_us, Callback cb);

    // Handles every event due up to now + ms, then sets the clock there.
    void run_for(double ms);
    // Handles events until pred() holds or the clock passes now + limit_ms;
    // returns whether pred() held.
    bool run_until(const std::function<bool()>& pred, double limit_ms);
    // Handles the events that are due now, without moving the clock.
    void run_pending() { run_for(0); }

    int active_timers() const { return static_cast<int>(timers_.size()); }
    int64_t busy_waits() const { return busy_waits_; }

private:
    struct Key {
        int64_t t;
        uint64_t seq;
        bool operator<(const Key& o) const { return std::tie(t, seq) < std::tie(o.t, o.seq); }
    };
    struct Event {
        Callback cb;
        int timer_id = 0;      // 0 for one-shot events
        uint64_t timer_gen = 0;
    };
    struct TimerRec {
        int64_t interval_us;
        Callback cb;
        uint64_t gen;
    };
    bool step(int64_t limit_us);
    void schedule_timer(int id, int64_t t_us);

    int64_t now_us_ = 0;
    uint64_t seq_ = 0;
    int64_t busy_waits_ = 0;
    int next_timer_ = 1;
    uint64_t next_gen_ = 1;
    std::map<Key, Event> queue_;
    std::map<int, TimerRec> timers_;
};

}  // namespace ui
