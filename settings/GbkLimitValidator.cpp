// Refuses an edit that would make the text longer than the byte limit or add characters that
// GBK cannot encode; text admitted from elsewhere may only get shorter.
#include "settings/GbkLimitValidator.h"

#include <algorithm>

#include <QLineEdit>

#include "platform/Gbk.h"

namespace {

struct GbkMeasure {
    int nBytes = 0;
    int nForeign = 0; // characters without a GBK form, counted as 2 bytes each
};

GbkMeasure Measure(const QString &text)
{
    GbkMeasure measure;
    if (const std::optional<std::string> bytes = platform::ToGbk(text)) {
        measure.nBytes = static_cast<int>(bytes->size());
        return measure;
    }
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const std::optional<std::string> bytes = platform::ToGbk(text.mid(i, n));
        measure.nBytes += bytes ? static_cast<int>(bytes->size()) : 2;
        measure.nForeign += bytes ? 0 : 1;
        i += n;
    }
    return measure;
}

} // namespace

GbkLimitValidator::GbkLimitValidator(int nMaxBytes, QObject *parent)
    : QValidator(parent), m_nMaxBytes(nMaxBytes), m_nCeilingBytes(nMaxBytes)
{
}

GbkLimitValidator *GbkLimitValidator::Install(QLineEdit *edit, int nMaxBytes)
{
    auto *validator = new GbkLimitValidator(nMaxBytes, edit);
    edit->setValidator(validator);
    // Undo and redo pass no validator: text they bring back over the ceiling is taken back.
    QObject::connect(edit, &QLineEdit::textChanged, validator, [edit, validator](const QString &text) {
        if (validator->Fits(text))
            validator->Admit(text);
        else
            edit->setText(validator->m_strAdmitted);
    });
    return validator;
}

QValidator::State GbkLimitValidator::validate(QString &input, int &) const
{
    return Fits(input) ? Acceptable : Invalid;
}

bool GbkLimitValidator::Fits(const QString &text) const
{
    const GbkMeasure measure = Measure(text);
    return measure.nBytes <= m_nCeilingBytes && measure.nForeign <= m_nCeilingForeign;
}

void GbkLimitValidator::Admit(const QString &text)
{
    const GbkMeasure measure = Measure(text);
    m_nCeilingBytes = std::max(m_nMaxBytes, measure.nBytes);
    m_nCeilingForeign = measure.nForeign;
    m_strAdmitted = text;
}
