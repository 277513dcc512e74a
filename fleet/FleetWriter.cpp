#include "fleet/FleetWriter.h"

#include <chrono>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>

#include "compare/ImageCompare.h"
#include "image/ImageMap.h"
#include "link/TransferHost.h"
#include "link/TransferSession.h"

namespace {

// The host of one radio's transfers: no dialog and no questions. Progress
// goes to the caller, Cancel comes from the writer, and the last message the
// session gave is kept as the reason when the radio fails.
class FleetHost final : public TransferHost {
public:
    FleetHost(const std::atomic<bool>& bCancel, const FleetOptions& options,
              std::function<void(int)> progress)
        : m_bCancel(bCancel), m_Options(options), m_Progress(std::move(progress)),
          m_RetriesLeft(options.retries) {}

    void SetStatusText(const std::string&) override {}
    int ProgressPosition() override { return m_Position; }
    void StepProgress() override { SetProgress(m_Position + 1); }
    void SetProgress(int position) override {
        m_Position = position;
        m_Progress(position);
    }
    void EnableStart() override {}
    bool CancelRequested() override { return m_bCancel; }
    void Sleep(int ms) override {
        if (m_Options.sleep) {
            m_Options.sleep(ms);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        }
    }
    void Pump() override {}
    void ShowMessage(const HostMessage& message) override {
        m_Reason = {Trimmed(message.text.english), Trimmed(message.text.chinese)};
        if (!message.details.empty()) {
            const std::string details = OneLine(message.details);
            m_Reason->english += " (" + details + ")";
            m_Reason->chinese += "（" + details + "）";
        }
    }
    bool AskRetryCancel(const BiText& text) override {
        m_Reason = {Trimmed(text.english), Trimmed(text.chinese)};
        if (m_RetriesLeft > 0) {
            --m_RetriesLeft;
            return true;
        }
        return false;
    }
    void DestroyDialog() override {}

    const std::optional<FleetText>& Reason() const { return m_Reason; }

private:
    // The session's texts start with a blank or run over lines; a record
    // cell holds one line.
    static std::string Trimmed(const char* text) {
        std::string line(text);
        line = line.substr(0, line.find('\n'));
        const std::size_t first = line.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : line.substr(first);
    }

    // The system's reason may run over lines and end in a full stop; in the
    // parentheses of a one-line cell its lines become sentences of one line.
    static std::string OneLine(const std::string& text) {
        std::string line;
        for (const char c : text) {
            if (c != '\n') {
                line += c;
            } else if (!line.empty()) {
                line += line.back() == '.' ? " " : ". ";
            }
        }
        while (!line.empty() && (line.back() == '.' || line.back() == ' ')) {
            line.pop_back();
        }
        return line;
    }

    const std::atomic<bool>& m_bCancel;
    const FleetOptions& m_Options;
    std::function<void(int)> m_Progress;
    int m_RetriesLeft;
    int m_Position = 0;
    std::optional<FleetText> m_Reason;
};

void Fail(FleetResult& result, const FleetText& reason) {
    result.reason = reason;
    result.result = {"failed: " + reason.english, "失败：" + reason.chinese};
}

const FleetText Incomplete{"incomplete: write it again", "未完成：请重新写入"};

// before: what had already happened ("written, but ...").
void FailureOf(FleetResult& result, TransferOutcome outcome, const FleetHost& host,
               const FleetText& before = {}) {
    if (outcome == TransferOutcome::Cancelled) {
        result.reason = {"incomplete", "未完成"};
        result.result = Incomplete;
        return;
    }
    const FleetText reason = host.Reason().value_or(FleetText{"no answer", "无应答"});
    Fail(result, {before.english + reason.english, before.chinese + reason.chinese});
}

std::string Hex(std::uint8_t byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

FleetText Mismatch(const MemoryImage& written, const MemoryImage& radio) {
    FleetText text{"not verified, ", "校验不符，"};
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        const ImageComparison comparison =
            CompareImages(written, radio, CompareScope::Transferred, lang);
        std::string& out = lang == Lang::English ? text.english : text.chinese;
        out += ComparisonSummary(comparison, lang);
        if (!comparison.Same()) {
            out += (lang == Lang::English ? "; " : "；") +
                   DifferenceLine(comparison.differences.front(), lang);
        }
    }
    return text;
}

} // namespace

FleetWriter::FleetWriter(const MemoryImage& image, FleetOptions options, LinkFactory links)
    : m_Image(image), m_Options(std::move(options)), m_Links(std::move(links)) {}

int FleetWriter::TotalBlocks() const {
    return ImageMap::BlockCount * (m_Options.bVerify ? 2 : 1);
}

FleetResult FleetWriter::WriteOne(const FleetRadio& radio, std::size_t index,
                                  const Progress& progress) {
    const auto start = std::chrono::steady_clock::now();
    FleetResult result;
    result.port = radio.port;
    result.id = radio.id;
    int base = 0; // blocks of the phases before this one
    FleetHost host(m_bCancel, m_Options, [&](int position) {
        if (progress) {
            progress(index, base + position, TotalBlocks());
        }
    });
    const MemoryImage written = FleetNumbering::WithId(m_Image, m_Options.field, radio.id);
    MemoryImage image = written;
    std::unique_ptr<RadioLink> link = m_Links(radio.port);
    TransferSession session(*link, host);
    TransferOutcome outcome = session.Run(TransferDirection::Write, radio.port, image);
    if (const auto& identity = session.Identity()) {
        result.model = identity->model;
        result.version = Hex(identity->version);
    }
    if (outcome != TransferOutcome::Completed) {
        FailureOf(result, outcome, host);
    } else if (!m_Options.bVerify) {
        result.bOk = true;
        result.result = {"written", "已写入"};
    } else {
        // The bytes a read does not carry stay as written, so only the
        // carried ones can differ.
        MemoryImage radioImage = written;
        base = ImageMap::BlockCount;
        host.SetProgress(0);
        outcome = session.Run(TransferDirection::Read, radio.port, radioImage);
        if (outcome != TransferOutcome::Completed) {
            FailureOf(result, outcome, host,
                      {"written, but the read-back failed: ", "已写入，但回读失败："});
        } else if (CompareImages(written, radioImage, CompareScope::Transferred, Lang::English)
                       .Same()) {
            result.bOk = true;
            result.result = {"verified", "已校验"};
        } else {
            Fail(result, Mismatch(written, radioImage));
        }
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.when = FleetRecord::Now();
    return result;
}

void FleetWriter::Run(const std::vector<FleetRadio>& radios, const Progress& progress,
                      const Finished& finished) {
    std::mutex finishing;
    std::vector<std::thread> threads;
    threads.reserve(radios.size());
    for (std::size_t i = 0; i < radios.size(); ++i) {
        threads.emplace_back([&, i] {
            const FleetResult result = WriteOne(radios[i], i, progress);
            const std::lock_guard<std::mutex> lock(finishing);
            if (finished) {
                finished(i, result);
            }
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
}
