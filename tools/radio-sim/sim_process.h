// Runs `radio-sim --pty` as a child process for end-to-end runs of the real
// program: starts it, reads the pseudo-terminal's path it prints, and stops
// it again (it then writes its memory to the dump file, when asked to).
#pragma once

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace radiosim {

// The radio-sim program next to the running executable, unless
// BX_RADIO_SIM names another.
inline std::string Sim_program_path() {
    if (const char* p = std::getenv("BX_RADIO_SIM"); p && *p) return p;
    std::array<char, 4096> buf{};
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    std::string self = n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
    auto slash = self.rfind('/');
    return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/radio-sim";
}

class SimProcess {
public:
    SimProcess() = default;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess() { Stop(); }

    // Starts `radio-sim --pty args...`; false when it does not come up.
    bool Start(const std::vector<std::string>& args) {
        int out[2];
        if (pipe(out) != 0) return false;
        const std::string prog = Sim_program_path();
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            // A driver that dies (a failed test, a signal) takes its radio
            // with it, so none is left holding the terminal or its output.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(prog.c_str()));
            std::string pty = "--pty";
            argv.push_back(pty.data());
            std::vector<std::string> copy = args;
            for (auto& a : copy) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(prog.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        FILE* f = fdopen(out[0], "r");
        char line[512] = {};
        bool ok = f && std::fgets(line, sizeof line, f) != nullptr;
        if (f) std::fclose(f);
        if (!ok) {
            Stop();
            return false;
        }
        path_ = line;
        while (!path_.empty() && (path_.back() == '\n' || path_.back() == '\r')) path_.pop_back();
        return !path_.empty();
    }

    // Stops the simulator and waits for it; returns its exit status.
    int Stop() {
        if (pid_ <= 0) return -1;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Kills the simulator at once (SIGKILL: it cleans nothing up) and waits
    // for it.
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    const std::string& path() const { return path_; }

private:
    pid_t pid_ = -1;
    std::string path_;
};

// The contents of a memory dump the simulator wrote.
inline std::vector<uint8_t> Read_dump(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace radiosim
