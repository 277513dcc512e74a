#include "link/TransferSession.h"

#include <algorithm>
#include <cstring>

#include "image/ImageMap.h"
#include "link/TransferTexts.h"

namespace {

constexpr std::uint8_t ReadCommand = 0x52;  // 'R'
constexpr std::uint8_t WriteCommand = 0x57; // 'W'
constexpr std::uint8_t Nak = 0x15;          // a radio's refusal
constexpr std::uint8_t IdentityRequest[] = {0x4D, 0x02};
constexpr std::uint8_t WakeUpFrame[] = {0x02, 'P', 'R', 'O', 'G', 'R'};
constexpr std::size_t BlockReplyLength = 12;
constexpr std::size_t ReplyHeaderLength = ReplyGuard::HeaderLength;
constexpr std::size_t IdentityReplyLength = 8;
constexpr std::size_t VersionIndex = 4;

std::uint8_t High(unsigned address) {
    return static_cast<std::uint8_t>(address >> 8);
}
std::uint8_t Low(unsigned address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

std::string Hex(unsigned value, int digits) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = digits - 1; i >= 0; --i) {
        text += Digits[(value >> (4 * i)) & 0xF];
    }
    return text;
}

} // namespace

const char* OutcomeName(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::Completed:
        return "completed";
    case TransferOutcome::PortNotOpened:
        return "port not opened";
    case TransferOutcome::SyncFailed:
        return "synchronization error";
    case TransferOutcome::ModelMismatch:
        return "model mismatch";
    case TransferOutcome::CommunicationFailed:
        return "communication error";
    case TransferOutcome::ShortReply:
        return "short reply";
    case TransferOutcome::OutOfStep:
        return "reply out of step";
    case TransferOutcome::AcknowledgeLost:
        return "acknowledgement lost";
    case TransferOutcome::BlockRefused:
        return "block refused";
    case TransferOutcome::Cancelled:
        return "cancelled";
    }
    return "?";
}

TransferSession::TransferSession(RadioLink& link, TransferHost& host)
    : m_Link(link), m_Host(host) {}

TransferOutcome TransferSession::Run(TransferDirection direction, const std::string& portName,
                                     MemoryImage& image) {
    m_Direction = direction;
    m_Start = image;
    m_Stage = image;
    m_Outcome = TransferOutcome::Completed;

    if (!m_Link.Open(portName)) {
        m_Host.ShowMessage({TransferTexts::PortNotOpened, std::nullopt, m_Link.OpenError()});
        m_Host.DestroyDialog();
        return TransferOutcome::PortNotOpened;
    }
    m_Link.Configure();
    m_Host.SetStatusText(TransferTexts::StatusDetecting);
    m_FailureCounter = 1;
    m_Buffer.fill(0);
    m_bCheckIdentity = true;
    m_Identity.reset();

    const TransferOutcome outcome = Exchange();
    // The one place that closes the port: every way out of Exchange comes here.
    m_Link.Close();
    return Finish(outcome, image);
}

TransferOutcome TransferSession::Handshake(const std::string& portName) {
    MemoryImage scratch;
    m_bHandshakeOnly = true;
    const TransferOutcome outcome = Run(TransferDirection::Read, portName, scratch);
    m_bHandshakeOnly = false;
    return outcome;
}

