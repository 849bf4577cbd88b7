// What a note is made of before its window exists: its picture, its font, its place.
#pragma once

#include <filesystem>
#include <optional>

#include <windows.h>

#include "core/pictures/BitmapFile.h"

namespace win32 {

// The picture at `path` when it is a readable bitmap with something besides its key colour;
// otherwise the built-in one of `instance`, with a line saying why. Nothing when even that fails.
struct NotePicture {
    std::optional<core::Picture> picture;
    bool own = false;
};
NotePicture LoadNotePicture(HINSTANCE instance, const std::filesystem::path &path);

// The built-in note picture of `instance` (resource IDR_NOTE_PICTURE), or nothing.
std::optional<core::Picture> BuiltInNotePicture(HINSTANCE instance);

// The message font: "楷体_GB2312", else the first installed Kai face, else null (the caller then
// takes DEFAULT_GUI_FONT). 18 pixels a cell, thin, GB2312 character set.
HFONT CreateMessageFont();

// The work area of the monitor showing `clock`, or of the primary monitor for none.
RECT NoteWorkArea(HWND clock);

} // namespace win32
