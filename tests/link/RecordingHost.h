#pragma once

#include <deque>
#include <string>
#include <vector>

#include "link/TransferHost.h"

// A TransferHost on a virtual clock that notes what the transfer did to the
// dialog and which messages it showed, and presses Cancel on request.
class RecordingHost final : public TransferHost {
public:
    double clockMs = 0;
    int pumps = 0;
    int cancelAtPump = -1; // Cancel counts as pressed once this many pumps ran
    int progress = 0;
    bool bStartEnabled = false;
    int destroys = 0;
    std::vector<std::string> statuses;
    std::vector<HostMessage> messages;
    // The texts of messages as shown: a message's own texts last only for the call.
    std::vector<std::string> shownEnglish;
    std::vector<std::string> shownChinese;
    std::vector<std::string> asked;
    std::vector<int> pumpsAtAsk;
    std::deque<bool> retryAnswers;             // Cancel once these run out
    std::vector<std::string>* trace = nullptr; // sleeps are noted here when set

    void SetStatusText(const std::string& text) override { statuses.push_back(text); }
    int ProgressPosition() override { return progress; }
    void StepProgress() override { ++progress; }
    void SetProgress(int position) override { progress = position; }
    void EnableStart() override { bStartEnabled = true; }
    bool CancelRequested() override { return cancelAtPump >= 0 && pumps >= cancelAtPump; }
    void Sleep(int ms) override {
        clockMs += ms;
        if (trace) {
            trace->push_back("sleep " + std::to_string(ms));
        }
    }
    void Pump() override { ++pumps; }
    void ShowMessage(const HostMessage& message) override {
        messages.push_back(message);
        shownEnglish.emplace_back(message.text.english);
        shownChinese.emplace_back(message.text.chinese);
    }
    bool AskRetryCancel(const BiText& text) override {
        asked.emplace_back(text.english);
        pumpsAtAsk.push_back(pumps);
        if (retryAnswers.empty()) {
            return false;
        }
        const bool retry = retryAnswers.front();
        retryAnswers.pop_front();
        return retry;
    }
    void DestroyDialog() override { ++destroys; }

    std::vector<std::string> MessageTexts() const { return shownEnglish; }
};
