// GbkLimitValidator: accepts text only while it has a GBK form of at most a given number of bytes.
#pragma once

#include <QString>
#include <QValidator>

#include "core/sheet/PageRules.h"

class QLineEdit;

class GbkLimitValidator : public QValidator
{
    Q_OBJECT

public:
    explicit GbkLimitValidator(int nMaxBytes, QObject *parent = nullptr);

    // Gives `edit` a validator of `nMaxBytes` that also follows every change of its text, so
    // that text admitted over the limit only ever gets shorter.
    static GbkLimitValidator *Install(QLineEdit *edit, int nMaxBytes);

    State validate(QString &input, int &pos) const override;

    // Lets `text` stand even when it is longer than the limit or has characters without a GBK
    // form (a stored message): from then on it may be shortened but never lengthened. Call it
    // before putting such text into the edit.
    void Admit(const QString &text);

private:
    bool Fits(const QString &text) const;

    GbkLimit m_limit;
    // The text last admitted.
    QString m_strAdmitted;
};
