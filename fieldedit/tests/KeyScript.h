// Test support: plays a key script into a field's rules the way the control delivers key presses.
#pragma once

#include <map>
#include <stdexcept>
#include <string>

#include "fieldedit/FieldModel.h"

// Plain characters are typed keys (a key press, then the character); {Back}, {Del}, {Left}, {Right},
// {Up}, {Down}, {Space} and {Home} are the named keys.
inline void PlayKeys(FieldModel &field, const std::string &strScript)
{
    for (std::size_t i = 0; i < strScript.size(); ++i) {
        const char c = strScript[i];
        if (c != '{') {
            field.OnKeyDown(c == ' ' ? FieldKey::Space : FieldKey::Other);
            field.OnChar(static_cast<unsigned char>(c));
            continue;
        }
        const std::size_t nClose = strScript.find('}', i);
        if (nClose == std::string::npos)
            throw std::invalid_argument("unclosed key name in " + strScript);
        static const std::map<std::string, std::pair<FieldKey, char32_t>> named = {
            {"Back", {FieldKey::Back, U'\b'}}, {"Space", {FieldKey::Space, U' '}}, {"Del", {FieldKey::Delete, 0}},
            {"Left", {FieldKey::Left, 0}},      {"Right", {FieldKey::Right, 0}},   {"Up", {FieldKey::Up, 0}},
            {"Down", {FieldKey::Down, 0}},      {"Home", {FieldKey::Other, 0}},
        };
        const auto key = named.find(strScript.substr(i + 1, nClose - i - 1));
        if (key == named.end())
            throw std::invalid_argument("unknown key name in " + strScript);
        i = nClose;
        field.OnKeyDown(key->second.first);
        if (key->second.second)
            field.OnChar(key->second.second);
    }
}
