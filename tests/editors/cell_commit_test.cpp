// The overlay rule on a stand-in overlay: a value goes only into the cell
// the overlay was placed on, and nothing once that cell has been left.
#include <gtest/gtest.h>

#include <vector>

#include "editors/cell_commit.h"

namespace {

struct FakeOverlay {
    bool placed_ = false;
    int r = -1, c = -1;
    void place(int row, int col) { placed_ = true, r = row, c = col; }
    bool placed() const { return placed_; }
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

}  // namespace
