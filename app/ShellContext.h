#pragma once

class CProgramDoc;
class ViewHooks;
class LanguageModule;
class ProfileFile;
class QSettings;

// The long-lived objects the main frame and its commands work with. All are
// owned by the application (or by a test) and outlive the frame.
struct ShellContext {
    CProgramDoc& doc;
    ViewHooks& view;
    QSettings& userSettings; // the recent-file list
    ProfileFile& profile;
    LanguageModule& languageModule;
};
