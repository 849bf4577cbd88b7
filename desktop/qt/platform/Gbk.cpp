// GBK conversion for Qt strings, through the shared conversion.
#include "platform/Gbk.h"

#include "core/files/Gbk.h"

namespace platform {

QString FromGbk(const std::string &bytes)
{
    const std::string utf8 = core::GbkToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToGbk(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return core::Utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace platform
