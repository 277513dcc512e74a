#include "cli/CommandPreamble.h"

#include <iostream>

#include "cli/TransferCommand.h"

int UsageError(const char* name, const std::string& what) {
    std::cerr << "orinctl " << name << ": " << what << "\nsee orinctl " << name << " --help\n";
    return ExitUsage;
}

std::optional<CliArgs>
ParseCommand(const char* name, void (*usage)(std::ostream&), const std::vector<std::string>& args,
             std::initializer_list<const char*> valueOptions,
             std::initializer_list<const char*> flagOptions, int& exit,
             std::initializer_list<const char*> listOptions,
             const std::function<bool(const CliArgs&, std::string&)>& check) {
    std::string error;
    const auto parsed = ParseCliArgs(args, valueOptions, flagOptions, error, listOptions);
    if (!parsed || (check && !check(*parsed, error))) {
        exit = UsageError(name, error);
        return std::nullopt;
    }
    if (parsed->help) {
        usage(std::cout);
        exit = ExitOk;
        return std::nullopt;
    }
    return parsed;
}

std::optional<int> RetriesOption(const char* name, const CliArgs& args) {
    const int retries = ParseRetries(args.Value("--retries").value_or("0"));
    if (retries < 0) {
        UsageError(name, "--retries takes a count from 0 to " + std::to_string(MaxRetries) +
                             ", not \"" + *args.Value("--retries") + "\"");
        return std::nullopt;
    }
    return retries;
}
