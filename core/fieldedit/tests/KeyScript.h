// Test support: plays a key script into a field the way an edit control delivers key presses, and
// reads the field's UTF-16 texts as narrow strings.
#pragma once

#include <initializer_list>

#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>

#include "core/fieldedit/FieldModel.h"

namespace core {

// Plain characters are typed keys (a key press with its character); {Back}, {Del}, {Left}, {Right},
// {Up}, {Down}, {Space}, {Home} and {End} are the named keys.
inline void PlayKeys(FieldModel &field, const std::string &strScript)
{
    for (std::size_t i = 0; i < strScript.size(); ++i) {
        const char c = strScript[i];
        if (c != '{') {
            PressKey(field, c == ' ' ? FieldKey::Space : FieldKey::Other,
                     std::u16string(1, static_cast<char16_t>(static_cast<unsigned char>(c))));
            continue;
        }
        const std::size_t nClose = strScript.find('}', i);
        if (nClose == std::string::npos)
            throw std::invalid_argument("unclosed key name in " + strScript);
        static const std::map<std::string, std::pair<FieldKey, std::u16string>> named = {
            {"Back", {FieldKey::Back, u"\b"}}, {"Space", {FieldKey::Space, u" "}}, {"Del", {FieldKey::Delete, u"\x7f"}},
            {"Left", {FieldKey::Left, u""}},    {"Right", {FieldKey::Right, u""}},   {"Up", {FieldKey::Up, u""}},
            {"Down", {FieldKey::Down, u""}},    {"Home", {FieldKey::Home, u""}},     {"End", {FieldKey::End, u""}},
        };
        const auto key = named.find(strScript.substr(i + 1, nClose - i - 1));
        if (key == named.end())
            throw std::invalid_argument("unknown key name in " + strScript);
        i = nClose;
        PressKey(field, key->second.first, key->second.second);
    }
}

// A test's ASCII text as UTF-16, and back ("?" for anything else).
inline std::u16string U16(const std::string &strText)
{
    return std::u16string(strText.begin(), strText.end());
}

inline std::string Narrow(const std::u16string &strText)
{
    std::string strNarrow;
    for (char16_t c : strText)
        strNarrow += c < 0x80 ? static_cast<char>(c) : '?';
    return strNarrow;
}


// A key script and the text and current segment it must leave.
struct KeyRow {
    const char *keys;
    const char *text;
    int nSegment;
};

// Plays each row's keys on a fresh field and compares the text and the current segment.
template <typename Field, typename Rows = std::initializer_list<KeyRow>>
void CheckRows(const Rows &rows)
{
    for (const KeyRow &row : rows) {
        Field field;
        PlayKeys(field, row.keys);
        EXPECT_EQ(Narrow(field.ComposeText()), row.text) << "keys " << row.keys;
        EXPECT_EQ(field.GetCurrentSegment(), row.nSegment) << "keys " << row.keys;
    }
}

} // namespace core
