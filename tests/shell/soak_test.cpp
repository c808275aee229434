// Whole games of random input, the layers' and the score's rules checked after
// every frame and click. FERROW_SOAK_FRAMES sets the length (20 000), FERROW_SEED the seed.
#include <map>

#include "layers/digit_displays.h"
#include "support/shell_fixture.h"
#include "support/seed.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

using Rows = std::vector<std::pair<std::string, std::int32_t>>;
Rows KeptRows(const _highscore& h) {
    Rows z;
    for (int i = 0; i < _highscore::kSpieler; ++i) z.emplace_back(h.namen[i], h.tabellenpunkte[i]);
    return z;
}

// Calls f(layer number, layer, object, record) for every live object.
template <typename F>
void ForEachObject(F f) {
    for (int l = 0; l < _layerdatenbank::kLayer; ++l) {
        const _layerdaten* layer = layerdatenbank.layerdaten[l];
        for (int i = 0; layer && i < std::min(layer->ereignissanzahl, _layerdaten::kEreignisse); ++i)
            if (layer->ereigniss[i] && layer->ereigniss[i]->aktiv) f(l, *layer, *layer->ereigniss[i], i);
    }
}

std::set<std::pair<int, int>> Ziffern() {
    std::set<std::pair<int, int>> z;
    ForEachObject([&](int l, const _layerdaten&, const Ereigniss& e, int i) { if (e.bild == kBildZiffern) z.emplace(l, i); });
    return z;
}

// The points a hit showed: the digits risen since `vorher`, a row 18 pixels apart.
long Gezeigt(const std::set<std::pair<int, int>>& vorher, long frame) {
    std::vector<const Bildplatz*> neu;
    ForEachObject([&](int l, const _layerdaten& layer, const Ereigniss& e, int i) {
        if (e.bild == kBildZiffern && !vorher.count({l, i})) neu.push_back(&layer.bilder[e.instanz]);
    });
    std::sort(neu.begin(), neu.end(), [](const Bildplatz* a, const Bildplatz* b) { return a->x < b->x; });
    std::string text;
    for (const Bildplatz* p : neu) {
        EXPECT_TRUE(p->x == neu[0]->x + 18.0 * double(text.size()) && p->y == neu[0]->y) << "frame " << frame;
        text += p->actualframe == kZifferMinus ? '-' : char('0' + p->actualframe);
    }
    return text.empty() ? 0 : std::stol(text);
}

// No more objects and slots than there is room for; each live object in a slot of its own.
void LayersHold(long frame) {
    for (const _layerdaten* layer : layerdatenbank.layerdaten)
        ASSERT_TRUE(!layer || (layer->ereignissanzahl <= _layerdaten::kEreignisse &&
                               layer->bilderanzahl <= _layerdaten::kBildplaetze)) << "frame " << frame;
    std::set<std::pair<int, int>> slots;
    ForEachObject([&](int l, const _layerdaten& layer, const Ereigniss& e, int i) {
        ASSERT_TRUE(e.instanz >= 0 && e.instanz < layer.bilderanzahl) << "frame " << frame << " layer " << l;
        EXPECT_EQ(layer.bilder[e.instanz].belegt, 1) << "frame " << frame << " layer " << l << " object " << i;
        EXPECT_TRUE(slots.emplace(l, e.instanz).second) << "frame " << frame << " layer " << l << " slot shared";
    });
}

}  // namespace

using SoakTest = WholeGameTest;

