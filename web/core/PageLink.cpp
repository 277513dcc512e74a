#include "web/core/PageLink.h"

#include <emscripten.h>

#include <cstring>

#include "link/TransferTexts.h"

// clang-format off
EM_ASYNC_JS(char*, page_serial_open, (), {
    const error = await Module.serial.open();
    return error ? allocateUTF8(error) : 0;
});
EM_JS(void, page_serial_purge, (), { Module.serial.purge(); });
EM_JS(int, page_serial_write, (const std::uint8_t* data, int n), {
    return Module.serial.write(HEAPU8.slice(data, data + n)) ? 1 : 0;
});
EM_ASYNC_JS(int, page_serial_read, (std::uint8_t* buffer, int n, int intervalMs, int totalMs), {
    const bytes = await Module.serial.read(n, intervalMs, totalMs);
    if (bytes === null) return -1;
    HEAPU8.set(bytes, buffer);
    return bytes.length;
});
EM_JS(int, page_serial_waiting, (), { return Module.serial.waiting(); });
EM_ASYNC_JS(void, page_serial_close, (), { await Module.serial.close(); });

EM_JS(void, page_status, (const char* text), { Module.host.status(UTF8ToString(text)); });
EM_JS(void, page_progress, (int position), { Module.host.progress(position); });
EM_JS(int, page_cancel_requested, (), { return Module.host.cancelRequested() ? 1 : 0; });
EM_ASYNC_JS(void, page_sleep, (int ms), { await Module.host.sleep(ms); });
EM_ASYNC_JS(void, page_message, (const char* english, const char* chinese,
                                 const char* noteEnglish, const char* noteChinese,
                                 const char* details, int offerCheck), {
    await Module.host.message({
        english: UTF8ToString(english), chinese: UTF8ToString(chinese),
        noteEnglish: UTF8ToString(noteEnglish), noteChinese: UTF8ToString(noteChinese),
        details: UTF8ToString(details), offerCheck: offerCheck !== 0});
});
EM_ASYNC_JS(int, page_ask_retry, (const char* english, const char* chinese), {
    return (await Module.host.askRetry({english: UTF8ToString(english),
                                        chinese: UTF8ToString(chinese)})) ? 1 : 0;
});
// clang-format on

bool PageSerialLink::Open(const std::string&) {
    char* error = page_serial_open();
    if (error == nullptr) {
        m_OpenError.clear();
        return true;
    }
    m_OpenError = error;
    free(error);
    return false;
}

void PageSerialLink::Purge(bool) {
    page_serial_purge();
}

bool PageSerialLink::Write(const std::uint8_t* data, std::size_t n) {
    return page_serial_write(data, static_cast<int>(n)) != 0;
}

RadioLink::ReadResult PageSerialLink::Read(std::uint8_t* buffer, std::size_t n) {
    const int count = page_serial_read(buffer, static_cast<int>(n), ReadIntervalTimeoutMs,
                                       ReadTotalTimeoutMs(n));
    if (count < 0) {
        return {false, 0};
    }
    return {true, static_cast<std::size_t>(count)};
}

std::size_t PageSerialLink::Waiting() {
    return static_cast<std::size_t>(page_serial_waiting());
}

void PageSerialLink::Close() {
    page_serial_close();
}

void PageHost::SetStatusText(const std::string& text) {
    page_status(text.c_str());
}

void PageHost::StepProgress() {
    page_progress(++m_Position);
}

void PageHost::SetProgress(int position) {
    m_Position = position;
    page_progress(position);
}

bool PageHost::CancelRequested() {
    return page_cancel_requested() != 0;
}

void PageHost::Sleep(int ms) {
    page_sleep(ms);
}

void PageHost::ShowMessage(const HostMessage& message) {
    const BiText none{"", ""};
    const BiText note = message.note.value_or(none);
    // No radio answered the wake-up: the connection check tells why.
    const bool offerCheck =
        std::strcmp(message.text.english, TransferTexts::SyncFailed.english) == 0;
    page_message(message.text.english, message.text.chinese, note.english, note.chinese,
                 message.details.c_str(), offerCheck ? 1 : 0);
}

bool PageHost::AskRetryCancel(const BiText& text) {
    return page_ask_retry(text.english, text.chinese) != 0;
}
