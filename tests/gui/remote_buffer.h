#pragma once
// Memory inside the program under test. Common-control messages that carry a pointer
// (TCM_GETITEMRECT, DTM_GETSYSTEMTIME, ...) are not marshalled between processes, so the
// pointer has to be valid in the target.

#include <windows.h>

#include <cstddef>

namespace glyphwright::guitest {

class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    // The address as the target sees it, at `offset` bytes in.
    LPARAM At(std::size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }
    bool Write(const void* data, std::size_t size, std::size_t offset = 0);
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_;
    std::size_t size_;
};

}  // namespace glyphwright::guitest
