#pragma once

#include <QStringList>
#include <memory>

class MainWindow;
class ChannelDocument;
class ChannelEditor;
class LanguageModule;
class LineEditText;
class ScreenFit;
class ProfileFile;

// The application: start-up up to the shown main window, and the objects that
// live for the whole run (document, view, frame, language module).
class Application {
public:
    Application();
    ~Application();

    // Start-up. args are the command-line arguments after the program name.
    // Returns false when the program must end (missing language module, a file
    // named on the command line that cannot be opened).
    bool Start(const QStringList& args);
    // The same for a program at programPath on a system of the given language
    // (the number AppStartup::SystemLanguageOf gives); userSettingsDir is where
    // the settings file goes when it cannot be kept beside the program (none:
    // always beside it).
    bool Start(const QStringList& args, const QString& programPath, int systemLanguage,
                      const QString& userSettingsDir = {});

    MainWindow* Window() const { return m_Window.get(); }
    const LanguageModule& Module() const { return *m_Module; }

    // The one settings file (beside the program or in the user's configuration
    // folder); written back at exit.
    static ProfileFile& Profile();

private:
    // The event filters every window of the run goes through.
    std::unique_ptr<ScreenFit> m_ScreenFit;
    std::unique_ptr<LineEditText> m_LineEditText;
    std::unique_ptr<LanguageModule> m_Module;
    std::unique_ptr<ChannelDocument> m_Doc;
    std::unique_ptr<ChannelEditor> m_Editor;
    std::unique_ptr<MainWindow> m_Window;
};
