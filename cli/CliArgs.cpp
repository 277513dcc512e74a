#include "cli/CliArgs.h"

#include <algorithm>

#include "image/ImageMap.h"

std::optional<int> ChannelNumberArg(const std::string& text) {
    const bool digits = !text.empty() && text.size() <= 3 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(text) : 0;
    if (n < 1 || n > ImageMap::ChannelCount) {
        return std::nullopt;
    }
    return n;
}

std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args,
                                    std::initializer_list<const char*> valueOptions,
                                    std::initializer_list<const char*> flagOptions,
                                    std::string& error,
                                    std::initializer_list<const char*> listOptions) {
    auto isIn = [](std::initializer_list<const char*> list, const std::string& name) {
        return std::any_of(list.begin(), list.end(), [&](const char* o) { return name == o; });
    };
    CliArgs out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            // Everything after it is a file name, even one that starts with '-'.
            out.positional.insert(out.positional.end(), args.begin() + long(i) + 1, args.end());
            break;
        }
        if (a == "--help" || a == "-h") {
            out.help = true;
            continue;
        }
        if (a.size() < 2 || a[0] != '-') {
            out.positional.push_back(a);
            continue;
        }
        std::string name = a;
        std::optional<std::string> inlineValue;
        if (auto eq = a.find('='); eq != std::string::npos && a.rfind("--", 0) == 0) {
            name = a.substr(0, eq);
            inlineValue = a.substr(eq + 1);
        }
        const bool bList = isIn(listOptions, name);
        if (bList || isIn(valueOptions, name)) {
            // Two values for one option leave the user's intent unclear
            // (which file is written?): refused rather than one dropped.
            if (out.values.count(name)) {
                error = "option " + name + " given more than once";
                return std::nullopt;
            }
            const std::optional<std::string> value = inlineValue ? inlineValue
                                                     : i + 1 < args.size()
                                                         ? std::optional<std::string>(args[++i])
                                                         : std::nullopt;
            // An empty value names no file, port or choice: "-o ''" is a
            // slip, found out before a radio is touched.
            if (!value || value->empty()) {
                error = "option " + name + " needs a value";
                return std::nullopt;
            }
            if (bList) {
                out.lists[name].push_back(*value);
            } else {
                out.values[name] = *value;
            }
        } else if (isIn(flagOptions, name) && !inlineValue) {
            out.flags.insert(name);
        } else {
            error = "unknown option " + a;
            return std::nullopt;
        }
    }
    return out;
}
