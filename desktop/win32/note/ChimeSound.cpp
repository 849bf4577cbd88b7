// Plays the chime resource asynchronously; a machine without sound output stays silent.
#include "note/ChimeSound.h"

#include <mmsystem.h>

#include <string>

#include "note/NoteResources.h"
#include "note/Report.h"

namespace win32 {

bool ChimeSound::Play()
{
    // An asynchronous play reports success before it has looked for an output, so ask first.
    if (waveOutGetNumDevs() == 0)
        return Fail("there is no sound output device");
    if (!FindResourceW(m_hModule, MAKEINTRESOURCEW(IDW_CHIME), L"WAVE"))
        return Fail("the program holds no chime");
    if (!PlaySoundW(MAKEINTRESOURCEW(IDW_CHIME), m_hModule, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT))
        return Fail("the system's sound player refused it");
    return true;
}

void ChimeSound::Stop()
{
    PlaySoundW(nullptr, nullptr, 0);
}

bool ChimeSound::Fail(const char *why)
{
    if (!m_bReported)
        ReportProblem(std::string("reminders are silent: ") + why);
    m_bReported = true;
    return false;
}

} // namespace win32
