// GBK conversion through iconv's code page 936.
#include "core/files/Gbk.h"

#include <cerrno>
#include <iconv.h>

namespace core::detail {

bool ConvertGbk(std::string_view in, bool toUtf8, std::string &out)
{
    out.clear();
    const iconv_t cd = toUtf8 ? iconv_open("UTF-8", "CP936") : iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.resize(in.size() * 3 + 4);
    char *src = const_cast<char *>(in.data());
    std::size_t srcLeft = in.size();
    char *dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const bool ok = result != static_cast<std::size_t>(-1) && srcLeft == 0
        && iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    out.resize(ok ? out.size() - dstLeft : 0);
    return ok;
}

} // namespace core::detail
