#pragma once

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliArgs.h"

// What a subcommand does before its work: parse its options, print its help
// on --help, and refuse a usage error in one line that says where the help is.

// Prints "orinctl NAME: what" and "see orinctl NAME --help" on stderr;
// returns ExitUsage.
int UsageError(const char* name, const std::string& what);

// The arguments of command name, or nothing when the command is already over:
// exit then holds ExitOk (the help, printed on stdout) or ExitUsage (a usage
// error, printed). check, when given, refuses further values (--lang,
// --format) by returning false with its error set.
std::optional<CliArgs>
ParseCommand(const char* name, void (*usage)(std::ostream&), const std::vector<std::string>& args,
             std::initializer_list<const char*> valueOptions,
             std::initializer_list<const char*> flagOptions, int& exit,
             std::initializer_list<const char*> listOptions = {},
             const std::function<bool(const CliArgs&, std::string& error)>& check = {});

// --retries N (0 when not given), or nothing after the usage error was printed.
std::optional<int> RetriesOption(const char* name, const CliArgs& args);
