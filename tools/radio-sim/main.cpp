// radio-sim: the simulated radio on a pseudo-terminal, for the real program.
//
//   radio-sim --pty [--pace] [--link PATH]... [options]
//
// Prints the pseudo-terminal's path on the first line of its output (and,
// with --link, the name it linked on the second) and serves the radio there
// until it is interrupted (SIGINT or SIGTERM). With
// --pace every byte takes its 9600-baud time on the line, both ways (1/960 s
// a byte), as a real cable would; without it replies go out at once.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iterator>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/adj_file.h"
#include "model/datafile.h"
#include "radio-sim/radio_sim.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;
void on_signal(int) { g_stop = 1; }

double now_us() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

void usage() {
    std::fprintf(stderr,
                 "usage: radio-sim --pty [--pace] [--link PATH]... [--pattern] [--load FILE] [--adj FILE]\n"
                 "                 [--dump FILE] [--password P1[,P2]] [--log]\n"
                 "  --link PATH  a link to the pseudo-terminal at the first PATH that is free\n"
                 "  --pattern    the memory starts with a byte pattern instead of a radio in use\n"
                 "  --load FILE  the radio's memory from the program's data file (.dat) or a\n"
                 "               binary file of 0x4010 bytes\n"
                 "  --dump FILE  its memory at the end, as a data file when FILE ends in .dat,\n"
                 "               else binary\n"
                 "  --adj FILE   its alignment area 0x3C00-0x3DFF from an alignment (.adj) file\n"
                 "  faults: [--silent] [--wrong-ident] [--no-end-mark] [--ident-01 48|49] [--pieces N]\n"
                 "          [--piece-gap MS] [--late-last MS] [--extra N] [--shift-x N] [--wrong-ack]\n"
                 "          [--silent-after N] [--vanish-after N] [--stray FRAME MS BYTE]\n"
                 "  --stray FRAME MS BYTE  one byte BYTE arrives MS ms after frame FRAME (the first\n"
                 "               is 1), apart from the order of the line\n");
}

struct Options {
    bool pty = false, pace = false, log = false, pattern = false;
    std::vector<std::string> links;
    std::string load, adj, dump, password;
    radiosim::Faults faults;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        auto number = [&](int& out) {
            std::string v;
            if (!value(v)) return false;
            char* end = nullptr;
            long n = std::strtol(v.c_str(), &end, 10);
            if (end == v.c_str() || *end != '\0' || n < 0 || n > 1000000) return false;
            out = static_cast<int>(n);
            return true;
        };
        bool ok = true;
        if (a == "--pty") o.pty = true;
        else if (a == "--pace") o.pace = true;
        else if (a == "--log") o.log = true;
        else if (a == "--pattern") o.pattern = true;
        else if (a == "--link") ok = value(o.links.emplace_back());
        else if (a == "--load") ok = value(o.load);
        else if (a == "--adj") ok = value(o.adj);
        else if (a == "--dump") ok = value(o.dump);
        else if (a == "--password") ok = value(o.password);
        else if (a == "--silent") o.faults.silent = true;
        else if (a == "--wrong-ident") o.faults.wrong_ident = true;
        else if (a == "--no-end-mark") o.faults.no_end_mark = true;
        else if (a == "--ident-01")
            ok = number(o.faults.ident_01_mark_at) && (o.faults.ident_01_mark_at == 48 || o.faults.ident_01_mark_at == 49);
        else if (a == "--wrong-ack") o.faults.wrong_ack = true;
        else if (a == "--pieces") ok = number(o.faults.pieces);
        else if (a == "--piece-gap") ok = number(o.faults.piece_gap_ms);
        else if (a == "--late-last") ok = number(o.faults.late_last_ms);
        else if (a == "--extra") ok = number(o.faults.extra_bytes);
        else if (a == "--shift-x") ok = number(o.faults.x_shift);
        else if (a == "--silent-after") ok = number(o.faults.silent_after);
        else if (a == "--vanish-after") ok = number(o.faults.vanish_after);
        else if (a == "--stray") {
            int byte = 0;
            ok = number(o.faults.stray_frame) && number(o.faults.stray_ms) && number(byte) && byte <= 255 &&
                 o.faults.stray_frame > 0;
            o.faults.stray_byte = static_cast<uint8_t>(byte);
        }
        else ok = false;
        if (!ok) {
            std::fprintf(stderr, "radio-sim: bad argument %s\n", a.c_str());
            return false;
        }
    }
    return o.pty;
}

