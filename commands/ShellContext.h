#pragma once

class ChannelDocument;
class ChannelEditor;
class LanguageModule;
class ProfileFile;

// The long-lived objects the main frame and its commands work with. All are
// owned by the application (or by a test) and outlive the frame.
struct ShellContext {
    ChannelDocument& doc;
    ChannelEditor& editor;
    ProfileFile& profile; // MAIN.ini: language, recent files, last port
    LanguageModule& languageModule;
};