TEST_F(SoakTest, ManyGamesOfRandomPlayKeepTheLayersAndTheScoreInOrder) {
    ASSERT_NO_FATAL_FAILURE(StartGame());
    const char* wunsch = std::getenv("FERROW_SOAK_FRAMES");
    const long frames = wunsch ? std::atol(wunsch) : 20000;
    const unsigned seed = TestSeed();
    std::mt19937 zufall(seed);
    auto chance = [&](int eins_in) { return std::uniform_int_distribution<int>(0, eins_in - 1)(zufall) == 0; };
    auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis)(zufall); };
    _highscore ruecksetzung;
    ruecksetzung.ruecksetztabelle();

    long games = 0, ranked = 0, shots = 0, scoring_shots = 0;
    std::string spieler;       // the name the next entry is to be made under
    std::map<int, long> wert;  // what a hit on each picture showed
    for (long frame = 0; frame < frames && !HasFailure(); ++frame) {
        fakes::keys_down.clear();
        if (eingabefertig == 0) {  // the name entry
            if (chance(6)) fakes::keys_down = {'A' + zahl(25)};
            else if (chance(20)) fakes::keys_down = {VK_BACK};
            else if (chance(60)) fakes::keys_down = {VK_RETURN};
        } else if (restzeit == 0) {  // game over: a new game before long
            if (chance(100)) fakes::keys_down = {chance(2) ? VK_SPACE : VK_F1};
        } else {
            // F2 seldom: its table's scores are beyond random play.
            if (chance(3000)) fakes::keys_down = {chance(2) ? VK_SPACE : VK_F1};
            else if (chance(15000)) fakes::keys_down = {VK_F2};
        }

        // Half the shots aim at an object on view not seen to cost points, so some games score well;
        // a shot changes the score by what its hit showed rising.
        fensterproc(hauptfenster, WM_MOUSEMOVE, 0, MakeLParam(zahl(639), zahl(479)));
        if (chance(8)) {
            const std::int32_t punkte_vorher = punkte, schuesse_vorher = schuesse;
            const auto ziffern = Ziffern();
            // A layer without room for a follow-up and seven digits shows less than it awards.
            bool voll = false;
            for (const _layerdaten* l : layerdatenbank.layerdaten)
                voll = voll || (l && l->ereignissanzahl > _layerdaten::kEreignisse - 8);
            int x = zahl(639), y = zahl(479), ziel = -1;
            for (int versuch = chance(2) ? 0 : 20; versuch < 20 && ziel < 0; ++versuch) {
                const _layerdaten* l = layerdatenbank.layerdaten[1 + zahl(16)];
                const Ereigniss* e = l && l->ereignissanzahl ? l->ereigniss[zahl(l->ereignissanzahl - 1)] : nullptr;
                if (!e || !e->aktiv || e->bild == kBildZiffern || l->bilder[e->instanz].blitx < 0 || wert[e->bild] < 0) continue;
                const Bildplatz& p = l->bilder[e->instanz];
                x = std::min(639, p.blitx + (p.rechteck.right - p.rechteck.left) / 2);
                y = std::min(479, p.blity + (p.rechteck.bottom - p.rechteck.top) / 2);
                ziel = e->bild;
            }
            fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(x, y));
            fensterproc(hauptfenster, WM_LBUTTONUP, 0, 0);
            const bool geschossen = schuesse == schuesse_vorher - 1;
            const long gezeigt = Gezeigt(ziffern, frame);
            if (ziel >= 0 && gezeigt != 0) wert[ziel] = gezeigt;
            shots += geschossen, scoring_shots += gezeigt != 0;
            EXPECT_TRUE(voll || punkte - punkte_vorher == gezeigt) << "frame " << frame << ": " << gezeigt;
            EXPECT_TRUE(geschossen || gezeigt == 0) << "frame " << frame << ": points without a shot";
            LayersHold(frame);
        }
        if (chance(40)) {
            fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0);
            fensterproc(hauptfenster, WM_RBUTTONUP, 0, 0);
        }

        // A frame changes the score only by starting a new game. At game over a score above the worst kept
        // one (of equals the later) takes its row, under the name entered or F2's; the other rows stay.
        const std::int32_t punkte_vorher = punkte;
        const bool eingabe = eingabefertig == 0, eintrag = spielendeerledigt == 0;
        const bool f2 = spiellaeuft == 1 && fakes::keys_down.count(VK_F2);
        Rows erwartet = KeptRows(f2 ? ruecksetzung : highscore);
        spielschritt();
        EXPECT_TRUE(punkte == punkte_vorher || punkte == 0) << "frame " << frame << ": points without a shot";
        if (eingabe && eingabefertig == 1) spieler = highscore.namen[_highscore::kSpieler];
        if (f2) spieler = "Spieler";
        if (eintrag && spielendeerledigt == 1) {
            ++games;
            const auto schlechteste = std::min_element(erwartet.rbegin(), erwartet.rend(),
                                                       [](auto& a, auto& b) { return a.second < b.second; });
            if (punkte > schlechteste->second) {
                ++ranked;
                *schlechteste = {spieler, punkte};
            }
            EXPECT_EQ(KeptRows(highscore), erwartet) << "frame " << frame << ": the table after a game of " << punkte;
        }
        ASSERT_TRUE(fakes::boxes.empty()) << "frame " << frame << ": " << fakes::boxes.front().text;
        LayersHold(frame);

        fakes::Advance(100000);  // a tenth of a second: a game takes 900 frames
    }
    std::printf("%ld frames, %ld games (%ld ranked), %ld shots (%ld scored), seed %u\n", frames, games, ranked, shots,
                scoring_shots, seed);
    EXPECT_GT(games, 0);
}
