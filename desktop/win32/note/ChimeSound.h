// ChimeSound: the alarm's chime, the WAV resource IDW_CHIME played by the system's sound player.
#pragma once

#include <windows.h>

namespace win32 {

class ChimeSound
{
public:
    // `module` holds the chime (Note.rc compiled into it).
    explicit ChimeSound(HINSTANCE module) : m_hModule(module) {}
    ~ChimeSound() { Stop(); }

    ChimeSound(const ChimeSound &) = delete;
    ChimeSound &operator=(const ChimeSound &) = delete;

    // Starts the chime from its beginning, cutting off one still playing, and returns at once.
    // False when it cannot sound (no output device, no chime in the module, the player refused);
    // the first such failure is reported, later ones are not.
    bool Play();
    // Cuts the chime off.
    void Stop();

private:
    bool Fail(const char *why);

    HINSTANCE m_hModule;
    bool m_bReported = false;
};

} // namespace win32
