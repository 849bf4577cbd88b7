// Pictures and outlines as GDI objects.
#pragma once

#include <optional>
#include <vector>

#include <windows.h>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/Shape.h"

namespace win32 {

// The BMP file held as RCDATA resource `id` of `module`, decoded; nothing when it is missing or
// damaged.
std::optional<core::Picture> PictureResource(HMODULE module, int id);

// A 32-bit top-down DIB section holding `picture`; null for a null picture. The caller deletes it.
HBITMAP MakeBitmap(const core::Picture &picture);

// The region made of `rects` (window coordinates); an empty region for none. The caller owns it
// until it hands it to SetWindowRgn.
HRGN MakeRegion(const std::vector<core::PixelRect> &rects);

// Owns a GDI object and deletes it when it goes.
template <typename Handle>
class GdiObject
{
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    GdiObject(GdiObject &&other) noexcept : m_handle(other.Release()) {}
    GdiObject &operator=(GdiObject &&other) noexcept
    {
        if (this != &other) {
            Reset();
            m_handle = other.Release();
        }
        return *this;
    }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    Handle Release()
    {
        Handle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle)
            DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

} // namespace win32
