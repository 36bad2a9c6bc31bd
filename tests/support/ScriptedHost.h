#pragma once
// A host for tests: records every message box and progress step, and answers questions from a queue.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/app/HostServices.h"

struct ShownBox {
    std::string text;
    unsigned style;
    std::string detail;  // the informative part below the text, if any
};

class ScriptedHost : public HostServices {
public:
    std::vector<ShownBox> boxes;
    std::deque<int> answers;          // answers to Yes/No (and Save/Discard/Cancel) boxes; empty = the default
    std::vector<int> progressSteps;   // every AdvanceProgress step
    int progress = 0;
    int pumps = 0;
    std::function<void()> onPump;     // runs on every event pump, to act while a transaction waits

    int ShowMessageBox(std::string_view text, unsigned style) override {
        return ShowMessageBoxWithDetail(text, style, {});
    }
    int ShowMessageBoxWithDetail(std::string_view text, unsigned style, std::string_view detail) override {
        boxes.push_back({std::string(text), style, std::string(detail)});
        if ((style & (MB_YES_NO | MB_SAVE_DISCARD_CANCEL)) == 0) return ID_OK;
        if (answers.empty()) return (style & MB_SECOND_DEFAULT) ? ID_NO : ID_YES;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ProcessPendingEvents() override {
        ++pumps;
        if (onPump) onPump();
    }
    void AdvanceProgress(int step) override {
        progressSteps.push_back(step);
        progress += step;
    }
    void SetProgress(int value) override { progress = value; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& b : boxes) texts.push_back(b.text);
        return texts;
    }
};