const char* kind_name(radiosim::Frame::Kind k) {
    switch (k) {
    case radiosim::Frame::Program: return "program";
    case radiosim::Frame::Ack: return "ack";
    case radiosim::Frame::Read: return "read";
    case radiosim::Frame::Write: return "write";
    default: return "junk";
    }
}

// A file named NAME.dat (any case) is a data file.
bool is_data_file_name(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".dat";
}

// The memory from a binary file of exactly kMemBytes bytes, or else from the
// program's data file (the whole image, 0x0000-0x400F). A file that is
// neither is refused with the data file's message.
bool load_memory(const std::string& path, radiosim::Radio& radio) {
    // Read as a data file is (a plain file, never more than its limit).
    std::string bytes;
    if (const bx::FileError e = bx::Read_for_loading(path, bytes); e && e.kind != bx::FileError::Too_large) {
        std::fprintf(stderr, "radio-sim: %s\n", bx::File_error_text(e, path, 0).c_str());
        return false;
    }
    if (bytes.size() == static_cast<size_t>(radiosim::kMemBytes) && !is_data_file_name(path)) {
        std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(radio.mem.data()));
        return true;
    }
    bx::MemImage img = radio.Image();
    if (bx::FileError e = bx::Load_data_file(path, img)) {
        std::fprintf(stderr, "radio-sim: %s\n", bx::File_error_text(e, path, 0).c_str());
        return false;
    }
    radio.Set_image(img);
    return true;
}

