// Replacing a file whole on Windows: write, FlushFileBuffers, MoveFileExW with write-through.
#include "core/files/AtomicSave.h"

#include <atomic>
#include <windows.h>

namespace core {

namespace {

std::string Reason(const char *step)
{
    const DWORD code = GetLastError();
    std::string reason = std::string(step) + ": error " + std::to_string(code);
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    if (text) {
        char utf8[512];
        int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8, sizeof utf8, nullptr, nullptr);
        LocalFree(text);
        while (size > 0 && (utf8[size - 1] == '\n' || utf8[size - 1] == '\r' || utf8[size - 1] == ' '))
            --size;
        if (size > 0)
            reason += " (" + std::string(utf8, static_cast<std::size_t>(size)) + ")";
    }
    return reason;
}

} // namespace

bool SaveFileAtomically(const std::filesystem::path &path, std::string_view bytes, std::string &error)
{
    static std::atomic<unsigned> counter{0};
    std::wstring temporary = path.wstring() + L".tmp" + std::to_wstring(GetCurrentProcessId()) + L"-"
        + std::to_wstring(counter++);

    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Reason("cannot create a file in the folder");
        return false;
    }
    bool ok = true;
    while (ok && !bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            error = Reason("cannot write");
            ok = false;
        }
        bytes.remove_prefix(written);
    }
    if (ok && !FlushFileBuffers(file)) {
        error = Reason("cannot flush to disk");
        ok = false;
    }
    CloseHandle(file);
    if (ok && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = Reason("cannot replace the file");
        ok = false;
    }
    if (!ok)
        DeleteFileW(temporary.c_str());
    return ok;
}

} // namespace core
