#include "common/Gdi.h"

#include <cstring>

namespace win32 {

std::optional<core::Picture> PictureResource(HMODULE module, int id)
{
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return std::nullopt;
    return core::DecodeBitmap(std::string_view(static_cast<const char *>(bytes), SizeofResource(module, found)));
}

HBITMAP MakeBitmap(const core::Picture &picture)
{
    if (picture.IsNull())
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // rows from the top, as the picture holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits)
        return bitmap;
    // 0xFFRRGGBB in memory is B, G, R, A: what a 32-bit DIB holds.
    std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(picture.pixels[0]));
    return bitmap;
}

HRGN MakeRegion(const std::vector<core::PixelRect> &rects)
{
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto *header = reinterpret_cast<RGNDATAHEADER *>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds{0, 0, 0, 0};
    auto *out = reinterpret_cast<RECT *>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const core::PixelRect &r = rects[i];
        out[i] = RECT{r.x, r.y, r.x + r.width, r.y + r.height};
        if (i == 0)
            bounds = out[i];
        else
            UnionRect(&bounds, &bounds, &out[i]);
    }
    header->rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA *>(data.data()));
}

} // namespace win32
