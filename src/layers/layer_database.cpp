#include "layers/layer_database.h"

#include "base/fatal_report.h"
#include "platform/testing/fault_injection.h"
#include "sound/sound_slots.h"

_layerdatenbank layerdatenbank;

void _layerdatenbank::init(platform::DirectDraw* dd, platform::Surface* primary, platform::Surface* back) {
    for (_layerdaten*& l : layerdaten) l = nullptr;
    lpdd = dd;
    lpddsprimary = primary;
    lpddsback = back;
    grenzerechts = 1500;
    grenzelinks = -1000;
    punkteinit = 0;
    zeitinit = 0;
}

bool _layerdatenbank::Setlayerdaten(_grafikdatenbank* datenbank) {
    layerdaten[anzahl] = nullptr;
    _layerdaten* neu = platform::NewOrNull<_layerdaten>();
    if (!neu) {
        fehlerbox("_layerdatenbank::Setlayerdaten->kein Speicher");
        return true;
    }
    layerdaten[anzahl] = neu;
    neu->grafikdatenbank = datenbank;
    neu->layernummer = anzahl;
    neu->scrollx = neu->scrolly = 0;
    neu->scrollschrittx = neu->scrollschritty = 0;
    ++anzahl;
    return false;
}

bool _layerdatenbank::addbild(std::int32_t layernummer, std::int32_t bild, std::int32_t x, std::int32_t y) {
    _layerdaten* l = layerdaten[layernummer];
    if (!l) {
        fehlerbox("_layerdatenbank::addbild-layerdaten[layernummer] zeigt auf NULL");
        return true;
    }
    // A full layer has reported, and the shut-down has deleted it.
    if (l->addbild(bild, x, y)) return true;
    l->lpdd = lpdd;
    l->lpddsprimary = lpddsprimary;
    l->lpddsback = lpddsback;
    return false;
}

bool _layerdatenbank::zeichnen(_grafikdatenbank* datenbank, std::int32_t layernummer) {
    if (programmendet) return true;
    if (layernummer >= anzahl) {
        fehlerbox("_layerdatenbank::zeichnen-layer inst nicht vorhanden");
        return true;
    }
    if (layerdaten[layernummer]) layerdaten[layernummer]->zeichnen(datenbank);
    return false;
}

bool _layerdatenbank::allezeichnen(_grafikdatenbank* datenbank) {
    for (int i = 0; i < anzahl && !programmendet; ++i)
        if (layerdaten[i]) layerdaten[i]->zeichnen(datenbank);

    // The engine runs while a motor boat is on screen: restarted whenever it
    // has ended, stopped in the first frame without one.
    bool boot = false;
    for (int i = 0; i < anzahl && !boot; ++i) boot = layerdaten[i] && layerdaten[i]->motorlaeuft;
    motorgeraeusch(boot);
    return false;
}

void _layerdatenbank::setpixelplus(std::int32_t layernummer, std::int32_t schrittx, std::int32_t schritty) {
    _layerdaten* l = layerdaten[layernummer];
    if (!l) {
        fehlerbox("_layerdatenbank::setpixelplus-layer ist nicht vorhanden");
        return;
    }
    l->scrollschrittx = schrittx;
    l->scrollschritty = schritty;
}

bool _layerdatenbank::freigeben() {
    // The display goes next; no copy of its pointers may outlive it.
    lpdd = nullptr;
    lpddsprimary = nullptr;
    lpddsback = nullptr;
    for (int i = 0; i < anzahl; ++i) {
        delete layerdaten[i];
        layerdaten[i] = nullptr;
    }
    anzahl = 0;
    return false;
}

void _layerdatenbank::neustart() {
    for (int i = 0; i < anzahl; ++i)
        if (layerdaten[i]) layerdaten[i]->zuruecksetzen();
    punkteinit = 0;
    zeitinit = 0;
}
