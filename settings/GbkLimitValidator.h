// GbkLimitValidator: accepts text only while it has a GBK form of at most a given number of bytes.
#pragma once

#include <QValidator>

class GbkLimitValidator : public QValidator
{
    Q_OBJECT

public:
    explicit GbkLimitValidator(int nMaxBytes, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    int m_nMaxBytes;
};