TransferOutcome TransferSession::Exchange() {
    Step step = Step::Detect;
    for (;;) {
        switch (step) {
        case Step::Detect:
            step = Detect();
            break;
        case Step::Identify:
            step = Identify();
            break;
        case Step::Confirm:
            step = Confirm();
            break;
        case Step::CommunicationPrompt:
            if (m_Host.AskRetryCancel(TransferTexts::CommunicationFailed)) {
                m_FailureCounter = 1;
                step = Step::Detect;
            } else {
                m_Outcome = TransferOutcome::CommunicationFailed;
                step = Step::Finished;
            }
            break;
        case Step::Blocks: {
            if (m_bHandshakeOnly) {
                return CloseRead();
            }
            const TransferOutcome outcome =
                m_Direction == TransferDirection::Read ? ReadBlocks() : WriteBlocks();
            if (outcome == TransferOutcome::Cancelled) {
                return outcome;
            }
            // The radio expects the closing exchange after a failed block too.
            if (m_Direction == TransferDirection::Write) {
                CloseWrite();
                return outcome;
            }
            // Band edges that did not arrive whole would be kept from the old
            // image, or taken from the wrong bytes, without a word: a bad
            // closing reply fails the read as well.
            const Failure failure = m_Failure; // the closing reply must not hide it
            const TransferOutcome edges = CloseRead();
            const TransferOutcome result = outcome == TransferOutcome::Completed ? edges : outcome;
            if (outcome != TransferOutcome::Completed) {
                m_Failure = failure;
            }
            if (result != TransferOutcome::ShortReply && result != TransferOutcome::OutOfStep) {
                return result;
            }
            // A reply cut short or out of step is a failing line, not data:
            // the user may try the whole read again, as after any other
            // communication error.
            if (!m_Host.AskRetryCancel(result == TransferOutcome::ShortReply
                                           ? Told(TransferTexts::ShortReplyPrompt)
                                           : TransferTexts::OutOfStepPrompt)) {
                return result;
            }
            m_Stage = m_Start;
            m_Host.SetProgress(0);
            m_FailureCounter = 1;
            step = Step::Detect;
            break;
        }
        case Step::Finished:
            return m_Outcome;
        }
    }
}

TransferSession::Step TransferSession::Detect() {
    if (!PumpWithSleep(DetectPumps)) {
        m_Outcome = TransferOutcome::Cancelled;
        return Step::Finished;
    }
    m_Host.SetStatusText(TransferTexts::StatusWaiting);
    m_Link.Purge(true);
    for (int attempt = 0;; ++attempt) {
        const std::uint8_t last = attempt % 2 == 0 ? 'B' : 'A';
        for (std::uint8_t byte : WakeUpFrame) {
            m_Host.Sleep(1);
            m_Link.Purge(false);
            Send({byte});
        }
        m_Host.Sleep(1);
        m_Link.Purge(false);
        Send({last});
        m_Host.Sleep(2);
        m_Buffer[0] = 0x00;
        m_Link.Read(m_Buffer.data(), 1);
        if (m_Buffer[0] == Ack) {
            return Step::Identify;
        }
        if (++m_FailureCounter >= WakeUpLimit) {
            m_Outcome = TransferOutcome::SyncFailed;
            return Step::Finished;
        }
    }
}

TransferSession::Step TransferSession::Identify() {
    for (std::uint8_t byte : IdentityRequest) {
        m_Host.Sleep(1);
        m_Link.Purge(false);
        Send({byte});
    }
    const RadioLink::ReadResult reply = ReadReply(IdentityReplyLength);
    if (!reply.ok) {
        return Step::CommunicationPrompt;
    }
    // A reply that did not bring the model and version says nothing about the
    // model (the buffer would still hold the wake-up acknowledgement): the
    // line failed, not the radio.
    if (m_bCheckIdentity && reply.count <= VersionIndex) {
        return Step::CommunicationPrompt;
    }
    if (reply.count > VersionIndex) {
        RadioIdentity identity;
        for (std::size_t i = 0; i < VersionIndex; ++i) {
            const std::uint8_t c = m_Buffer[i];
            identity.model += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
        }
        identity.version = m_Buffer[VersionIndex];
        m_Identity = identity;
    }
    if (!m_bCheckIdentity) {
        return Step::Confirm;
    }
    if (std::memcmp(m_Buffer.data(), RadioModelId, std::strlen(RadioModelId)) != 0) {
        // Bytes that name no model (a radio slower than the timeouts puts its
        // late acknowledgement in front) are a failing line, not another model.
        const bool bName = std::all_of(m_Buffer.begin(), m_Buffer.begin() + VersionIndex,
                                       [](std::uint8_t c) { return c >= 0x20 && c < 0x7F; });
        if (!bName) {
            return Step::CommunicationPrompt;
        }
        m_Outcome = TransferOutcome::ModelMismatch;
        return Step::Finished;
    }
    const std::uint8_t version = m_Buffer[VersionIndex];
    if (version == AcceptedVersion || version == AnyVersion) {
        return Step::Confirm;
    }
    if (version < AcceptedVersion) {
        m_Host.ShowMessage({TransferTexts::EarlierVersion, std::nullopt, {}});
        m_bCheckIdentity = false;
        return Step::Detect;
    }
    m_Outcome = TransferOutcome::ModelMismatch;
    return Step::Finished;
}

