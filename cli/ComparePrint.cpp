#include "cli/ComparePrint.h"

#include <iostream>

#include "formats/Csv.h"

bool ParseCompareOutput(const CliArgs& args, CompareOutput& output, std::string& error) {
    const std::string language = args.Value("--lang").value_or("en");
    if (language != "en" && language != "zh") {
        error = "--lang takes en or zh, not " + language;
        return false;
    }
    output.lang = language == "zh" ? Lang::Chinese : Lang::English;
    const std::string format = args.Value("--format").value_or("text");
    if (format != "text" && format != "csv") {
        error = "--format takes text or csv, not " + format;
        return false;
    }
    output.bCsv = format == "csv";
    return true;
}

bool PrintComparison(const ImageComparison& comparison, const CompareOutput& output,
                     std::ostream& out, const char* command) {
    const Lang lang = output.lang;
    if (output.bCsv && !comparison.Same()) {
        out << Csv::Line({BiText{"Where", "位置"}.In(lang), BiText{"Field", "项目"}.In(lang),
                          BiText{"Before", "原值"}.In(lang), BiText{"After", "新值"}.In(lang)});
    }
    for (const Difference& d : comparison.differences) {
        if (output.bCsv) {
            out << Csv::Line({DifferencePlace(d, lang), d.field, d.before, d.after});
        } else {
            out << DifferenceLine(d, lang) << '\n';
        }
    }
    if (!out.flush()) {
        std::cerr << "orinctl " << command << ": cannot write to standard output\n";
        return false;
    }
    return true;
}
