// The overlay rule on a stand-in overlay: a value goes only into the cell
// the overlay was placed on, and nothing once that cell has been left.
#include <gtest/gtest.h>

#include <vector>

#include "editors/cell_commit.h"

namespace {

struct FakeOverlay {
    bool placed_ = false;
    bool edited_ = true;
    int r = -1, c = -1;
    void place(int row, int col) { placed_ = true, r = row, c = col; }
    bool placed() const { return placed_; }
    bool edited() const { return placed_ && edited_; }
    bool on(int row, int col) const { return placed_ && r == row && c == col; }
    void release() { placed_ = false; }
};

TEST(CellCommit, StoresOnlyIntoItsOwnCellAndOnlyOnce) {
    FakeOverlay o;
    std::vector<int> stored;  // rows stored into
    auto leave = [&](int row, int col) { bx::Commit_cell(o, row, col, [&] { stored.push_back(row); }); };
    leave(1, 1);  // nothing placed: a key move stores nothing
    o.place(2, 3);
    EXPECT_TRUE(bx::Overlay_live(o));
    leave(2, 4);  // another cell left (the program moved): nothing, and the overlay is spent
    EXPECT_FALSE(bx::Overlay_live(o));
    leave(2, 3);
    EXPECT_TRUE(stored.empty());
    o.place(5, 1);
    leave(5, 1);  // its own cell: stored once
    leave(5, 1);
    EXPECT_EQ(stored, std::vector<int>{5});
    EXPECT_FALSE(bx::Overlay_live(o));  // a later pick in a list left visible stores nothing
}

TEST(CellCommit, StoresOnlyAnEditOrAShownValueThatFailsItsCheck) {
    struct Case {
        const char* what;
        bool edited, shown_fails, stores;
    };
    const Case cases[] = {
        {"opened and left as it was", false, false, false},
        {"edited", true, false, true},
        {"left as it was, but out of range", false, true, true},
        {"edited and out of range", true, true, true},
    };
    for (const Case& c : cases) {
        FakeOverlay o;
        o.place(3, 2);
        o.edited_ = c.edited;
        int stored = 0;
        const bool did = bx::Commit_cell(o, 3, 2, [&] { ++stored; }, [&] { return c.shown_fails; });
        EXPECT_EQ(did, c.stores) << c.what;
        EXPECT_EQ(stored, c.stores ? 1 : 0) << c.what;
        EXPECT_FALSE(bx::Overlay_live(o)) << c.what;  // released either way
    }
}

}  // namespace
