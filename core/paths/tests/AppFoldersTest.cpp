// Tests of where the clock keeps its files on Windows: portable or installed, the folders compared
// as Windows compares names.
#include "core/paths/AppFolders.h"

#include <string>

#include <gtest/gtest.h>

using namespace core;

namespace {

std::filesystem::path U8(const char *text)
{
    return std::filesystem::path(reinterpret_cast<const char8_t *>(text));
}

} // namespace

TEST(AppFolders, WithinAFolderIgnoringCaseAndSeparators)
{
    const struct { const char *inner, *outer; bool within; } rows[] = {
        {R"(C:\Program Files\Dovetock)", R"(C:\Program Files)", true},
        {R"(c:\PROGRAM FILES\dovetock\bin)", R"(C:\Program Files\)", true},
        {R"(C:/Program Files/Dovetock)", R"(C:\program files)", true},
        {R"(C:\Program Files)", R"(C:\Program Files)", true},
        {R"(C:\Program Files (x86)\Dovetock)", R"(C:\Program Files)", false},
        {R"(C:\Program FilesX\Dovetock)", R"(C:\Program Files)", false},
        {R"(C:\Program Files\..\Tools\Dovetock)", R"(C:\Program Files)", false},
        {R"(C:\Tools\..\Program Files\.\Dovetock)", R"(C:\Program Files)", true},
        {R"(D:\Program Files\Dovetock)", R"(C:\Program Files)", false},
        {R"(C:\Program Files)", R"(C:\Program Files\Dovetock)", false},
        {R"(C:\Users\Åsa\Programs)", R"(C:\USERS\åSA)", true},
        {R"(C:\Users\ПЁТР\x)", R"(C:\Users\пётр)", true},
        {R"(C:\Users\Łukasz\x)", R"(C:\Users\łUKASZ)", true},
        {R"(C:\用户\小明\程序)", R"(C:\用户\小明)", true},
        {R"(C:\用户\小明\程序)", R"(C:\用户\小红)", false},
        {R"(C:\Tools)", "", false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(IsWithinFolder(U8(row.inner), U8(row.outer)), row.within) << row.inner << " in " << row.outer;
}

TEST(AppFolders, PortableOrInstalled)
{
    const char *roaming = R"(C:\Users\小明\AppData\Roaming)";
    const char *local = R"(C:\Users\小明\AppData\Local)";
    const std::vector<std::filesystem::path> programFiles = {U8(R"(C:\Program Files)"), U8(R"(C:\Program Files (x86))")};
    enum Root { Program, Roaming, Local };
    const struct { const char *program, *appData, *localAppData; bool withProgramFiles; bool installed; Root root; } rows[] = {
        {R"(D:\工具\闹钟)", roaming, local, true, false, Program},
        {R"(C:\Program Files\Dovetock)", roaming, local, true, true, Roaming},
        {R"(c:\program files (X86)\Dovetock)", roaming, local, true, true, Roaming},
        {R"(C:\Program Files\Dovetock)", roaming, local, false, false, Program},
        {R"(C:\Users\小明\AppData\Local\Programs\Dovetock)", roaming, local, true, true, Roaming},
        {R"(C:\USERS\小明\APPDATA\LOCAL\PROGRAMS\Dovetock)", roaming, local, false, true, Roaming},
        {R"(C:\Users\小明\AppData\Local\Dovetock)", roaming, local, true, false, Program},
        {R"(C:\Users\小明\AppData\Local\Programs\Dovetock)", "", local, true, true, Local},
        {R"(C:\Program Files\Dovetock)", "", "", true, false, Program},
        {R"(C:\Users\小明\Desktop\Program Files\Dovetock)", roaming, local, true, false, Program},
    };
    for (const auto &row : rows) {
        FolderFacts facts{U8(row.program), U8(row.appData), U8(row.localAppData), {}};
        if (row.withProgramFiles)
            facts.programFiles = programFiles;
        const AppFolders folders = ResolveAppFolders(facts);
        EXPECT_EQ(folders.installed, row.installed) << row.program;
        const std::filesystem::path base = row.root == Program ? facts.programDir
            : row.root == Roaming ? facts.appData / "Dovetock" : facts.localAppData / "Dovetock";
        EXPECT_EQ(folders.configDir, base) << row.program;
        const std::vector<std::filesystem::path> skins = row.root == Program
            ? std::vector<std::filesystem::path>{facts.programDir}
            : std::vector<std::filesystem::path>{base / "skins", facts.programDir};
        EXPECT_EQ(folders.skinDirs, skins) << row.program;
    }
}
