// A fresh folder for one test, removed with everything in it afterwards; and whole-file helpers.
#pragma once

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class TempFolder
{
public:
    TempFolder()
    {
        static std::atomic<int> counter{0};
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string("dovetock-") + (info ? info->name() : "test") + "-"
            + std::to_string(counter++) + "-" + std::to_string(std::rand());
        m_path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &Path() const { return m_path; }

    // The names in the folder, sorted.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_path;
};

inline void WriteFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

inline std::string ReadFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<missing>";
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
