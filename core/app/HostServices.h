#pragma once
// What a procedure needs from whoever runs it: the desktop window, the command line front end or a
// test. One small interface so that every rule of the tool runs without a display.
#include <string_view>

// Message box style bits, as the gateway tool has always used them.
enum MessageBoxStyle : unsigned {
    MB_OK_ONLY = 0x00,
    MB_SAVE_DISCARD_CANCEL = 0x03,  // Save answers ID_YES, Discard ID_NO, Cancel ID_CANCEL
    MB_YES_NO = 0x04,
    MB_ICON_ERROR = 0x10,
    MB_ICON_QUESTION = 0x20,
    MB_ICON_WARNING = 0x30,
    MB_ICON_INFORMATION = 0x40,
    MB_ICON_MASK = 0x70,
    MB_SECOND_DEFAULT = 0x100,
};

// Buttons a box returns.
enum MessageBoxResult : int { ID_OK = 1, ID_CANCEL = 2, ID_YES = 6, ID_NO = 7 };

class HostServices {
public:
    // Shows a modal message box and returns the button pressed (1, 2, 6 or 7).
    virtual int ShowMessageBox(std::string_view text, unsigned style) = 0;
    // The same box, with what the tool knows more as a second, informative part below the box's own
    // text: which device, file or line, and why (one fact a line). A host that has no place for it
    // shows the box alone.
    virtual int ShowMessageBoxWithDetail(std::string_view text, unsigned style, std::string_view detail) {
        (void)detail;
        return ShowMessageBox(text, style);
    }
    // Lets the user interface process its pending events while a transaction waits.
    virtual void ProcessPendingEvents() = 0;
    // False for a host without a user interface: waits then need not wake up to pump events.
    virtual bool PumpsEvents() const { return true; }
    // The main window's progress bar `ProgressBar1`.
    virtual void AdvanceProgress(int step) = 0;
    virtual void SetProgress(int value) = 0;
    virtual ~HostServices() = default;
};
