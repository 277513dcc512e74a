#include "image/NativeFile.h"

#include <utility>

// What every system's NativeFile shares: owning one handle.

NativeFile::NativeFile(NativeFile&& other) noexcept
    : m_Handle(std::exchange(other.m_Handle, -1)), m_Error(other.m_Error) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_Handle = std::exchange(other.m_Handle, -1);
        m_Error = other.m_Error;
    }
    return *this;
}

NativeFile::~NativeFile() {
    Close();
}
