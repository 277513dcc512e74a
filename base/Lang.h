#pragma once

// The interface language, as pure code sees it: pure functions take it as an
// argument; only the user interface reads the process-wide flag.
enum class Lang { English, Chinese };

// A text the program shows in both languages, chosen at the moment it is shown.
struct BiText {
    const char* english;
    const char* chinese;
    constexpr const char* In(Lang lang) const { return lang == Lang::Chinese ? chinese : english; }
};
