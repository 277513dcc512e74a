#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Exit codes of every orinctl command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// The arguments of one subcommand: positionals, options with a value
// ("--lang zh" or "--lang=zh") and flags ("--no-check").
struct CliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::map<std::string, std::vector<std::string>> lists; // options that may repeat
    std::set<std::string> flags;
    bool help = false;

    bool Has(const std::string& name) const {
        return values.count(name) || flags.count(name) || lists.count(name);
    }
    std::optional<std::string> Value(const std::string& name) const {
        auto it = values.find(name);
        if (it == values.end()) {
            return std::nullopt;
        }
        return it->second;
    }
};

// A channel number 1-128 as given on the command line, or nothing.
std::optional<int> ChannelNumberArg(const std::string& text);

// Parses args (without the program and subcommand names). valueOptions and
// flagOptions name the accepted options, with their dashes ("-o", "--base");
// listOptions those with a value that may be given more than once ("--port A
// --port B"), collected in lists. "--" ends the options: what follows is
// positional. On an unknown option, or one whose value is missing or empty,
// returns nullopt and sets error.
std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args,
                                    std::initializer_list<const char*> valueOptions,
                                    std::initializer_list<const char*> flagOptions,
                                    std::string& error,
                                    std::initializer_list<const char*> listOptions = {});
