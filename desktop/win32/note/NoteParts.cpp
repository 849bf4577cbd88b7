// The note's picture (its own or the built-in one), the message font and the work area it goes in.
#include "note/NoteParts.h"

#include <cwchar>
#include <string>

#include "common/Gdi.h"
#include "core/files/ReadFile.h"
#include "core/pictures/Shape.h"
#include "note/NoteResources.h"
#include "note/Report.h"

namespace win32 {

namespace {

bool Usable(const std::optional<core::Picture> &picture)
{
    return picture && !core::OutlineRects(*picture).empty();
}

std::string WhyUnusable(const std::filesystem::path &path)
{
    const std::optional<std::string> bytes = core::ReadFileBytes(path);
    if (!bytes)
        return "is missing or cannot be read";
    if (!bytes->starts_with("BM"))
        return "is not a bitmap file";
    if (core::DecodeBitmap(*bytes))
        return "has only one colour, so nothing of it would show";
    return "is a damaged bitmap file";
}

bool FaceInstalled(const wchar_t *face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool *>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

} // namespace

std::optional<core::Picture> BuiltInNotePicture(HINSTANCE instance)
{
    return PictureResource(instance, IDR_NOTE_PICTURE);
}

NotePicture LoadNotePicture(HINSTANCE instance, const std::filesystem::path &path)
{
    NotePicture result{core::LoadBitmapFile(path), true};
    if (Usable(result.picture))
        return result;
    const std::u8string file = path.filename().u8string();
    const std::string name = "reminder picture " + std::string(file.begin(), file.end());
    result.own = false;
    result.picture = BuiltInNotePicture(instance);
    if (Usable(result.picture)) {
        ReportProblem(name + " " + WhyUnusable(path) + "; showing the built-in picture");
    } else {
        ReportProblem(name + " " + WhyUnusable(path) + " and the built-in picture is unavailable");
        result.picture.reset();
    }
    return result;
}

HFONT CreateMessageFont()
{
    for (const wchar_t *face : {L"楷体_GB2312", L"KaiTi", L"AR PL UKai CN"}) {
        if (FaceInstalled(face))
            return CreateFontW(18, 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_MODERN | FIXED_PITCH, face);
    }
    return nullptr;
}

RECT NoteWorkArea(HWND clock)
{
    HMONITOR monitor = clock ? MonitorFromWindow(clock, MONITOR_DEFAULTTONEAREST)
                             : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor && GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace win32
