#pragma once
// How wide the main window's status bar must be: room for the port and speed panel ("Baudrate(bps)"
// ":" bps "   " "Port" ":" "COM" n, counted in widths of "W") beside the version panel.

// The widths the status bar asks of the window, in pixels of the status bar's font.
struct SStatusBarWidths {
    int needed = 0;          // version width V + 59 x W
    int minClientWidth = 0;  // needed + 28: the window's client area is at least this wide
    int barWidth = 0;        // needed + 24
    int portPanelWidth = 0;  // panel 0: the bar width minus V minus 10
};

// The rule for a version text `versionWidth` wide and a "W" `charWidth` wide.
SStatusBarWidths StatusBarWidthRule(int versionWidth, int charWidth);
