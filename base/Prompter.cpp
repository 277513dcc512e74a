#include "base/Prompter.h"

#include <QMessageBox>

namespace {

class MessageBoxPrompter final : public Prompter {
public:
    void ShowMessage(QWidget* owner, const QString& text, const QString& details) override {
        QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, owner);
        box.setWindowTitle(QStringLiteral("Orin Programing Software"));
        if (!details.isEmpty()) {
            box.setDetailedText(details);
        }
        box.exec();
    }
    bool AskYesNo(QWidget* owner, const QString& text) override {
        return QMessageBox::question(owner, QStringLiteral("Orin Programing Software"), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    bool AskRetryCancel(QWidget* owner, const QString& text) override {
        return QMessageBox::warning(owner, QStringLiteral("Orin Programing Software"), text,
                                    QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry;
    }
};

Prompter* g_Installed = nullptr;

} // namespace

Prompter& CurrentPrompter() {
    static MessageBoxPrompter boxes;
    return g_Installed ? *g_Installed : boxes;
}

void SetPrompter(Prompter* p) { g_Installed = p; }
