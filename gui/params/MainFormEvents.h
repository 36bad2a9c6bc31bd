#pragma once
// Everything the main window's controls report. The window forwards each user event here unchanged
// and re-renders the core state afterwards; what the event does to the parameter image is decided by
// the implementation, which runs the core handlers.
#include <string>
#include <vector>

class CMainFormEvents {
public:
    // Combo boxes of the parameter area and the axis area: the new selected index.
    virtual void cbNTYPChange(int index) = 0;
    virtual void cbDADRChange(int index) = 0;
    virtual void cbDBPSChange(int index) = 0;
    virtual void cbFINXChange(int index) = 0;
    virtual void cbDSZChange(int index) = 0;
    virtual void cbTBPSChange(int index) = 0;
    virtual void cbW4NChange(int index) = 0;
    virtual void cbW8NChange(int index) = 0;
    virtual void cbW2NChange(int index) = 0;
    virtual void cbW1NChange(int index) = 0;
    virtual void cbB4NChange(int index) = 0;
    virtual void ComboBox1Change(int index) = 0;

    // A click on a grid cell; a double click arrives as a click followed by a double click.
    virtual void StringGrid1Click(int col, int row) = 0;
    virtual void StringGrid1DblClick(int col, int row) = 0;
    virtual void StringGrid2Click(int col, int row) = 0;
    virtual void StringGrid2DblClick(int col, int row) = 0;

    // The EtherCAT address field: a typed character or an editing key, and leaving the field.
    // `key` is the typed character, 8 for Backspace or 127 for Delete; `text`, `caret` and
    // `selectionLength` describe the field before the key. The handler may change text and caret (the
    // field takes them over) and returns true when the key is swallowed, false to let the field insert it.
    virtual bool edDADRKey(int key, std::string& text, int& caret, int& selectionLength) = 0;
    // The field's text as typed, and whether it holds the keyboard focus.
    virtual void edDADRText(const std::string& text) = 0;
    virtual void edDADRFocus(bool hasFocus) = 0;
    virtual void edDADRExit() = 0;

    // DRAVO drive-unit panels.
    virtual void cbAxisCtrlChange(int unit, int index) = 0;
    virtual void chkRsvAxisClick(int unit, int slotInUnit, bool checked) = 0;
    virtual void rbFull_PosClick() = 0;
    virtual void rbRemIOClick() = 0;

    // The window is shown for the first time.
    virtual void FirstShown() = 0;

    // Menus opening (before they drop down).
    virtual void MenuFile1Open() = 0;
    virtual void MenuSet1Open() = 0;
    virtual void MenuMoniter1Open() = 0;
    virtual void MenuHelp1Open() = 0;

    // Menu items, toolbar buttons and command buttons by their design name ("MenuNew1", "tbOpenFile",
    // "Button2", ...). Returns false when nothing is wired to that name.
    virtual bool Command(const std::string& name) = 0;

    // Files dropped on the window.
    virtual void FilesDropped(const std::vector<std::string>& paths) = 0;

    // Close query: true lets the window close. Closed runs once the window is closing.
    virtual bool CloseQuery() = 0;
    virtual void Closed() = 0;

    // Runs after every forwarded event, before the window renders the state.
    virtual void AfterEvent() = 0;

    virtual ~CMainFormEvents() = default;
};
