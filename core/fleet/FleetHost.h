#pragma once
// The host of a port's polling: nobody watches the boxes, so their texts are kept as the reason a poll
// failed. The first box of a poll names the cause (the transaction's own message, such as "Receive
// time-out error (PC)"); the boxes after it only repeat that the poll failed.
#include <string>
#include <string_view>

#include "core/app/HostServices.h"

class CFleetHost : public HostServices {
public:
    int ShowMessageBox(std::string_view text, unsigned style) override;
    void ProcessPendingEvents() override {}
    bool PumpsEvents() const override { return false; }
    void AdvanceProgress(int) override {}
    void SetProgress(int) override {}

    // Forgets the boxes of the poll before.
    void StartPoll() { firstText.clear(); }
    // The first box's text since StartPoll, without its line ends; empty when none was shown.
    const std::string& FirstText() const { return firstText; }

private:
    std::string firstText;
};
