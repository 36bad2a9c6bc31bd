#include "core/app/WindowPlacement.h"

#include <algorithm>

namespace {

// The edge of a window `length` long that starts at `wanted`, moved into [first, first + room): a
// window longer than the room starts at `first`.
int FitInto(int wanted, int length, int first, int room) {
    return std::max(first, std::min(wanted, first + room - length));
}

SScreenRect IntoScreen(SScreenRect window, const SScreenRect& screen) {
    window.left = FitInto(window.left, window.width, screen.left, screen.width);
    window.top = FitInto(window.top, window.height, screen.top, screen.height);
    return window;
}

SScreenRect CentredOnOwner(const SWindowPlacementRequest& r) {
    SScreenRect window{r.owner.left + (r.owner.width - r.width) / 2,
                       r.owner.top + (r.owner.height - r.height) / 2, r.width, r.height};
    window.top = std::max(window.top, r.ownerBarsBottom);
    return IntoScreen(window, r.screen);
}

// Right of the owner when the window fits there whole, else left of it; else on the roomier side,
// narrowed to that room when its least width fits; else on the roomier side as wide as it asks, pushed
// into the screen (it then covers part of the owner: there is no room beside it).
SScreenRect BesideOwner(const SWindowPlacementRequest& r) {
    const int roomRight = r.screen.Right() - (r.owner.Right() + BESIDE_OWNER_GAP);
    const int roomLeft = r.owner.left - BESIDE_OWNER_GAP - r.screen.left;
    const bool right = roomRight >= r.width || (roomLeft < r.width && roomRight >= roomLeft);
    const int room = right ? roomRight : roomLeft;
    const int width = room >= r.width || room < r.minWidth ? r.width : room;
    const int left = right ? r.owner.Right() + BESIDE_OWNER_GAP : r.owner.left - BESIDE_OWNER_GAP - width;
    return IntoScreen({left, r.owner.top, width, std::min(r.height, r.screen.height)}, r.screen);
}

}  // namespace

SScreenRect PlaceWindow(const SWindowPlacementRequest& request) {
    return request.how == EWindowPlacement::BesideOwner ? BesideOwner(request) : CentredOnOwner(request);
}
