#include "link/ConnectionCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "link/TransferSession.h"
#include "link/TransferTexts.h"

namespace {

using Kind = CheckStep::Kind;

// A text of the check in both languages, with %1, %2, ... filled in.
struct Said {
    std::string english;
    std::string chinese;
};

std::string Fill(std::string pattern, std::initializer_list<std::string> args) {
    int n = 1;
    for (const std::string& arg : args) {
        const std::string mark = "%" + std::to_string(n++);
        for (std::size_t at = pattern.find(mark); at != std::string::npos;
             at = pattern.find(mark, at + arg.size())) {
            pattern.replace(at, mark.size(), arg);
        }
    }
    return pattern;
}

Said Say(const BiText& text, std::initializer_list<std::string> args = {}) {
    return {Fill(text.english, args), Fill(text.chinese, args)};
}

Said operator+(Said a, const Said& b) {
    return {a.english + b.english, a.chinese + b.chinese};
}

std::string Hex(std::uint8_t byte) {
    char text[6];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string Milliseconds(double ms) {
    char text[16];
    std::snprintf(text, sizeof text, "%.0f", ms);
    return text;
}

// The check's texts. The port's names and the radio's words are filled in.
namespace Texts {
constexpr BiText PortOpens{"%1 — %2: opens", "%1 — %2：可以打开"};
constexpr BiText SimulatedOpens{"the simulated radio inside this program: no cable or port to open",
                                "本程序内的模拟对讲机：没有需要打开的连接线或端口"};
constexpr BiText PortOpensNoUsb{"%1 opens (no USB identity: a port built into the computer?)",
                                "%1 可以打开（无 USB 标识：可能是电脑自带的串口）"};
constexpr BiText NoSuchPort{
    "there is no port %1: plug the cable in, or choose the port it got in the Port menu",
    "没有端口 %1：请插上连接线，或在“端口”菜单中选择连接线所在的端口"};
constexpr BiText DriverMissing{
    "a %1 cable is plugged in, but its driver is missing: install the %1 driver, then plug "
    "the cable in again",
    "已插入 %1 连接线，但缺少它的驱动程序：请安装 %1 驱动程序，然后重新插入连接线"};
constexpr BiText DriverCannotStart{
    "a %1 cable is plugged in, but its driver does not start it (drivers refuse counterfeit "
    "chips so): use another driver version or another cable",
    "已插入 %1 连接线，但驱动程序无法启动它（驱动程序会这样拒绝仿冒芯片）：请换用其他版本的驱动"
    "程序或换一根连接线"};
constexpr BiText Busy{"another program holds %1: close it", "另一个程序占用了 %1：请关闭它"};
constexpr BiText NoPermission{
    "no permission to open %1: serial ports belong to the group dialout; join it with "
    "'sudo adduser $USER dialout', then log out and in again",
    "没有打开 %1 的权限：串口属于 dialout 组；请用 'sudo adduser $USER dialout' 加入该组，"
    "然后注销并重新登录"};
constexpr BiText NotSerial{"%1 is not a serial port", "%1 不是串口"};
constexpr BiText DoesNotOpen{"%1 does not open: %2", "%1 无法打开：%2"};
constexpr BiText Vanished{
    "%1 opened, then went away: was the cable pulled out? Plug it in and check again",
    "%1 打开后又消失了：连接线是否被拔出？请插好后重新检查"};
constexpr BiText NoEcho{"bytes sent do not come back (no echo)", "发出的字节没有返回（无回显）"};
constexpr BiText Echo{
    "every byte sent comes straight back: the cable echoes, or its plug is half in. Push the "
    "plug fully home; a cable that still echoes does not suit this radio",
    "发出的每个字节都立即返回：连接线有回显，或插头只插进一半。请把插头插到底；仍有回显的连接线"
    "不适用于这台对讲机"};
constexpr BiText NoAnswer{
    "no answer to the wake-up: switch the radio on, turn the volume knob up, push the plug "
    "fully home, check the port",
    "唤醒没有应答：请打开对讲机，调大音量旋钮，把插头插到底，检查端口"};
constexpr BiText StrangeAnswer{
    "the wake-up was answered with %1, not as this radio answers: is another device on %2?",
    "唤醒得到的应答是 %1，不是这种对讲机的应答：%2 上是否接着别的设备？"};
constexpr BiText NoIdentity{
    "the radio answered the wake-up but did not say which model it is: switch it off and on, "
    "then check again",
    "对讲机应答了唤醒，但没有报告机型：请关机再开机，然后重新检查"};
constexpr BiText IdentityCut{
    "the radio's identity broke off after %1 of 8 bytes: the radio answers too slowly, or the "
    "line loses bytes",
    "对讲机的机型应答在 8 个字节中只收到 %1 个就中断了：对讲机应答太慢，或线路丢失字节"};
constexpr BiText IdentityOutOfStep{
    "the radio's identity came out of step (\"%1\"): the radio answers more slowly than a "
    "transfer waits, or the line loses bytes",
    "对讲机的机型应答错位（“%1”）：对讲机应答比传输等待的时间更慢，或线路丢失字节"};
constexpr BiText OtherModel{
    "another model answers: it calls itself \"%1\", version %2; this program programs the "
    "Orin-6140D (T426) only",
    "应答的是其他机型：它自称“%1”，版本 %2；本程序只能编程 Orin-6140D (T426)"};
constexpr BiText LaterVersion{
    "the radio is a T426, but of version %1, which this program does not know",
    "对讲机是 T426，但版本 %1 是本程序不认识的"};
constexpr BiText NoAcknowledgement{
    "the radio said it is a T426, version %1, but did not acknowledge: switch it off and on, "
    "then check again",
    "对讲机报告为 T426，版本 %1，但没有确认应答：请关机再开机，然后重新检查"};
constexpr BiText RadioStopped{"the radio stopped answering: switch it off and on, then check again",
                              "对讲机停止了应答：请关机再开机，然后重新检查"};
constexpr BiText RadioAnswers{"Orin-6140D answers: T426, version %1; the acknowledgement works",
                              "Orin-6140D 已应答：T426，版本 %1；确认应答正常"};
constexpr BiText EarlierVersion{"; an earlier version: some features do not work",
                                "；版本较早：某些功能不起作用"};
constexpr BiText WakeUpTime{"the wake-up was answered in %1 ms", "唤醒应答用时 %1 毫秒"};
constexpr BiText SlowWakeUp{
    "; slow (a good line answers within %1 ms, a transfer waits 590 ms at most): check the plug "
    "and the radio's battery",
    "；较慢（正常线路在 %1 毫秒内应答，传输最多等待 590 毫秒）：请检查插头和对讲机电池"};
constexpr BiText SlowReplies{
    "; replies are slow: 8 bytes took %1 ms (about 10 ms on a good line), so a read takes "
    "longer than usual",
    "；应答较慢：8 个字节用了 %1 毫秒（正常线路约 10 毫秒），读取会比平常慢"};
constexpr BiText LongReplyCut{
    "a reply of 12 bytes, as every block of a read has, did not arrive whole: a read would "
    "fail. Push the plug fully home and check again",
    "12 "
    "个字节的应答（读取时每个数据块都是这样）没有完整收到：读取会失败。请把插头插到底后重新检查"};
} // namespace Texts

// Passes every call on and notes what the check needs to know of the
// opening of a transfer: whether the port kept working, what came back
// after each wake-up frame, and how long the radio took.
class WatchingLink final : public RadioLink {
public:
    WatchingLink(RadioLink& link, ConnectionCheck::Clock now)
        : m_Link(link), m_Now(std::move(now)) {}

    bool Open(const std::string& name) override { return m_Link.Open(name); }
    std::string OpenError() const override { return m_Link.OpenError(); }
    OpenProblem OpenFailure() const override { return m_Link.OpenFailure(); }
    void Configure() override { m_Link.Configure(); }
    void Purge(bool bAbort) override { m_Link.Purge(bAbort); }
    bool Write(const std::uint8_t* data, std::size_t n) override {
        const bool ok = m_Link.Write(data, n);
        bPortFailed = bPortFailed || !ok;
        m_Sent.insert(m_Sent.end(), data, data + n);
        // What the reads until the next write answer. A reply may come in
        // several reads when the radio pauses between its bytes.
        const bool bIdentityRequest =
            n == 1 && data[0] == IdentityRequestEnd && m_LastSent == IdentityRequestStart;
        m_Awaiting = n == 1 && data[0] == TransferSession::Ack ? Awaiting::Acknowledgement
                     : bIdentityRequest                        ? Awaiting::Identity
                     : n == 1                                  ? Awaiting::WakeUp
                                                               : Awaiting::Block;
        if (bIdentityRequest) {
            identityBytes = 0;
            m_IdentityStart = -1;
        }
        m_LastSent = n > 0 ? data[n - 1] : m_LastSent;
        m_WrittenAt = m_Now();
        return ok;
    }
    ReadResult Read(std::uint8_t* buffer, std::size_t n) override {
        const double start = m_Now();
        const ReadResult result = m_Link.Read(buffer, n);
        const double end = m_Now();
        bPortFailed = bPortFailed || !result.ok;
        if (m_Awaiting == Awaiting::WakeUp) {
            TakeWakeUpReply(result.count == 1 ? buffer[0] : -1, end);
        } else if (m_Awaiting == Awaiting::Identity) {
            if (m_IdentityStart < 0) {
                m_IdentityStart = start;
            }
            identityBytes += result.count;
            identityMs = end - m_IdentityStart;
        }
        m_Sent.clear();
        return result;
    }
    std::size_t Waiting() override { return m_Link.Waiting(); }
    void Close() override { m_Link.Close(); }

    bool bPortFailed = false;
    bool bEcho = false;
    std::vector<std::uint8_t> stray; // wake-up answers neither an echo nor an acknowledgement
    double wakeUpMs = -1;            // of the wake-up that was acknowledged
    std::size_t identityBytes = 0;
    double identityMs = 0;

private:
    void TakeWakeUpReply(int byte, double end) {
        if (byte < 0) {
            return;
        }
        const auto b = static_cast<std::uint8_t>(byte);
        if (b == TransferSession::Ack) {
            wakeUpMs = end - m_WrittenAt;
        } else if (std::find(m_Sent.begin(), m_Sent.end(), b) != m_Sent.end()) {
            bEcho = true;
        } else {
            stray.push_back(b);
        }
    }

    // The identity request is these two bytes, one write each.
    static constexpr std::uint8_t IdentityRequestStart = 0x4D;
    static constexpr std::uint8_t IdentityRequestEnd = 0x02;
    enum class Awaiting { WakeUp, Identity, Acknowledgement, Block };

    RadioLink& m_Link;
    ConnectionCheck::Clock m_Now;
    std::vector<std::uint8_t> m_Sent; // since the last read
    Awaiting m_Awaiting = Awaiting::WakeUp;
    std::uint8_t m_LastSent = 0;
    double m_WrittenAt = 0;
    double m_IdentityStart = -1; // when the first read of the identity began
};

// The transfer's host for the check: no dialog, no questions (the
// communication prompt is answered Cancel), and the messages only noted.
class QuietHost final : public TransferHost {
public:
    QuietHost(ConnectionCheck::Sleeper sleep, ConnectionCheck::CancelFlag cancel)
        : m_Sleep(std::move(sleep)), m_Cancel(std::move(cancel)) {}

    void SetStatusText(const std::string&) override {}
    int ProgressPosition() override { return 0; }
    void StepProgress() override {}
    void SetProgress(int) override {}
    void EnableStart() override {}
    bool CancelRequested() override { return m_Cancel && m_Cancel(); }
    void Sleep(int ms) override { m_Sleep(ms); }
    void Pump() override {}
    void ShowMessage(const HostMessage& message) override {
        bEarlierVersion =
            bEarlierVersion ||
            std::strcmp(message.text.english, TransferTexts::EarlierVersion.english) == 0;
    }
    bool AskRetryCancel(const BiText&) override { return false; }
    void DestroyDialog() override {}

    bool bEarlierVersion = false;

private:
    ConnectionCheck::Sleeper m_Sleep;
    ConnectionCheck::CancelFlag m_Cancel;
};

Said OpenFailed(const std::string& port, const RadioLink& link) {
    switch (link.OpenFailure()) {
    case RadioLink::OpenProblem::Missing:
        return Say(Texts::NoSuchPort, {port});
    case RadioLink::OpenProblem::Busy:
        return Say(Texts::Busy, {port});
    case RadioLink::OpenProblem::NoPermission:
        return Say(Texts::NoPermission, {port});
    case RadioLink::OpenProblem::NotSerial:
        return Say(Texts::NotSerial, {port});
    case RadioLink::OpenProblem::Other:
        break;
    }
    // The system's own words, up to their first line.
    const std::string error = link.OpenError();
    return Say(Texts::DoesNotOpen, {port, error.substr(0, error.find('\n'))});
}

Said PortMissing(const std::string& port, const PortFacts& facts) {
    switch (facts.driver) {
    case PortFacts::Driver::Missing:
        return Say(Texts::DriverMissing, {facts.driverChip});
    case PortFacts::Driver::CannotStart:
        return Say(Texts::DriverCannotStart, {facts.driverChip});
    case PortFacts::Driver::Fine:
        break;
    }
    return Say(Texts::NoSuchPort, {port});
}

Said PortOpens(const std::string& port, const PortFacts& facts) {
    if (facts.bSimulated) {
        return Say(Texts::SimulatedOpens);
    }
    if (!facts.usb) {
        return Say(Texts::PortOpensNoUsb, {port});
    }
    return {Fill(Texts::PortOpens.english, {port, facts.usb->Description(Lang::English)}),
            Fill(Texts::PortOpens.chinese, {port, facts.usb->Description(Lang::Chinese)})};
}

// Why the radio failed after its wake-up, from what the session and the line saw.
Said RadioFailed(TransferOutcome outcome, const TransferSession& session,
                 const WatchingLink& line) {
    const std::optional<RadioIdentity>& identity = session.Identity();
    if (outcome == TransferOutcome::ModelMismatch && identity) {
        if (identity->model != TransferSession::RadioModelId) {
            return Say(Texts::OtherModel, {identity->model, Hex(identity->version)});
        }
        return Say(Texts::LaterVersion, {Hex(identity->version)});
    }
    // An identity without its model and version is a failing line; the
    // session does not take it for another model.
    if (line.identityBytes == 0) {
        return Say(Texts::NoIdentity);
    }
    if (line.identityBytes < 8 || !identity) {
        return Say(Texts::IdentityCut, {std::to_string(line.identityBytes)});
    }
    if (identity->model != TransferSession::RadioModelId) {
        return Say(Texts::IdentityOutOfStep, {identity->model});
    }
    if (outcome == TransferOutcome::CommunicationFailed) {
        return Say(Texts::NoAcknowledgement, {Hex(identity->version)});
    }
    return Say(Texts::RadioStopped);
}

} // namespace

const char* CheckStep::Name(Kind kind, Lang lang) {
    static constexpr BiText Names[] = {
        {"Port", "端口"}, {"Cable", "连接线"}, {"Radio", "对讲机"}, {"Line", "线路"}};
    return Names[static_cast<int>(kind)].In(lang);
}

std::string CheckStep::Line(Lang lang) const {
    return std::string(ok ? "✓ " : "✗ ") + Name(kind, lang) +
           (lang == Lang::Chinese ? "：" : ": ") + Reason(lang);
}

bool ConnectionReport::RadioAnswered() const {
    return !bCancelled && steps.size() == 4 &&
           std::all_of(steps.begin(), steps.end(), [](const CheckStep& s) { return s.ok; });
}

std::string ConnectionReport::Text(Lang lang) const {
    std::string text;
    for (const CheckStep& step : steps) {
        text += step.Line(lang) + '\n';
    }
    return text;
}

ConnectionCheck::ConnectionCheck(RadioLink& link, Sleeper sleep, Clock now, CancelFlag cancel)
    : m_Link(link), m_Sleep(std::move(sleep)), m_Now(std::move(now)), m_Cancel(std::move(cancel)) {}

ConnectionReport ConnectionCheck::Run(const std::string& portName, const PortFacts& facts) {
    ConnectionReport report;
    auto add = [&report](Kind kind, bool ok, const Said& said) {
        report.steps.push_back({kind, ok, said.english, said.chinese});
        return ok;
    };
    if (!facts.bExists) {
        add(Kind::Port, false, PortMissing(portName, facts));
        return report;
    }
    WatchingLink line(m_Link, m_Now);
    QuietHost host(m_Sleep, m_Cancel);
    TransferSession session(line, host);
    const TransferOutcome outcome = session.Handshake(portName);
    if (outcome == TransferOutcome::Cancelled) {
        report.bCancelled = true;
        return report;
    }
    if (outcome == TransferOutcome::PortNotOpened) {
        add(Kind::Port, false, OpenFailed(portName, line));
        return report;
    }
    if (!add(Kind::Port, !line.bPortFailed,
             line.bPortFailed ? Say(Texts::Vanished, {portName}) : PortOpens(portName, facts)) ||
        !add(Kind::Cable, !line.bEcho, Say(line.bEcho ? Texts::Echo : Texts::NoEcho))) {
        return report;
    }
    if (outcome == TransferOutcome::SyncFailed) {
        std::string bytes;
        for (std::size_t i = 0; i < line.stray.size() && i < 4; ++i) {
            bytes += (i ? " " : "") + Hex(line.stray[i]);
        }
        add(Kind::Radio, false,
            line.stray.empty() ? Say(Texts::NoAnswer)
                               : Say(Texts::StrangeAnswer, {bytes, portName}));
        return report;
    }
    const bool bOpened = outcome == TransferOutcome::Completed ||
                         outcome == TransferOutcome::ShortReply ||
                         outcome == TransferOutcome::OutOfStep;
    if (!bOpened || !session.Identity()) {
        add(Kind::Radio, false, RadioFailed(outcome, session, line));
        return report;
    }
    Said radio = Say(Texts::RadioAnswers, {Hex(session.Identity()->version)});
    if (host.bEarlierVersion) {
        radio = radio + Say(Texts::EarlierVersion);
    }
    add(Kind::Radio, true, radio);
    if (outcome != TransferOutcome::Completed) {
        add(Kind::Line, false, Say(Texts::LongReplyCut));
        return report;
    }
    Said said = Say(Texts::WakeUpTime, {Milliseconds(line.wakeUpMs)});
    if (line.wakeUpMs > SlowWakeUpMs) {
        said = said + Say(Texts::SlowWakeUp, {Milliseconds(SlowWakeUpMs)});
    }
    if (line.identityBytes > 0 &&
        line.identityMs / static_cast<double>(line.identityBytes) > SlowByteGapMs) {
        said = said + Say(Texts::SlowReplies, {Milliseconds(line.identityMs)});
    }
    add(Kind::Line, true, said);
    return report;
}
