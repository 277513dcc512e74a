#include "base/Prompter.h"

#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "base/AppLanguage.h"

namespace {

constexpr BiText SaveButton{"&Save", "保存(&S)"};
constexpr BiText DiscardButton{"&Discard", "不保存(&N)"};
constexpr BiText CancelButton{"Cancel", "取消"};
// The main window's own title, in the interface language.
constexpr BiText BoxTitle{"Orin Programing Software", "Orin 写频软件"};

class MessageBoxPrompter final : public Prompter {
public:
    void ShowMessage(QWidget* owner, const QString& text, const QString& details) override {
        QMessageBox box(QMessageBox::NoIcon, Tr(BoxTitle), text, QMessageBox::Ok, owner);
        if (!details.isEmpty()) {
            box.setDetailedText(details);
        }
        box.exec();
    }
    bool AskYesNo(QWidget* owner, const QString& text) override {
        return QMessageBox::question(owner, Tr(BoxTitle), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    bool AskRetryCancel(QWidget* owner, const QString& text) override {
        return QMessageBox::warning(owner, Tr(BoxTitle), text,
                                    QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry;
    }
    SaveChoice AskSaveChanges(QWidget* owner, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, Tr(BoxTitle), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
        // The standard buttons, named in the interface language whatever
        // translations Qt itself has.
        box.button(QMessageBox::Save)->setText(Tr(SaveButton));
        box.button(QMessageBox::Discard)->setText(Tr(DiscardButton));
        box.button(QMessageBox::Cancel)->setText(Tr(CancelButton));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
        }
    }
    int AskChoice(QWidget* owner, const QString& text, const QStringList& buttons,
                  int defaultButton) override {
        QMessageBox box(QMessageBox::Warning, Tr(BoxTitle), text, QMessageBox::NoButton, owner);
        QList<QAbstractButton*> made;
        for (const QString& label : buttons) {
            made.append(box.addButton(label, made.size() + 1 == buttons.size()
                                                 ? QMessageBox::RejectRole
                                                 : QMessageBox::AcceptRole));
        }
        if (made.isEmpty()) {
            return -1;
        }
        box.setDefaultButton(qobject_cast<QPushButton*>(
            made.value(std::clamp(defaultButton, 0, static_cast<int>(made.size()) - 1))));
        box.setEscapeButton(made.constLast());
        box.exec();
        const int pressed = static_cast<int>(made.indexOf(box.clickedButton()));
        return pressed < 0 ? static_cast<int>(made.size()) - 1 : pressed;
    }
};

Prompter* g_Installed = nullptr;

} // namespace

QString Prompter::CancelText() {
    return Tr(CancelButton);
}

Prompter& CurrentPrompter() {
    static MessageBoxPrompter boxes;
    return g_Installed ? *g_Installed : boxes;
}

void SetPrompter(Prompter* p) {
    g_Installed = p;
}
