// The clock window's face: the skins it shows, its outline and place, and the drawing of the digits.
#include "app/ClockWnd.h"

#include <algorithm>
#include <optional>

#include "app/Resource.h"
#include "core/clock/DigitCopies.h"
#include "core/files/Log.h"
#include "core/pictures/Shape.h"
#include "core/pictures/SkinCatalogue.h"

namespace {

// A picture compiled into the program.
core::Picture BuiltInPicture(int id)
{
    std::optional<core::Picture> picture = win32::PictureResource(GetModuleHandleW(nullptr), id);
    return picture ? std::move(*picture) : core::Picture{};
}

std::string PathUtf8(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Joined(const std::vector<std::filesystem::path> &folders)
{
    std::string text;
    for (const auto &folder : folders)
        text += (text.empty() ? "" : ", ") + PathUtf8(folder);
    return text;
}

} // namespace

std::filesystem::path CClockWnd::ChooseSkin(std::string &name, std::vector<std::string> &names, const char *extension,
                                            const char *kind)
{
    // Only skins that show are offered in the settings.
    names = core::UsableSkins(core::ListSkinFiles(m_folders.skinDirs, extension), extension);
    std::vector<std::filesystem::path> refused;
    const auto usable = [extension, &refused](const std::filesystem::path &file) {
        const bool ok = core::IsUsableSkin(file, extension);
        if (!ok && std::find(refused.begin(), refused.end(), file) == refused.end())
            refused.push_back(file);
        return ok;
    };
    const auto locate = [this, extension](const std::string &skin) {
        for (const std::filesystem::path &folder : m_folders.skinDirs) {
            std::filesystem::path file = core::FindSkinFile(folder, skin, extension);
            if (!file.empty())
                return file;
        }
        return std::filesystem::path();
    };
    const int start = names.empty() ? 0 : core::RandomIndex(0, static_cast<int>(names.size()) - 1);
    const std::optional<core::SkinPick> pick = core::PickSkin(locate, names, name, extension, start, usable);
    const std::string instead = pick ? "taking " + PathUtf8(pick->path) : "using the built-in skin";
    for (const std::filesystem::path &path : refused)
        core::LogProblem(std::string(kind) + " " + PathUtf8(path) + " is not a usable picture; " + instead);
    if (!name.empty() && locate(name).empty())
        core::LogProblem(std::string("the ") + kind + " skin " + name + " is missing; " + instead);
    if (!pick && refused.empty())
        core::LogProblem(std::string("no ") + kind + " skin (*." + extension + ") in " + Joined(m_folders.skinDirs)
                         + "; using the built-in skin");
    name = pick ? pick->name : std::string();
    return pick ? pick->path : std::filesystem::path();
}

void CClockWnd::MakeFace(const std::string &background, const std::string &digits)
{
    m_strBkName = background;
    m_strNumName = digits;
    m_strBkPath = ChooseSkin(m_strBkName, m_arrBkNames, "BK", "background");
    m_strNumPath = ChooseSkin(m_strNumName, m_arrNumNames, "NUM", "digit");

    std::optional<core::Picture> picture;
    if (!m_strBkPath.empty())
        picture = core::LoadBitmapFile(m_strBkPath);
    if (!picture || picture->IsNull()) {
        m_strBkPath.clear();
        picture = BuiltInPicture(IDR_FALLBACK_BK);
    }
    std::optional<core::Picture> strip;
    if (!m_strNumPath.empty())
        strip = core::LoadBitmapFile(m_strNumPath);
    if (!strip || strip->IsNull()) {
        if (!m_strNumPath.empty())
            core::LogProblem("digit strip " + PathUtf8(m_strNumPath) + " cannot be read; using the built-in strip");
        m_strNumName.clear();
        m_strNumPath.clear();
        strip = BuiltInPicture(IDR_FALLBACK_NUM);
    }
    m_bmpDigits.Reset(win32::MakeBitmap(*strip));
    m_size = {picture->width, picture->height};
    SetWindowPos(m_hWnd, nullptr, 0, 0, m_size.cx, m_size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    BuildShape(*picture);
}

void CClockWnd::BuildShape(const core::Picture &background)
{
    m_bmpBackground.Reset(win32::MakeBitmap(background));
    if (const auto box = core::FindDigitBox(background))
        m_ptDigits = {box->x, box->y};
    // An empty region shows nothing: a picture of one colour is invisible, as its outline says.
    SetWindowRgn(m_hWnd, win32::MakeRegion(core::OutlineRects(background)), FALSE);
}

void CClockWnd::MoveWindow(core::WindowPosition topLeft)
{
    m_nX = topLeft.x;
    m_nY = topLeft.y;
    RECT saved{m_nX, m_nY, m_nX + m_size.cx, m_nY + std::max<LONG>(m_size.cy, 1)};
    saved.right = std::max(saved.right, saved.left + 1);
    POINT place{m_nX, m_nY};
    // A place on no screen any more (a monitor removed) gives the primary screen's corner.
    if (!MonitorFromRect(&saved, MONITOR_DEFAULTTONULL)) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        place = {work.left, work.top};
    }
    SetWindowPos(m_hWnd, HWND_TOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CClockWnd::DrawDigits(const core::ClockDigits &, const std::array<bool, 6> &changed)
{
    for (const core::DigitCopy &copy : core::kDigitCopies) {
        if (copy.Shows(changed)) {
            const RECT rect{m_ptDigits.x + copy.dx, m_ptDigits.y, m_ptDigits.x + copy.dx + copy.width,
                            m_ptDigits.y + DigitBoxHeight};
            InvalidateRect(m_hWnd, &rect, FALSE);
        }
    }
}

void CClockWnd::OnPaint()
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(m_hWnd, &ps);
    const HDC memory = CreateCompatibleDC(dc);
    const RECT box{m_ptDigits.x, m_ptDigits.y, m_ptDigits.x + DigitBoxWidth, m_ptDigits.y + DigitBoxHeight};
    RECT inside{};
    IntersectRect(&inside, &ps.rcPaint, &box);
    // The background as read at creation: a paint reads no file. A tick's paint lies inside the box.
    if (m_bmpBackground && !EqualRect(&inside, &ps.rcPaint)) {
        const HGDIOBJ old = SelectObject(memory, m_bmpBackground.Get());
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left, ps.rcPaint.bottom - ps.rcPaint.top,
               memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        SelectObject(memory, old);
    }
    if (m_bmpDigits) {
        const HGDIOBJ old = SelectObject(memory, m_bmpDigits.Get());
        for (const core::DigitCopy &copy : core::kDigitCopies) {
            const RECT target{m_ptDigits.x + copy.dx, m_ptDigits.y, m_ptDigits.x + copy.dx + copy.width,
                              m_ptDigits.y + DigitBoxHeight};
            RECT overlap{};
            if (!IntersectRect(&overlap, &target, &ps.rcPaint))
                continue;
            const int sourceX = copy.SourceX(Digits());
            BitBlt(dc, target.left, target.top, copy.width, DigitBoxHeight, memory, sourceX, 0, SRCCOPY);
        }
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    EndPaint(m_hWnd, &ps);
    if (!m_bPainted) {
        m_bPainted = true;
        // After this paint has reached the screen.
        Later([this] { FinishCreate(); });
    }
}
