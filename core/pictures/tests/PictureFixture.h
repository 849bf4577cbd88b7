// A test fixture that writes BMP files into a temporary folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/tests/TempFolder.h"
#include "core/pictures/tests/BmpWriter.h"

namespace testbmp {

class PictureFixture : public ::testing::Test
{
protected:
    // Writes the bytes to a new file of the folder; returns its path.
    std::filesystem::path Save(const std::vector<std::uint8_t> &bytes)
    {
        const std::filesystem::path path = m_dir.Path() / (std::to_string(++m_nFiles) + ".bmp");
        EXPECT_TRUE(Write(path, bytes));
        return path;
    }

    TempFolder m_dir;
    int m_nFiles = 0;
};

} // namespace testbmp
