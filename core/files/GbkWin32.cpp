// GBK conversion through Windows' code page 936.
#include "core/files/Gbk.h"

#include <climits>
#include <windows.h>

namespace core::detail {

namespace {

bool ToWide(UINT codePage, std::string_view in, std::wstring &wide)
{
    wide.clear();
    if (in.empty())
        return true;
    if (in.size() > INT_MAX)
        return false;
    const int size = static_cast<int>(in.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, wide.data(), length) == length;
}

bool FromWide(UINT codePage, const std::wstring &wide, std::string &out)
{
    out.clear();
    if (wide.empty())
        return true;
    const int size = static_cast<int>(wide.size());
    // Code page 936 reports characters it has no form for; UTF-8 takes the flags only as 0.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL *usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault)
        return false;
    out.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), length, nullptr, usedDefaultOut) == length
        && !usedDefault;
}

} // namespace

bool ConvertGbk(std::string_view in, bool toUtf8, std::string &out)
{
    std::wstring wide;
    if (!ToWide(toUtf8 ? 936 : CP_UTF8, in, wide))
        return false;
    return FromWide(toUtf8 ? CP_UTF8 : 936, wide, out);
}

} // namespace core::detail
