#pragma once

// What the user is still typing and has not yet put into the document: an
// open cell editor, a band box. The document asks for it before it changes,
// undoes, redoes or saves the image and before it hands the image to a
// transfer, a comparison or a print, so no command has to remember to.
class PendingEdits {
public:
    // Puts what is being typed into the document, each edit through
    // ChannelDocument::commitEdit; a text the rules refuse stays where it is.
    virtual void commitPendingEdits() = 0;

protected:
    ~PendingEdits() = default;
};
