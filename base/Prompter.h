#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The answers to the question whether to save changes first.
enum class SaveChoice { Save, Discard, Cancel };

// Every message box of the program goes through this interface, so that tests
// can answer them without a modal window.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A text with an OK button. details, when given, is shown on request.
    virtual void ShowMessage(QWidget* owner, const QString& text, const QString& details = {}) = 0;
    // Yes/No; true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& text) = 0;
    // Retry/Cancel; true for Retry.
    virtual bool AskRetryCancel(QWidget* owner, const QString& text) = 0;
    // Save/Discard/Cancel, for changes that would otherwise be lost.
    virtual SaveChoice AskSaveChanges(QWidget* owner, const QString& text) = 0;
    // A question with the given buttons, the last the one Escape presses and
    // the one that changes nothing; defaultButton is the one Enter presses.
    // Returns the index of the button pressed; unless overridden, the last.
    virtual int AskChoice(QWidget* owner, const QString& text, const QStringList& buttons,
                          int defaultButton = 0) {
        (void)owner;
        (void)text;
        (void)defaultButton;
        return static_cast<int>(buttons.size()) - 1;
    }
    // A button that names what goes on (proceed), and Cancel, which is also
    // the default; true for the first.
    bool AskProceedOrCancel(QWidget* owner, const QString& text, const QString& proceed) {
        return AskChoice(owner, text, {proceed, CancelText()}, 1) == 0;
    }

    // "Cancel" in the interface language.
    static QString CancelText();
};

// The prompter in use; the message-box one unless a test installed another.
Prompter& CurrentPrompter();
// Installs p (not owned); nullptr restores the message-box prompter.
void SetPrompter(Prompter* p);
