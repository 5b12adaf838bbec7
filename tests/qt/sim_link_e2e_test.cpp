// Two simulated radios side by side, linked the way `scripts/run --sim` asks
// for (the first free name of a list): each takes a name of its own, passes
// over a real device and another running radio's link, and removes only the
// link that still names its own pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "radio-sim/sim_process.h"
#include "support/tempdir.h"

namespace {

// What the link at `name` names ("" when it is no link).
std::string link_target(const std::string& name) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::read_symlink(name, ec);
    return ec ? std::string() : p.string();
}

}  // namespace

TEST(SimulatorLinks, TwoRunsSideBySideKeepTheirOwnLinks) {
    bxtest::TempDir dir;
    namespace fs = std::filesystem;
    // As the trial script asks: the highest name first.
    std::vector<std::string> args;
    for (const char* n : {"ttyUSB3", "ttyUSB2", "ttyUSB1", "ttyUSB0"}) {
        args.push_back("--link");
        args.push_back(dir / n);
    }
    dir.write("ttyUSB3", "a real device");  // never replaced
    fs::create_symlink(dir / "gone/pts/99", dir / "ttyUSB1");  // left by a killed radio

    radiosim::SimProcess first, second, third;
    ASSERT_TRUE(first.Start(args));
    EXPECT_EQ(link_target(dir / "ttyUSB2"), first.path());
    ASSERT_TRUE(second.Start(args));  // passes over the first's link, takes the stale one
    EXPECT_EQ(link_target(dir / "ttyUSB1"), second.path());
    EXPECT_EQ(link_target(dir / "ttyUSB2"), first.path());
    EXPECT_NE(first.path(), second.path());

    // Ending the first leaves the second's link.
    EXPECT_EQ(first.Stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "ttyUSB2")));
    EXPECT_EQ(link_target(dir / "ttyUSB1"), second.path());
    EXPECT_EQ(dir.read("ttyUSB3"), "a real device");

    // A link no longer naming its radio's pseudo-terminal is not its own.
    ASSERT_TRUE(third.Start(args));
    EXPECT_EQ(link_target(dir / "ttyUSB2"), third.path());
    fs::remove(dir / "ttyUSB2");
    fs::create_symlink(second.path(), dir / "ttyUSB2");
    EXPECT_EQ(third.Stop(), 0);
    EXPECT_EQ(link_target(dir / "ttyUSB2"), second.path());

    // No free name: the radio does not start, and nothing is replaced.
    EXPECT_FALSE(third.Start({"--link", dir / "ttyUSB3", "--link", dir / "ttyUSB1"}));
    EXPECT_EQ(link_target(dir / "ttyUSB1"), second.path());
    EXPECT_EQ(second.Stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "ttyUSB1")));
}

namespace {

// Opens pseudo-terminals until one is `path` (the lowest free number is
// given first) or another program holds that path; the terminals opened stay
// open in `held` until the caller closes them.
bool take_terminal(const std::string& path, std::vector<int>& held) {
    for (int i = 0; i < 64; ++i) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) return true;
        const int fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (fd < 0 || ::grantpt(fd) != 0 || ::unlockpt(fd) != 0) {
            if (fd >= 0) ::close(fd);
            return false;
        }
        held.push_back(fd);
        const char* name = ::ptsname(fd);
        if (name && path == name) return true;
    }
    return false;
}

}  // namespace

TEST(SimulatorLinks, AKilledRadiosLinkIsStaleEvenWhenItsTerminalIsTakenAgain) {
    bxtest::TempDir dir;
    namespace fs = std::filesystem;
    const std::vector<std::string> args = {"--link", dir / "ttyUSB2", "--link", dir / "ttyUSB1"};
    radiosim::SimProcess first, second, third;
    ASSERT_TRUE(first.Start(args));
    ASSERT_TRUE(second.Start(args));
    ASSERT_EQ(link_target(dir / "ttyUSB2"), first.path());
    ASSERT_EQ(link_target(dir / "ttyUSB1"), second.path());
    // Both killed: their links stay, and their terminals' numbers are taken
    // by another program (this test).
    first.Kill();
    second.Kill();
    std::vector<int> held;
    const bool taken = take_terminal(first.path(), held) && take_terminal(second.path(), held);
    if (!taken) {
        for (int fd : held) ::close(fd);
        GTEST_SKIP() << "the killed radios' terminal numbers were not given out again";
    }
    EXPECT_EQ(link_target(dir / "ttyUSB2"), first.path());
    EXPECT_TRUE(fs::exists(dir / "ttyUSB2"));  // the link looks alive

    // A new radio takes the first stale name and removes the other stale link.
    ASSERT_TRUE(third.Start(args));
    EXPECT_EQ(link_target(dir / "ttyUSB2"), third.path());
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "ttyUSB1")));
    for (int fd : held) ::close(fd);
    EXPECT_EQ(third.Stop(), 0);
    EXPECT_EQ(dir.names(), std::vector<std::string>{});  // neither links nor what marks their owners
}
