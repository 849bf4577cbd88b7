// Refuses an edit that would make the text unencodable in GBK or longer than the byte limit.
#include "settings/GbkLimitValidator.h"

#include "platform/Gbk.h"

GbkLimitValidator::GbkLimitValidator(int nMaxBytes, QObject *parent)
    : QValidator(parent), m_nMaxBytes(nMaxBytes)
{
}

QValidator::State GbkLimitValidator::validate(QString &input, int &) const
{
    const std::optional<std::string> bytes = platform::ToGbk(input);
    if (!bytes || bytes->size() > static_cast<std::size_t>(m_nMaxBytes))
        return Invalid;
    return Acceptable;
}
