#pragma once

#include <QStringList>
#include <deque>

#include "base/Prompter.h"

// The message boxes of a test: every text is recorded instead of shown, and
// Yes/No and Retry/Cancel are answered from a script, then with the default
// answer once the script is used up. The save question has its own script
// (Discard when it is used up), and so have questions with buttons of
// their own (the last button when it is used up). Installed for the lifetime of the object.
class RecordingPrompter final : public Prompter {
public:
    explicit RecordingPrompter(bool defaultAnswer = true) : m_bDefault(defaultAnswer) {
        SetPrompter(this);
    }
    ~RecordingPrompter() override { SetPrompter(nullptr); }
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;

    void ShowMessage(QWidget*, const QString& text, const QString& detail = {}) override {
        messages.append(text);
        details.append(detail);
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
    int AskChoice(QWidget*, const QString& text, const QStringList& buttons, int) override {
        questions.append(text);
        choiceButtons.append(buttons);
        if (choiceAnswers.empty()) {
            return static_cast<int>(buttons.size()) - 1;
        }
        const int answer = choiceAnswers.front();
        choiceAnswers.pop_front();
        return answer;
    }

    QStringList messages;       // OK boxes, in order
    QStringList details;        // their details, one per message
    QStringList questions; // Yes/No, Retry/Cancel, save and choice boxes, in order
    QList<QStringList> choiceButtons; // the buttons of each choice box
    std::deque<bool> answers;
    std::deque<SaveChoice> saveAnswers;
    std::deque<int> choiceAnswers; // button indexes; the last button when used up

private:
    bool Next() {
        if (answers.empty()) {
            return m_bDefault;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool m_bDefault;
};
