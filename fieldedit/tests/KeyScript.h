// Test support: plays a key script into a field's rules the way the control delivers key presses.
#pragma once

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
        const std::string strKey = strScript.substr(i + 1, nClose - i - 1);
        i = nClose;
        if (strKey == "Back") {
            field.OnKeyDown(FieldKey::Back);
            field.OnChar(U'\b');
        } else if (strKey == "Space") {
            field.OnKeyDown(FieldKey::Space);
            field.OnChar(U' ');
        } else if (strKey == "Del") {
            field.OnKeyDown(FieldKey::Delete);
        } else if (strKey == "Left") {
            field.OnKeyDown(FieldKey::Left);
        } else if (strKey == "Right") {
            field.OnKeyDown(FieldKey::Right);
        } else if (strKey == "Up") {
            field.OnKeyDown(FieldKey::Up);
        } else if (strKey == "Down") {
            field.OnKeyDown(FieldKey::Down);
        } else if (strKey == "Home") {
            field.OnKeyDown(FieldKey::Other);
        } else {
            throw std::invalid_argument("unknown key name " + strKey);
        }
    }
}
