#include "base/ModalRunner.h"

#include <QDialog>

namespace {
ModalRunner::Runner& Installed() {
    static ModalRunner::Runner runner;
    return runner;
}
} // namespace

int ModalRunner::Run(QDialog& dialog) {
    if (Installed()) {
        return Installed()(dialog);
    }
    return dialog.exec();
}

void ModalRunner::Set(Runner runner) {
    Installed() = std::move(runner);
}
