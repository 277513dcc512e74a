#include "app/Application.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>

#include "shell/AppIcon.h"
#include "app/AppStartup.h"
#include "shell/MainWindow.h"
#include "commands/FileCommands.h"
#include "base/LanguageModule.h"
#include "formats/ProfileFile.h"
#include "app/SettingsLocation.h"
#include "transfer/TransferCommands.h"
#include "base/AppLanguage.h"
#include "base/LineEditText.h"
#include "base/Prompter.h"
#include "base/ScreenFit.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "document/ChannelDocument.h"

Application::Application() = default;

Application::~Application() {
    m_Window.reset();
    m_Editor.reset();
}

ProfileFile& Application::Profile() {
    static ProfileFile profile;
    return profile;
}

bool Application::Start(const QStringList& args) {
    return Start(args, QCoreApplication::applicationFilePath(),
                        AppStartup::SystemLanguageOf(QLocale::system()),
                        SettingsLocation::UserDirectory());
}

bool Application::Start(const QStringList& args, const QString& programPath,
                               int systemLanguage, const QString& userSettingsDir) {
    const QString programDir = QFileInfo(programPath).absolutePath();
    const StartupDecision decision =
        AppStartup::Decide(Profile(), programPath, systemLanguage,
                           AppStartup::ModuleDirectories(programDir), userSettingsDir);
    AppStartup::Apply(decision);

    m_Module = std::make_unique<LanguageModule>(AppStartup::ModuleDirectories(programDir));
    if (!m_Module->Load(LanguageName())) {
        CurrentPrompter().ShowMessage(nullptr, AppStartup::MissingModuleMessage());
        return false;
    }

    QApplication::setWindowIcon(AppIcon::Make());
    // Every window and dialog opens inside the screen, at any scale.
    // (Owned by this object, so that they go with it.)
    if (!m_ScreenFit) {
        m_ScreenFit = std::make_unique<ScreenFit>();
        qApp->installEventFilter(m_ScreenFit.get());
        // And every line edit shows its text where fonts measure oddly.
        m_LineEditText = std::make_unique<LineEditText>(nullptr);
        qApp->installEventFilter(m_LineEditText.get());
    }

    m_Doc = std::make_unique<ChannelDocument>();
    m_Editor = std::make_unique<ChannelEditor>(*m_Doc);
    const ShellContext context{*m_Doc, *m_Editor, Profile(), *m_Module};
    m_Window = std::make_unique<MainWindow>(context);
    m_Window->AttachTransfer(new TransferCommands(*m_Doc, m_Editor->Grid(), m_Window.get()));

    const QString file = args.isEmpty() ? QString() : args.constFirst();
    if (file.isEmpty()) {
        m_Window->Files().OnFileNew();
    } else if (!m_Window->Files().OpenPath(file)) {
        return false;
    }
    if (!decision.settingsNotKept.isEmpty()) {
        // Said once: the choices made in this run will be lost at its end.
        m_Window->statusBar()->showMessage(
            AppStartup::SettingsNotKeptMessage(decision.settingsNotKept));
    }
    m_Window->show();
    return true;
}
