#include <gtest/gtest.h>

#include "image/Utf8.h"

TEST(Utf8, SplitsWellFormedTextIntoCodePoints) {
    EXPECT_EQ(Utf8::CodePoints("A中-😀"), (std::u32string{U'A', U'中', U'-', U'😀'}));
    EXPECT_EQ(Utf8::FirstCharLength("关闭"), 3u);
    EXPECT_EQ(Utf8::FirstCharLength(""), 0u);
}

TEST(Utf8, EveryMalformedByteCountsAsOneReplacementCharacter) {
    const char32_t r = Utf8::Replacement;
    EXPECT_EQ(Utf8::CodePoints("\xFF"
                               "A"),
              (std::u32string{r, U'A'}));
    EXPECT_EQ(Utf8::CodePoints("\xE4\xB8"), (std::u32string{r, r}));        // cut short
    EXPECT_EQ(Utf8::CodePoints("\xC0\xAF"), (std::u32string{r, r}));        // overlong '/'
    EXPECT_EQ(Utf8::CodePoints("\xED\xA0\x80"), (std::u32string{r, r, r})); // surrogate
    EXPECT_EQ(Utf8::CodePoints("\xE4"
                               "AB"),
              (std::u32string{r, U'A', U'B'}));
    EXPECT_EQ(Utf8::FirstCharLength("\x80\x80"), 1u);
}

TEST(Utf8, PathsKeepEveryCharacterBothWays) {
    for (const std::string name : {"orinprog.ini", "对讲机 工具", "频道 一.sin", "Kanäle ☺"}) {
        EXPECT_EQ(Utf8::PathText(Utf8::Path(name)), name);
        EXPECT_EQ(Utf8::PathText((Utf8::Path("张伟") / Utf8::Path(name)).filename()), name);
    }
}

// A file name is shown with its control bytes escaped, so that it cannot break
// the message, title or menu it appears in; any other character stays.
TEST(Utf8, AShownPathEscapesControlBytesAndKeepsEveryOtherCharacter) {
    const struct {
        std::string path, shown;
    } cases[] = {
        {"/home/张伟/频道 一.sin", "/home/张伟/频道 一.sin"},
        {"two\nlines.sin", "two\\nlines.sin"},
        {"a\r\tb.sin", "a\\r\\tb.sin"},
        {"esc\x1B[2J.sin", "esc\\x1B[2J.sin"},
        {"del\x7F.sin", "del\\x7F.sin"},
        {"not utf-8 \xFF.sin", "not utf-8 \\xFF.sin"},
        {"gnp.\xE2\x80\xAEsin", "gnp.\\u202Esin"},    // right-to-left override
        {std::string(60, 'a'), std::string(60, 'a')}, // never cut short
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8::ShownPath(c.path), c.shown);
    }
}
