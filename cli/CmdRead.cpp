#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/CommandPreamble.h"
#include "cli/Commands.h"
#include "cli/TransferCommand.h"
#include "image/AtomicFileWriter.h"
#include "image/ChannelFile.h"
#include "image/ImageMap.h"
#include "image/NativeFile.h"
#include "image/Utf8.h"
#include "link/SystemSerialLink.h"

namespace {

void ReadUsage(std::ostream& out) {
    out << "usage: orinctl read --port PORT -o OUT.sin [--base BASE.sin] [--retries N]\n\n"
           "Reads the radio on PORT into OUT.sin. The bytes the radio does not send come\n"
           "from BASE.sin, or from a new channel file. OUT.sin is written only when the\n"
           "whole read succeeded. The communication-error prompt is answered Retry N times\n"
           "(default 0, at most 100), then Cancel. A block reply cut short or out of\n"
           "step is such an error too. Progress and messages go to stderr.\n\n"
        << PortNamesHelp;
}

// A read takes the radio's time and maybe the user's: when its file cannot be
// saved, the image goes to a new file beside it or in the temporary folder.
void KeepUnsaved(const ChannelFile& doc, const std::string& out) {
    const std::string stamp = std::to_string(std::time(nullptr));
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    const std::string inTemporary =
        Utf8::PathText(folder / Utf8::Path("orinctl-read-" + stamp + ".sin"));
    for (const std::string& path : {out + "-unsaved-" + stamp + ".sin", inTemporary}) {
        const std::string_view bytes(reinterpret_cast<const char*>(doc.Image().data()),
                                     doc.Image().size());
        if (const auto kept = AtomicFileWriter::WriteNewFile(path, bytes)) {
            std::cerr << "orinctl read: the image read from the radio was kept in \"" << *kept
                      << "\"\n";
            return;
        }
    }
    std::cerr << "orinctl read: the image read from the radio could not be kept anywhere\n";
}

} // namespace

int RunRead(const std::vector<std::string>& args) {
    int exit = ExitOk;
    const auto parsed =
        ParseCommand("read", ReadUsage, args, {"--port", "-o", "--base", "--retries"}, {}, exit);
    if (!parsed) {
        return exit;
    }
    const std::optional<int> retries = RetriesOption("read", *parsed);
    if (!retries) {
        return ExitUsage;
    }
    if (!parsed->Value("--port") || !parsed->Value("-o") || !parsed->positional.empty()) {
        return UsageError("read", !parsed->Value("--port") ? "missing --port PORT"
                                  : !parsed->Value("-o")
                                      ? "missing -o OUT.sin"
                                      : "unexpected argument " + parsed->positional[0]);
    }
    ChannelFile doc;
    doc.MakeNew();
    if (const auto base = parsed->Value("--base")) {
        const FileOutcome loaded = doc.LoadFile(*base);
        if (!loaded.ok) {
            std::cerr << "orinctl read: " << loaded.englishMessage << '\n';
            return ExitFailure;
        }
    }
    // A read takes seconds: an output that cannot be written is found out first.
    if (const FileOutcome writable = ChannelFile::CheckSavable(*parsed->Value("-o"));
        !writable.ok) {
        std::cerr << "orinctl read: " << writable.englishMessage << '\n';
        return ExitFailure;
    }
    const TransferOutcome outcome = RunConsoleTransfer(
        TransferDirection::Read, *parsed->Value("--port"), *retries, doc.Image());
    if (outcome != TransferOutcome::Completed) {
        return ExitFailure;
    }
    const FileOutcome saved = doc.SaveFile(*parsed->Value("-o"));
    if (!saved.ok) {
        std::cerr << "orinctl read: " << saved.englishMessage << '\n';
        KeepUnsaved(doc, *parsed->Value("-o"));
        return ExitFailure;
    }
    return ExitOk;
}
