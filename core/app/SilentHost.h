#pragma once
// A host that shows nothing and answers every box with OK: for work without a user to serve, such as a
// file read whose findings are reported by a later step, or a benchmark.
#include "core/app/HostServices.h"

class CSilentHost : public HostServices {
public:
    int ShowMessageBox(std::string_view, unsigned) override { return ID_OK; }
    void ProcessPendingEvents() override {}
    bool PumpsEvents() const override { return false; }
    void AdvanceProgress(int) override {}
    void SetProgress(int) override {}
};