TransferSession::Step TransferSession::Confirm() {
    m_Link.Purge(false);
    for (int sends = 1; !Send({Ack}); ++sends) {
        if (sends >= MaxAckSends) {
            return Step::CommunicationPrompt;
        }
        Report(TransferTexts::SendOrderError);
        m_Link.Purge(false);
    }
    const RadioLink::ReadResult reply = m_Link.Read(m_Buffer.data(), 1);
    if (!reply.ok) {
        return Step::CommunicationPrompt;
    }
    // Only a byte that really arrived counts: byte 0 may still hold an older
    // acknowledgement.
    if (reply.count == 1 && m_Buffer[0] == Ack) {
        return Step::Blocks;
    }
    if (!PumpWithSleep(ConfirmFailurePumps)) {
        m_Outcome = TransferOutcome::Cancelled;
        return Step::Finished;
    }
    return Step::CommunicationPrompt;
}

TransferOutcome TransferSession::CheckReply(unsigned address, const RadioLink::ReadResult& reply) {
    // Every byte of the block must arrive: a reply cut short would leave
    // the positions it lacks at what the image held, silently wrong.
    m_Failure = {address, reply.ok ? reply.count : 0, std::nullopt};
    if (!reply.ok || reply.count < BlockReplyLength) {
        return TransferOutcome::ShortReply;
    }
    // A reply goes on past its twelfth byte only when the line has lost step
    // (a byte doubled on a noisy cable): then its data bytes are shifted.
    if (m_Link.Waiting() > 0) {
        return TransferOutcome::OutOfStep;
    }
    return m_Guard.Accept(address, m_Buffer.data()) ? TransferOutcome::Completed
                                                    : TransferOutcome::OutOfStep;
}

TransferOutcome TransferSession::ReadBlocks() {
    m_Guard.Reset();
    for (int block = 0; block < ImageMap::BlockCount; ++block) {
        const unsigned address = static_cast<unsigned>(block * ImageMap::BlockLength);
        m_Link.Purge(false);
        Send({ReadCommand, High(address), Low(address), ImageMap::BlockLength});
        const RadioLink::ReadResult reply = ReadReply(BlockReplyLength);
        if (!reply.ok || reply.count < BlockReplyLength) {
            m_Failure = {address, reply.ok ? reply.count : 0, std::nullopt};
            return TransferOutcome::ShortReply;
        }
        for (std::size_t i = ReplyHeaderLength; i < BlockReplyLength; ++i) {
            m_Stage[address + i - ReplyHeaderLength] = m_Buffer[i];
        }
        AdvanceProgress();

        // The sleep before the acknowledgement gives a reply that runs on
        // time to show its extra bytes.
        m_Host.Sleep(15);
        if (const TransferOutcome checked = CheckReply(address, reply);
            checked != TransferOutcome::Completed) {
            return checked;
        }
        m_Link.Purge(false);
        Send({Ack});
        const RadioLink::ReadResult ack = m_Link.Read(m_Buffer.data(), 1);
        if (!ack.ok || ack.count != 1 || m_Buffer[0] != Ack) {
            m_Failure = {address, 0,
                         ack.ok && ack.count == 1 ? std::optional(m_Buffer[0]) : std::nullopt};
            return TransferOutcome::AcknowledgeLost;
        }
        for (int i = 0; i < ReadBlockPumps; ++i) {
            m_Host.Pump();
            if (m_Host.CancelRequested()) {
                return TransferOutcome::Cancelled;
            }
        }
        m_Host.Sleep(5);
    }
    return TransferOutcome::Completed;
}

