// Pictures made in memory for layer tests.
#pragma once

#include "support/shell_fixture.h"

namespace testbilder {

// A picture of `frames` frames of fw x fh, frame k all index 10 + k but a keyed one's top-left (key 2); its number.
inline int add(_grafikdatenbank& store, int fw, int fh, int frames, bool animiert = false, int verzoegerung = 0,
               bool transparent = false) {
    grafikdaten d;
    d.framebreite = fw, d.framehoehe = d.hoehe = fh, d.frames = frames, d.breite = fw * frames;
    d.animiert = animiert, d.verzoegerung = verzoegerung, d.transparent = transparent;
    store.setgrafikdaten(d);
    grafikdaten* p = store.grafikdaten[store.anzahl - 1];
    lpdd->CreateOffscreenSurface(fw * frames, fh, &p->surface);
    platform::SurfaceDesc desc;
    p->surface->Lock(nullptr, &desc);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw * frames; ++x) desc.surface[y * desc.pitch + x] = std::uint8_t(10 + x / fw);
    if (transparent) desc.surface[0] = 2;
    p->surface->Unlock();
    if (transparent) p->surface->SetColorKey(2);
    p->keyfarbe = transparent ? 2 : 10;
    return store.anzahl - 1;
}

inline std::uint8_t back_pixel(int x, int y) { return pixel(lpddsback, x, y); }
inline std::vector<int> back_pixels(std::initializer_list<std::pair<int, int>> punkte) {
    std::vector<int> p;
    for (auto [x, y] : punkte) p.push_back(back_pixel(x, y));
    return p;
}

}  // namespace testbilder
