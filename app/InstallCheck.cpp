#include "app/InstallCheck.h"

#include <QMenu>
#include <QTreeWidget>
#include <cstdio>

#include "shell/MainWindow.h"
#include "app/Application.h"
#include "commands/HelpCommands.h"
#include "commands/HelpWindow.h"
#include "base/LanguageModule.h"
#include "commands/LanguageSwitch.h"
#include "formats/ProfileFile.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"

namespace {

// Answers the switch's confirmation; nothing else may ask or tell anything.
class YesPrompter : public Prompter {
public:
    void ShowMessage(QWidget*, const QString& text, const QString&) override {
        std::printf("message: %s\n", text.toUtf8().constData());
        bFailed = true;
    }
    bool AskYesNo(QWidget*, const QString&) override { return true; }
    bool AskRetryCancel(QWidget*, const QString&) override { return false; }
    SaveChoice AskSaveChanges(QWidget*, const QString&) override { return SaveChoice::Discard; }
    bool bFailed = false;
};

void Report(const char* what, const QString& value) {
    std::printf("%s: %s\n", what, value.toUtf8().constData());
}

} // namespace

int InstallCheck::Run(Application& program) {
    MainWindow& frame = *program.Window();
    Report("language", LanguageName());
    Report("language module", program.Module().LoadedPath());

    Prompter& previous = CurrentPrompter();
    YesPrompter yes;
    SetPrompter(&yes);
    const bool switched = frame.Language().SwitchLanguage();
    SetPrompter(&previous);
    Report("switched to", LanguageName());
    Report("language module", program.Module().LoadedPath());
    Report("file menu", frame.FileMenu()->title());

    frame.Help().OnHelpContents();
    HelpWindow* help = frame.Help().Window();
    const int topics = help ? help->ContentsTree()->topLevelItemCount() : 0;
    Report("help book", help ? help->Book() : QString());
    Report("help topics", QString::number(topics));

    ProfileFile& profile = Application::Profile();
    const bool saved = profile.Save() && !profile.Path().empty();
    Report("settings file", QString::fromStdString(profile.Path()));
    std::fflush(stdout);
    return switched && !yes.bFailed && topics > 0 && saved ? 0 : 1;
}
