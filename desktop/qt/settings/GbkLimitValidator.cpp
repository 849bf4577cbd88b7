// Refuses an edit that would make the text longer than the byte limit or add characters that
// GBK cannot encode; text admitted from elsewhere may only get shorter.
#include "settings/GbkLimitValidator.h"

#include <QLineEdit>

GbkLimitValidator::GbkLimitValidator(int nMaxBytes, QObject *parent)
    : QValidator(parent), m_limit(nMaxBytes)
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
    return m_limit.Fits(text.toStdString());
}

void GbkLimitValidator::Admit(const QString &text)
{
    m_limit.Admit(text.toStdString());
    m_strAdmitted = text;
}