TransferOutcome TransferSession::WriteBlocks() {
    for (int block = 0; block < ImageMap::BlockCount; ++block) {
        const unsigned address = static_cast<unsigned>(block * ImageMap::BlockLength);
        m_Link.Purge(false);
        bool sent = Send({WriteCommand, High(address), Low(address), ImageMap::BlockLength});
        m_Host.Sleep(1);
        // This purge also drops any stray acknowledgement, so only a 0x06 that
        // answers the data below counts for this block.
        m_Link.Purge(false);
        sent = Send(m_Stage.data() + address, ImageMap::BlockLength) && sent;
        const RadioLink::ReadResult ack = m_Link.Read(m_Buffer.data(), 1);
        if (!sent || !ack.ok || ack.count != 1 || m_Buffer[0] != Ack) {
            m_Failure = {address, 0,
                         ack.ok && ack.count == 1 ? std::optional(m_Buffer[0]) : std::nullopt};
            return TransferOutcome::BlockRefused;
        }
        AdvanceProgress();
        for (int i = 0; i < WriteBlockPumps; ++i) {
            if (m_Host.CancelRequested()) {
                return TransferOutcome::Cancelled;
            }
            m_Host.Pump();
        }
        m_Host.Sleep(1);
    }
    return TransferOutcome::Completed;
}

TransferOutcome TransferSession::CloseRead() {
    Send({ReadCommand, High(ClosingAddress), Low(ClosingAddress), ImageMap::BlockLength});
    const RadioLink::ReadResult reply = ReadReply(BlockReplyLength);
    // Band edges only from a whole reply in step.
    const TransferOutcome checked = CheckReply(ClosingAddress, reply);
    if (checked == TransferOutcome::Completed) {
        for (std::size_t i = 0; i < ImageMap::BandLimitsSize; ++i) {
            m_Stage[ImageMap::BandLimits + i] = m_Buffer[ReplyHeaderLength + i];
        }
    }
    Send({Ack});
    m_Link.Read(m_Buffer.data(), 1);
    return checked;
}

void TransferSession::CloseWrite() {
    Send({WriteCommand, High(ClosingAddress), Low(ClosingAddress), ImageMap::BandLimitsSize});
    Send(m_Stage.data() + ImageMap::BandLimits, ImageMap::BandLimitsSize);
    m_Link.Read(m_Buffer.data(), 1);
}

TransferOutcome TransferSession::Finish(TransferOutcome outcome, MemoryImage& image) {
    const bool bRead = m_Direction == TransferDirection::Read;
    const std::optional<BiText> discarded =
        bRead ? std::optional<BiText>(TransferTexts::ReadDiscarded) : std::nullopt;
    switch (outcome) {
    case TransferOutcome::Completed:
        m_Host.SetProgress(ImageMap::BlockCount);
        m_Host.DestroyDialog();
        if (bRead) {
            image = m_Stage;
        }
        break;
    case TransferOutcome::SyncFailed:
        m_Host.ShowMessage({TransferTexts::SyncFailed, std::nullopt, {}});
        m_Host.SetStatusText(TransferTexts::StatusNotStarted);
        m_Host.EnableStart();
        break;
    case TransferOutcome::ModelMismatch:
        m_Host.ShowMessage({TransferTexts::ModelMismatch, std::nullopt, {}});
        m_Host.DestroyDialog();
        break;
    case TransferOutcome::AcknowledgeLost:
        m_Host.ShowMessage({Told(TransferTexts::AcknowledgeLost), discarded, {}});
        m_Host.DestroyDialog();
        break;
    case TransferOutcome::BlockRefused:
        m_Host.ShowMessage({Told(TransferTexts::BlockRefused), std::nullopt, {}});
        m_Host.SetProgress(ImageMap::BlockCount);
        m_Host.DestroyDialog();
        break;
    case TransferOutcome::Cancelled:
        // The user knows: no message. A read leaves the image as it was.
        m_Host.DestroyDialog();
        break;
    case TransferOutcome::ShortReply: // the Retry/Cancel prompt said it all
    case TransferOutcome::OutOfStep:
    case TransferOutcome::CommunicationFailed:
    case TransferOutcome::PortNotOpened:
        m_Host.DestroyDialog();
        break;
    }
    return outcome;
}

