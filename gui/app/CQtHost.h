#pragma once
// The desktop's host services: message boxes as QMessageBox (caption, icon, buttons and default
// button by the style), the event pump, and the main window's progress bar `ProgressBar1`.
#include <QPointer>
#include <QProgressBar>
#include <functional>

#include "core/app/HostServices.h"

class QWidget;

class CQtHost : public HostServices {
public:
    // Boxes are owned by `owner` when given (the main window once it exists).
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void SetProgressBar(QProgressBar* bar) { progressBar_ = bar; }
    // Runs before every event pump of a waiting transaction (the main window shows its lock).
    void SetPumpHook(std::function<void()> hook) { pumpHook_ = std::move(hook); }

    int ShowMessageBox(std::string_view text, unsigned style) override;
    int ShowMessageBoxWithDetail(std::string_view text, unsigned style, std::string_view detail) override;
    void ProcessPendingEvents() override;
    void AdvanceProgress(int step) override;
    void SetProgress(int value) override;

private:
    QPointer<QWidget> owner_;
    QPointer<QProgressBar> progressBar_;
    std::function<void()> pumpHook_;
};
