#pragma once

#include <string>
#include <vector>

// Text at the Windows API boundary: the program's strings are UTF-8, the
// system's wide calls take UTF-16, and its error messages come from
// FormatMessage. Only built for Windows.
namespace WinText {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
// The system's own words for a GetLastError code, in the user's language,
// without the trailing full stop and line break.
std::string ErrorText(unsigned long error);

// The program's arguments in UTF-8 (the narrow argv of main is in the ANSI
// code page, which cannot name every file), without the program's name.
std::vector<std::string> Arguments();
// Makes the console show the program's UTF-8 output as text.
void UseUtf8Console();

} // namespace WinText
