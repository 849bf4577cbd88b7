// GBK conversion through Qt's ICU-backed string codecs.
#include "platform/Gbk.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QString FromGbk(const std::string &bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> ToGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return std::nullopt;
    const QByteArray out = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return std::string(out.constData(), static_cast<std::size_t>(out.size()));
}

} // namespace platform
