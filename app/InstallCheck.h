#pragma once

class Application;

// A check of an installed program without a person at the screen (run with
// ORIN_SWITCH_LANGUAGE_AND_QUIT set): switches the language once as the menu
// command does, the confirmation answered Yes, opens the help contents,
// writes the settings file and reports on standard output what it found.
class InstallCheck {
public:
    // Returns the exit code: 0 when the language module of the new language
    // loaded, the help book has pages and the settings file was written.
    static int Run(Application& program);
};
