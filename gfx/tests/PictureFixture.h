// A test fixture that writes BMP files into a temporary folder and collects user messages.
#pragma once

#include <cstdint>
#include <vector>

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gfx/tests/BmpWriter.h"
#include "platform/UserMessage.h"

namespace testbmp {

class PictureFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = platform::SetUserMessageHandler([this](const QString &text) { m_messages << text; });
    }
    void TearDown() override { platform::SetUserMessageHandler(m_previous); }

    // Writes the bytes to a new file of the folder; returns its path.
    QString Save(const std::vector<std::uint8_t> &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("%1.bmp").arg(++m_nFiles));
        EXPECT_TRUE(Write(path, bytes));
        return path;
    }

    QTemporaryDir m_dir;
    int m_nFiles = 0;
    QStringList m_messages;
    platform::MessageHandler m_previous;
};

} // namespace testbmp