RadioLink::ReadResult TransferSession::ReadReply(std::size_t n) {
    // The port ends a read 30 ms after a byte, but a slow radio may take
    // longer between bytes: that is a pause, not the end of the reply.
    RadioLink::ReadResult whole{true, 0};
    while (whole.count < n) {
        const RadioLink::ReadResult part =
            m_Link.Read(m_Buffer.data() + whole.count, n - whole.count);
        whole.ok = part.ok;
        whole.count += part.count;
        if (!part.ok || part.count == 0) {
            break;
        }
    }
    return whole;
}

bool TransferSession::PumpWithSleep(int cycles) {
    for (int i = 0; i < cycles; ++i) {
        m_Host.Pump();
        if (m_Host.CancelRequested()) {
            return false;
        }
        m_Host.Sleep(1);
    }
    return true;
}

void TransferSession::AdvanceProgress() {
    if (m_Host.ProgressPosition() < ImageMap::BlockCount) {
        m_Host.StepProgress();
    }
    m_Host.SetStatusText(std::to_string(m_Host.ProgressPosition()));
}

BiText TransferSession::Told(const BiText& text) {
    // The radio's own words stay as they are; what happened follows them on
    // their line, where a record that keeps one line still has it.
    std::string english = text.english;
    std::string chinese = text.chinese;
    const std::string at = Hex(m_Failure.address, 4);
    std::string saidEnglish;
    std::string saidChinese;
    if (&text == &TransferTexts::ShortReplyPrompt) {
        // The old message left a gap for the count of bytes a reply must have.
        const std::string count = std::to_string(BlockReplyLength);
        if (const std::size_t gap = english.find("  byte"); gap != std::string::npos) {
            english.replace(gap, 2, " " + count + " ");
        }
        const std::string received = std::to_string(m_Failure.received);
        saidEnglish = " (" + received + " arrived for address " + at + ")";
        saidChinese = "（地址 " + at + " 应收 " + count + " 字节，收到 " + received + " 字节）";
    } else if (m_Failure.answer) {
        const std::string answer = "0x" + Hex(*m_Failure.answer, 2);
        const bool bRefused = *m_Failure.answer == Nak;
        saidEnglish = " (the radio answered " + answer +
                      " instead of 0x06 to the block at address " + at +
                      (bRefused ? ": it refused the block)" : ")");
        saidChinese = "（对讲机对地址 " + at + " 的数据块应答 " + answer + " 而非 0x06" +
                      (bRefused ? "，拒收该数据块）" : "）");
    } else {
        saidEnglish = " (no answer from the radio to the block at address " + at + ")";
        saidChinese = "（对讲机对地址 " + at + " 的数据块没有应答）";
    }
    m_ToldEnglish = english.insert(std::min(english.find('\n'), english.size()), saidEnglish);
    m_ToldChinese = chinese.insert(std::min(chinese.find('\n'), chinese.size()), saidChinese);
    return {m_ToldEnglish.c_str(), m_ToldChinese.c_str()};
}

bool TransferSession::Send(std::initializer_list<std::uint8_t> bytes) {
    return m_Link.Write(bytes.begin(), bytes.size());
}

bool TransferSession::Send(const std::uint8_t* data, std::size_t n) {
    return m_Link.Write(data, n);
}

void TransferSession::Report(const BiText& text) {
    m_Host.ShowMessage({text, std::nullopt, {}});
}
