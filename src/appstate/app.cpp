// The application object (app.h): its operations on the shared state, which
// need no window class and sit below the window layers that call them. Its
// constructor and destructor, which create and destroy the windows, are the
// composition root: src/app/composition_root.cpp.
#include <algorithm>

#include "appstate/app.h"
#include "ui/form.h"

namespace bx {

void App::Start() { forms_.front()->Load(); }

void App::End() {
    if (ended_) return;
    // The main window is the first form.
    for (ui::Form* f : forms_)
        if (f != forms_.front()) f->Unload(true, ui::vbFormMDIForm);
    forms_.front()->Unload(true, ui::vbFormMDIForm);
    ended_ = true;
    rt.host().quit();
}

void App::Open(ui::Form& f) { f.Load(); }

void App::Unload(ui::Form& f) { f.Unload(true); }

bool App::Try_unload(ui::Form& f) { return f.Unload(false, ui::vbFormCode); }

void App::Unload_for_end(ui::Form& f) { f.Unload(true, ui::vbFormMDIForm); }

void App::Add_window(EditorId id, std::unique_ptr<ui::Form> f) {
    ui::Form*& slot = editors_[static_cast<int>(id)];
    if (!f) return;
    if (ui::Form* old = slot) {
        // A stand-in takes the place of the window the program made.
        old->Unload(true);
        std::erase(forms_, old);
        std::erase_if(owned_, [old](const std::unique_ptr<ui::Form>& w) { return w.get() == old; });
    }
    slot = f.get();
    add_form(*f);
    owned_.push_back(std::move(f));
}


void App::Reopen(ui::Form& f) {
    f.Unload(true);
    f.Load();
}

ui::Form* App::Form_named(std::string_view name) const {
    for (ui::Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

namespace {
using Listeners = std::vector<std::pair<int, std::function<void()>>>;

// Adds an entry under the next id of `next` and returns that id.
template <class Entries, class Fn>
int Add_entry(Entries& es, int& next, Fn fn) {
    const int id = next++;
    es.emplace_back(id, std::move(fn));
    return id;
}

template <class Entries>
void Remove_entry(Entries& es, int id) {
    std::erase_if(es, [id](const auto& e) { return e.first == id; });
}

// Runs every listener in the order they were added. Ids first: a listener
// may add or remove listeners while it runs.
void Run_listeners(const Listeners& ls) {
    std::vector<int> ids;
    for (const auto& l : ls) ids.push_back(l.first);
    for (int id : ids) {
        auto it = std::find_if(ls.begin(), ls.end(), [id](const auto& l) { return l.first == id; });
        if (it == ls.end()) continue;
        std::function<void()> f = it->second;  // a copy: the listener may remove itself
        f();
    }
}
}  // namespace

int App::Add_image_listener(std::function<void()> on_replaced) {
    return Add_entry(image_listeners_, next_listener_id_, std::move(on_replaced));
}

void App::Remove_image_listener(int id) { Remove_entry(image_listeners_, id); }

void App::Image_replaced() {
    Data_replaced(kWholeImage);
    Run_listeners(image_listeners_);
}

void App::Data_replaced(const DataArea& a) {
    ++last_mark_;
    auto mark = [&](auto& marks, const RecordRange& r) {
        for (int k = std::max(r.first, 0); k <= r.last && k < static_cast<int>(marks.size()); ++k)
            marks[static_cast<size_t>(k)] = last_mark_;
    };
    for (const RecordRange& r : {a.records, a.more}) {
        if (a.set == DataSet::Image) mark(image_marks_, r);
        else mark(adj_marks_, r);
    }
}

uint64_t App::Data_mark(const DataArea& a) const {
    uint64_t m = 0;
    auto latest = [&](const auto& marks, const RecordRange& r) {
        for (int k = std::max(r.first, 0); k <= r.last && k < static_cast<int>(marks.size()); ++k)
            m = std::max(m, marks[static_cast<size_t>(k)]);
    };
    for (const RecordRange& r : {a.records, a.more}) {
        if (a.set == DataSet::Image) latest(image_marks_, r);
        else latest(adj_marks_, r);
    }
    return m;
}

int App::Add_limits_listener(std::function<void()> on_changed) {
    return Add_entry(limits_listeners_, next_listener_id_, std::move(on_changed));
}

void App::Remove_limits_listener(int id) { Remove_entry(limits_listeners_, id); }

void App::Limits_changed() { Run_listeners(limits_listeners_); }

int App::Add_exchange(std::function<ExchangeRun()> runs) { return Add_entry(exchanges_, next_exchange_id_, std::move(runs)); }

void App::Remove_exchange(int id) { Remove_entry(exchanges_, id); }

bool App::Radio_busy() const {
    return std::any_of(exchanges_.begin(), exchanges_.end(),
                       [](const auto& e) { return e.second() != ExchangeRun::None; });
}

bool App::Exchange_runs() const {
    return std::any_of(exchanges_.begin(), exchanges_.end(), [](const auto& e) {
        const ExchangeRun r = e.second();
        return r == ExchangeRun::Reading || r == ExchangeRun::Writing;
    });
}

bool App::Write_runs() const {
    return std::any_of(exchanges_.begin(), exchanges_.end(),
                       [](const auto& e) { return e.second() == ExchangeRun::Writing; });
}

}  // namespace bx
