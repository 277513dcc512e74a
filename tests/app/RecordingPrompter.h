#pragma once

#include <QStringList>
#include <deque>

#include "base/Prompter.h"

// Records every message instead of showing a box; Yes/No and Retry/Cancel are
// answered from a script (Yes/Retry when the script is empty). Installed for
// the lifetime of the object. The save question is answered from its own
// script (Discard when empty).
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

    SaveChoice AskSaveChanges(QWidget*, const QString& text) override {
        questions.append(text);
        if (saveAnswers.empty()) {
            return SaveChoice::Discard;
        }
        const SaveChoice answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    // Answers to the save question; Discard when the script is empty.
    std::deque<SaveChoice> saveAnswers;

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
