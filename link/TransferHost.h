#pragma once

#include <optional>
#include <string>

#include "base/Lang.h"

// A message for the user: the text, an optional second paragraph that tells
// what became of the data, and optional details (a system error, say).
struct HostMessage {
    BiText text;
    std::optional<BiText> note;
    std::string details;
};

// What a transfer needs from its surroundings: the progress dialog, the
// user's Cancel, sleeping and message boxes. The window supplies one that
// talks to the dialog, orinctl one that prints, tests one on a virtual clock.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    // The dialog's status line.
    virtual void SetStatusText(const std::string& text) = 0;
    // The progress bar (0 to 397).
    virtual int ProgressPosition() = 0;
    virtual void StepProgress() = 0;
    virtual void SetProgress(int position) = 0;
    // Lets the user press Start again.
    virtual void EnableStart() = 0;
    // True once the user pressed Cancel.
    virtual bool CancelRequested() = 0;
    // Waits at least ms milliseconds.
    virtual void Sleep(int ms) = 0;
    // One chance for the user interface to handle a waiting event; never waits.
    virtual void Pump() = 0;
    // A message with an OK button. Its texts last for the call only: a host
    // that keeps them copies them.
    virtual void ShowMessage(const HostMessage& message) = 0;
    // Retry/Cancel; true for Retry. The same holds for the text.
    virtual bool AskRetryCancel(const BiText& text) = 0;
    // Closes the progress dialog.
    virtual void DestroyDialog() = 0;
};
