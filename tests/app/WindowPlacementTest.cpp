#include <gtest/gtest.h>

#include "core/app/WindowPlacement.h"

namespace {

// A 1366 x 768 screen with a 28-pixel panel at the bottom.
constexpr SScreenRect SCREEN{0, 0, 1366, 740};

struct SPlacementCase {
    const char* what;
    EWindowPlacement how;
    SScreenRect owner;
    int ownerBarsBottom;
    int width, height, minWidth;
    SScreenRect expected;
};

// The main window in the examples is 800 x 560 with its menu bar ending 60 pixels below its top.
const SPlacementCase CASES[] = {
    {"a small dialog is centred on its owner",
     EWindowPlacement::CentredOnOwner,
     {200, 100, 800, 560},
     160,
     300,
     200,
     0,
     {450, 280, 300, 200}},
    {"a dialog taller than its owner starts below the owner's menu bar",
     EWindowPlacement::CentredOnOwner,
     {200, 100, 800, 400},
     160,
     500,
     560,
     0,
     {350, 160, 500, 560}},
    {"... unless the screen ends first: it is pushed up into the screen",
     EWindowPlacement::CentredOnOwner,
     {200, 300, 800, 400},
     360,
     500,
     600,
     0,
     {350, 140, 500, 600}},
    {"an owner at the screen's right edge keeps its dialog inside the screen",
     EWindowPlacement::CentredOnOwner,
     {1000, 100, 600, 400},
     160,
     700,
     300,
     0,
     {666, 160, 700, 300}},
    {"an owner partly above the screen keeps its dialog inside it",
     EWindowPlacement::CentredOnOwner,
     {100, -300, 800, 400},
     -240,
     300,
     200,
     0,
     {350, 0, 300, 200}},
    {"a dialog wider than the screen starts at its left edge",
     EWindowPlacement::CentredOnOwner,
     {200, 100, 800, 560},
     160,
     1500,
     200,
     0,
     {0, 280, 1500, 200}},

    {"beside: right of the owner when it fits there",
     EWindowPlacement::BesideOwner,
     {0, 0, 700, 560},
     60,
     600,
     500,
     300,
     {708, 0, 600, 500}},
    {"beside: left of the owner when only the left has room",
     EWindowPlacement::BesideOwner,
     {700, 50, 600, 560},
     110,
     600,
     500,
     300,
     {92, 50, 600, 500}},
    {"beside: narrowed to the roomier side when it fits whole on neither",
     EWindowPlacement::BesideOwner,
     {200, 100, 800, 560},
     160,
     1180,
     620,
     300,
     {1008, 100, 358, 620}},
    {"beside: no room for even its least width: as wide as it asks, inside the screen",
     EWindowPlacement::BesideOwner,
     {283, 90, 800, 560},
     150,
     1180,
     620,
     400,
     {186, 90, 1180, 620}},
    {"beside: a window taller than the screen is cut to it",
     EWindowPlacement::BesideOwner,
     {0, 0, 700, 560},
     60,
     600,
     900,
     300,
     {708, 0, 600, 740}},
    {"beside: the owner low on the screen lifts the window into it",
     EWindowPlacement::BesideOwner,
     {0, 500, 700, 200},
     560,
     600,
     500,
     300,
     {708, 240, 600, 500}},
};

TEST(WindowPlacement, CentredOrBesideTheOwnerAndInsideTheScreen) {
    for (const SPlacementCase& c : CASES) {
        const SWindowPlacementRequest request{c.how,   SCREEN,   c.owner,   c.ownerBarsBottom,
                                              c.width, c.height, c.minWidth};
        const SScreenRect placed = PlaceWindow(request);
        EXPECT_EQ(placed, c.expected) << c.what << ": got " << placed.left << "," << placed.top << " "
                                      << placed.width << "x" << placed.height;
    }
}

// Whatever the owner's place, a window that fits on the screen ends up wholly on it, and a window
// beside its owner only covers it when neither side has room for its least width.
TEST(WindowPlacement, NeverLeavesTheScreenAndCoversTheOwnerOnlyWithoutRoom) {
    for (int ownerLeft = -400; ownerLeft <= 1300; ownerLeft += 97) {
        for (int ownerTop = -200; ownerTop <= 700; ownerTop += 113) {
            const SScreenRect owner{ownerLeft, ownerTop, 1000, 560};
            for (EWindowPlacement how : {EWindowPlacement::CentredOnOwner, EWindowPlacement::BesideOwner}) {
                const SScreenRect w = PlaceWindow({how, SCREEN, owner, ownerTop + 60, 500, 400, 250});
                EXPECT_GE(w.left, SCREEN.left);
                EXPECT_GE(w.top, SCREEN.top);
                EXPECT_LE(w.Right(), SCREEN.Right());
                EXPECT_LE(w.Bottom(), SCREEN.Bottom());
                if (how != EWindowPlacement::BesideOwner) continue;
                const int roomRight = SCREEN.Right() - owner.Right() - BESIDE_OWNER_GAP;
                const int roomLeft = owner.left - BESIDE_OWNER_GAP - SCREEN.left;
                const bool overlaps = w.left < owner.Right() && owner.left < w.Right();
                EXPECT_EQ(overlaps, roomRight < 250 && roomLeft < 250) << ownerLeft << "," << ownerTop;
            }
        }
    }
}

}  // namespace
