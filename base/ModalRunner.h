#pragma once

#include <functional>

class QDialog;

// Runs a modal dialog and returns its result. Every modal dialog of the shell
// goes through here, so tests can look at a dialog and close it instead of
// blocking in exec().
class ModalRunner {
public:
    using Runner = std::function<int(QDialog&)>;

    static int Run(QDialog& dialog);
    // Installs runner; an empty one restores exec().
    static void Set(Runner runner);
};