// The links of simulators in one folder are taken and removed one at a
// time: each holds a lock on the folder while it looks at a name and takes
// or removes it.
class FolderLock {
public:
    explicit FolderLock(const std::string& name) {
        const size_t slash = name.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
        fd_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0) flock(fd_, LOCK_EX);
    }
    ~FolderLock() {
        if (fd_ >= 0) close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

// Beside each link it makes, a simulator keeps a hidden file
// ".NAME.radio-sim" naming its process and pseudo-terminal, locked (flock)
// for as long as it owns the name. A link whose file is not locked was left
// by a simulator that is gone, whatever its target is now: pseudo-terminal
// numbers are taken again, so a killed simulator's link may come to name
// another program's terminal.
std::string owner_file(const std::string& name) {
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    return folder + "." + name.substr(slash == std::string::npos ? 0 : slash + 1) + ".radio-sim";
}

// Who owns the link at a name.
enum class Owner {
    Running,  // a running simulator (its owner file is locked)
    Gone,     // a simulator that is gone (its owner file is not locked)
    Unknown,  // no owner file: not a simulator that records its ownership
};

// Opens the owner file of `name` (making it when `make`) and tries its
// lock; `fd` keeps it open, locked when the owner is Gone (the caller's now).
Owner owner_of(const std::string& name, bool make, int& fd) {
    fd = open(owner_file(name).c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | (make ? O_CREAT : 0), 0644);
    if (fd < 0) return Owner::Unknown;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return Owner::Gone;
    close(fd);
    fd = -1;
    return Owner::Running;
}

// Whether the link at `name` may be removed: one a simulator that is gone
// made, or one whose target is gone (left by a simulator that records no
// ownership). Another running simulator's link and a link to something
// that exists are kept. Removes the owner file with such a link.
bool remove_stale(const std::string& name, std::string& why) {
    int fd = -1;
    const Owner owner = owner_of(name, false, fd);
    struct stat target {};
    if (owner == Owner::Running || (owner == Owner::Unknown && stat(name.c_str(), &target) == 0)) {
        why += "radio-sim: " + name + " is a link in use (" +
               (owner == Owner::Running ? "another running simulated radio's" : "what it names is there") +
               "); not replacing it\n";
        return false;
    }
    unlink(name.c_str());
    if (fd >= 0) {
        unlink(owner_file(name).c_str());
        close(fd);
    }
    return true;
}

// Links the pseudo-terminal `pty` at the first of `names` that is free: a
// name that does not exist, or a stale link (remove_stale); a link a running
// simulator owns, a link to something that exists made by no simulator and
// anything that is not a link (a real device, a file) are never replaced.
// Stale links at the names after it are removed. Returns the name taken,
// with `owned` the locked owner file beside it, or "" after saying why each
// name was passed over.
std::string take_link(const std::vector<std::string>& names, const std::string& pty, int& owned) {
    std::string why, taken;
    owned = -1;
    for (const std::string& name : names) {
        FolderLock lock(name);
        struct stat st {};
        const bool exists = lstat(name.c_str(), &st) == 0;
        if (exists && !S_ISLNK(st.st_mode)) {
            why += "radio-sim: " + name + " exists and is not a link; not replacing it\n";
            continue;
        }
        if (exists && !remove_stale(name, why)) continue;
        if (!taken.empty()) continue;
        int fd = -1;
        if (owner_of(name, true, fd) != Owner::Gone) {
            why += "radio-sim: " + owner_file(name) + ": " +
                   (fd < 0 && errno != EWOULDBLOCK ? std::strerror(errno) : "held by a running simulated radio") + "\n";
            continue;
        }
        const std::string record = std::to_string(getpid()) + " " + pty + "\n";
        if (ftruncate(fd, 0) != 0 || write(fd, record.data(), record.size()) != static_cast<ssize_t>(record.size()) ||
            symlink(pty.c_str(), name.c_str()) != 0) {
            why += "radio-sim: " + name + ": " + std::strerror(errno) + "\n";
            unlink(owner_file(name).c_str());
            close(fd);
            continue;
        }
        taken = name;
        owned = fd;
    }
    if (taken.empty()) std::fputs(why.c_str(), stderr);
    return taken;
}

// Gives up the name: removes the link only while it still names `pty` (a
// link put there since is not this simulator's), then the owner file.
void drop_link(const std::string& name, const std::string& pty, int owned) {
    FolderLock lock(name);
    std::vector<char> buf(pty.size() + 2);
    const ssize_t n = readlink(name.c_str(), buf.data(), buf.size());
    if (n >= 0 && std::string(buf.data(), static_cast<size_t>(n)) == pty) unlink(name.c_str());
    unlink(owner_file(name).c_str());
    close(owned);
}

// The memory into a data file when the name ends in .dat, else as its
// kMemBytes bytes.
bool dump_memory(const std::string& path, const radiosim::Radio& radio) {
    if (is_data_file_name(path)) {
        if (bx::FileError e = bx::Save_data_file(path, radio.Image())) {
            std::fprintf(stderr, "radio-sim: %s\n", bx::File_error_text(e, path, 0).c_str());
            return false;
        }
        return true;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(radio.mem.data()), radiosim::kMemBytes);
    if (!out) {
        std::fprintf(stderr, "radio-sim: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// The radio on the master side of the pseudo-terminal, with a queue of
// timed events (paced bytes each way).
class Server {
public:
    Server(radiosim::Radio& r, const Options& o, int master) : radio_(r), opt_(o), fd_(master) {}

    // Runs until interrupted or the port vanishes.
    void run() {
        std::vector<uint8_t> buf(4096);
        while (!g_stop && !radio_.vanished) {
            run_due();
            if (radio_.vanished) break;
            timespec ts{1, 0};
            if (!queue_.empty()) {
                double wait = std::max(0.0, queue_.begin()->first - now_us());
                ts.tv_sec = static_cast<time_t>(wait / 1e6);
                ts.tv_nsec = static_cast<long>((wait - static_cast<double>(ts.tv_sec) * 1e6) * 1e3);
            }
            pollfd p{fd_, POLLIN, 0};
            int n = ppoll(&p, 1, &ts, nullptr);
            if (n < 0) {
                if (errno == EINTR) continue;
                std::perror("radio-sim: poll");
                return;
            }
            if (n > 0 && (p.revents & POLLIN)) {
                ssize_t got = read(fd_, buf.data(), buf.size());
                if (got < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
                    std::perror("radio-sim: read");
                    return;
                }
                for (ssize_t i = 0; i < got; ++i) from_pc(buf[static_cast<size_t>(i)]);
            }
        }
    }

private:
    void at(double t, std::function<void()> f) { queue_.emplace(t, std::move(f)); }

    void run_due() {
        while (!queue_.empty() && queue_.begin()->first <= now_us()) {
            auto f = std::move(queue_.begin()->second);
            queue_.erase(queue_.begin());
            f();
        }
    }

    void from_pc(uint8_t b) {
        if (!opt_.pace) {
            process(b, now_us());
            return;
        }
        in_free_ = std::max(in_free_, now_us()) + radiosim::kByteUs;
        const double t = in_free_;
        at(t, [this, b, t] { process(b, t); });
    }

    void process(uint8_t b, double t) {
        size_t before = radio_.frames.size();
        auto pieces = radio_.Receive(b, static_cast<int64_t>(t));
        if (opt_.log)
            for (size_t i = before; i < radio_.frames.size(); ++i) {
                const auto& f = radio_.frames[i];
                std::fprintf(stderr, "radio-sim: %s", kind_name(f.kind));
                if ((f.kind == radiosim::Frame::Read || f.kind == radiosim::Frame::Write) && f.bytes.size() >= 4)
                    std::fprintf(stderr, " %02X%02X len %u", f.bytes[1], f.bytes[2], f.bytes[3]);
                std::fprintf(stderr, "\n");
            }
        if (radio_.vanished) return;
        double out = std::max(out_free_, now_us());
        for (const radiosim::Piece& piece : pieces) {
            if (piece.apart) {
                at(now_us() + piece.gap_ms * 1000.0, [this, bytes = piece.bytes] { send(bytes); });
                continue;
            }
            out += piece.gap_ms * 1000.0;
            if (!opt_.pace && out <= now_us()) {
                send(piece.bytes);
                continue;
            }
            if (opt_.pace) {
                for (uint8_t r : piece.bytes) {
                    out += radiosim::kByteUs;
                    at(out, [this, r] { send({r}); });
                }
            } else {
                at(out, [this, bytes = piece.bytes] { send(bytes); });
            }
        }
        out_free_ = out;
    }

    void send(const std::vector<uint8_t>& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR || errno == EAGAIN) continue;
                return;
            }
            done += static_cast<size_t>(n);
        }
    }

    radiosim::Radio& radio_;
    const Options& opt_;
    int fd_;
    std::multimap<double, std::function<void()>> queue_;
    double in_free_ = 0, out_free_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!parse(argc, argv, opt)) {
        usage();
        return 2;
    }
    radiosim::Radio radio(opt.pattern ? radiosim::Memory::Pattern : radiosim::Memory::InUse);
    radio.faults = opt.faults;
    if (!opt.load.empty() && !load_memory(opt.load, radio)) return 1;
    if (!opt.adj.empty()) {
        bx::AdjTable t = radio.Adj_area();
        if (bx::FileError e = bx::Load_adj_file(opt.adj, t)) {
            std::fprintf(stderr, "radio-sim: %s\n", bx::File_error_text(e, opt.adj, 0).c_str());
            return 1;
        }
        radio.Set_adj_area(t);
    }
    if (!opt.password.empty()) {
        std::string p1 = opt.password, p2;
        if (auto comma = p1.find(','); comma != std::string::npos) {
            p2 = p1.substr(comma + 1);
            p1.resize(comma);
        }
        radio.Set_passwords(p1, p2);
    }

    int master = -1, slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("radio-sim: openpty");
        return 1;
    }
    // Raw bytes both ways: no echo, no line editing, no newline mapping. The
    // slave stays open here too, so the master never reads a hang-up while
    // the program has the port closed.
    termios tio{};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tcsetattr(slave, TCSANOW, &tio);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    std::string link;
    int owned = -1;
    if (!opt.links.empty() && (link = take_link(opt.links, name, owned)).empty()) return 1;
    std::signal(SIGINT, on_signal);
    std::signal(SIGTERM, on_signal);
    std::printf("%s\n", name);
    if (!link.empty()) std::printf("%s\n", link.c_str());
    std::fflush(stdout);

    Server(radio, opt, master).run();

    if (radio.vanished) std::fprintf(stderr, "radio-sim: the port vanishes\n");
    close(master);
    close(slave);
    if (!link.empty()) drop_link(link, name, owned);
    if (!opt.dump.empty() && !dump_memory(opt.dump, radio)) return 1;
    return 0;
}
