#pragma once

#include <QStringList>
#include <deque>

#include "base/Prompter.h"

// Records every message instead of showing a box; Yes/No and Retry/Cancel are
// answered from a script (Yes/Retry when the script is empty). Installed for
// the lifetime of the object.
class RecordingPrompter final : public Prompter {
public:
    RecordingPrompter() { SetPrompter(this); }
    ~RecordingPrompter() override { SetPrompter(nullptr); }

    void ShowMessage(QWidget*, const QString& text, const QString& = {}) override {
        messages.append(text);
    }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions.append(text);
        return Next();
    }
    bool AskRetryCancel(QWidget*, const QString& text) override {
        questions.append(text);
        return Next();
    }

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;

private:
    bool Next() {
        if (answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
