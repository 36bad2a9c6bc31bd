#pragma once
// Where a window the tool opens appears. A dialog or message box is centred on the window it belongs
// to, but starts below that window's title and menu bars when there is room, so the menus the user just
// used stay in view. A window that stays open beside the main window (the traffic monitor) goes beside
// it, right or left, made narrower down to its least width rather than covering the main window's
// controls. Either way the window ends up inside the screen's free area. Plain geometry in screen
// pixels: the windows measure themselves and their owner, ask here, and move.

// A rectangle on the screen: left and top edge, width and height in pixels.
struct SScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const SScreenRect&) const = default;
};

enum class EWindowPlacement { CentredOnOwner, BesideOwner };

// Gap between the owner and a window placed beside it.
inline constexpr int BESIDE_OWNER_GAP = 8;

struct SWindowPlacementRequest {
    EWindowPlacement how = EWindowPlacement::CentredOnOwner;
    SScreenRect screen;       // the free area of the owner's screen (panels and docks excluded)
    SScreenRect owner;        // the owner's frame, title bar included
    int ownerBarsBottom = 0;  // the first row below the owner's title and menu bars
    int width = 0;            // the new window's frame, as it asks to be
    int height = 0;
    int minWidth = 0;  // the narrowest the window may be made beside its owner
};

// The new window's frame.
SScreenRect PlaceWindow(const SWindowPlacementRequest& request);
