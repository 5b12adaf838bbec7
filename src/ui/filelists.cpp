#include "ui/filelists.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace ui {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool less_name(const std::string& a, const std::string& b) {
    std::string la(a), lb(b);
    std::transform(la.begin(), la.end(), la.begin(), lower);
    std::transform(lb.begin(), lb.end(), lb.begin(), lower);
    return la != lb ? la < lb : a < b;
}

bool match_one(const std::string& p, size_t pi, const std::string& s, size_t si) {
    // Iterative wildcard match with one backtrack point for the last "*".
    size_t star = std::string::npos, mark = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == '?' || lower(p[pi]) == lower(s[si]))) {
            ++pi, ++si;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            mark = si;
        } else if (star != std::string::npos) {
            pi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

// Absolute, normal form without a trailing "/" (but for the root).
std::string normal_folder(const std::string& p) {
    std::error_code ec;
    fs::path a = fs::absolute(fs::path(p), ec);
    if (ec) a = fs::path(p);
    std::string s = a.lexically_normal().generic_string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

bool is_folder(const std::string& p) {
    std::error_code ec;
    return !p.empty() && fs::is_directory(fs::path(p), ec);
}

bool hidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

}  // namespace

bool Pattern_match(const std::string& pattern, const std::string& name) {
    size_t start = 0;
    while (start <= pattern.size()) {
        size_t end = pattern.find(';', start);
        if (end == std::string::npos) end = pattern.size();
        std::string one = pattern.substr(start, end - start);
        if (one == "*.*") one = "*";  // every file, with or without a suffix
        if (!one.empty() && match_one(one, 0, name, 0)) return true;
        start = end + 1;
    }
    return false;
}

std::string Current_folder() {
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    if (ec || p.empty()) return "/";
    return normal_folder(p.string());
}

// ---- DriveListBox ----

void DriveListBox::Refresh() {
    std::string keep = Drive();
    items_ = {"/"};
    int i = find(keep);
    index_ = i >= 0 ? i : 0;
    changed("List");
}

void DriveListBox::setDrive(const std::string& drive) {
    int i = find(drive);
    if (i >= 0) setListIndex(i);
}

void DriveListBox::reset_props() {
    reset_list();
    items_ = {"/"};
    index_ = 0;
}

// ---- DirListBox ----

void DirListBox::reset_props() {
    reset_list();
    path_ = Current_folder();
    list();
}

void DirListBox::list() {
    entries_.clear();
    // The open chain: the root, each folder above, the path itself.
    fs::path p(path_);
    std::vector<std::string> chain;
    for (fs::path q = p; ; q = q.parent_path()) {
        chain.push_back(q.generic_string());
        if (q == q.parent_path() || q.parent_path().empty()) break;
    }
    std::reverse(chain.begin(), chain.end());
    int level = 0;
    for (const std::string& c : chain) {
        std::string label = fs::path(c).filename().generic_string();
        if (label.empty()) label = c;  // the root
        entries_.push_back(Entry{c, label, level++, true});
    }
    path_index_ = static_cast<int>(entries_.size()) - 1;
    // The folders inside the path; a folder that cannot be read lists none.
    std::vector<std::string> subs;
    std::error_code ec;
    fs::directory_iterator it(p, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code ec2;
        std::string name = it->path().filename().string();
        if (hidden(name)) continue;
        if (it->is_directory(ec2) && !ec2) subs.push_back(name);
    }
    std::sort(subs.begin(), subs.end(), less_name);
    for (const std::string& s : subs) {
        std::string full = path_ == "/" ? "/" + s : path_ + "/" + s;
        entries_.push_back(Entry{full, s, level, false});
    }
    items_.clear();
    for (const Entry& e : entries_) items_.push_back(e.label);
    index_ = path_index_;
    changed("List");
    changed("ListIndex");
}

bool DirListBox::setPath(const std::string& p) {
    if (p.empty()) return false;
    std::string n = normal_folder(p);
    if (!is_folder(n)) return false;
    bool moved = n != path_;
    path_ = n;
    list();
    if (moved) {
        changed("Path");
        fire(Change);
    }
    return true;
}

void DirListBox::Refresh() { list(); }

void DirListBox::open(int i) {
    if (!usable() || i < 0 || i >= static_cast<int>(entries_.size())) return;
    setPath(entries_[static_cast<size_t>(i)].path);
}

// ---- FileListBox ----

void FileListBox::reset_props() {
    reset_list();
    pattern_ = "*.*";
    path_ = Current_folder();
    list();
}

void FileListBox::list() {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fs::path(path_), fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code ec2;
        std::string name = it->path().filename().string();
        if (hidden(name) || !Pattern_match(pattern_, name) || (accept_ && !accept_(name))) continue;
        if (it->is_regular_file(ec2) && !ec2) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), less_name);
    std::string keep = FileName();
    items_ = std::move(names);
    index_ = keep.empty() ? -1 : find(keep);
    changed("List");
    changed("ListIndex");
}

bool FileListBox::setPath(const std::string& p) {
    if (p.empty()) return false;
    std::string n = normal_folder(p);
    if (!is_folder(n)) return false;
    if (n != path_) {
        path_ = n;
        index_ = -1;
        changed("Path");
    }
    list();
    return true;
}

void FileListBox::setPattern(const std::string& pattern) {
    if (pattern == pattern_) return;
    pattern_ = pattern;
    changed("Pattern");
    list();
}

void FileListBox::setNameFilter(std::function<bool(const std::string&)> accept) {
    accept_ = std::move(accept);
    list();
}

void FileListBox::Refresh() { list(); }

}  // namespace ui
