// Long play with random input: many whole games, name entries, reloads, F1,
// F2 and space, frame after frame on the fake clock, with the layers' and the
// score's rules checked after every frame and every click. FERROW_SOAK_FRAMES
// sets the length (20 000 frames unless told otherwise).
#include <cstdlib>
#include <random>
#include <set>

#include "platform/keys.h"
#include "support/game_fixture.h"

using namespace platform;

namespace {

class SoakTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(StartGame());
    }

    // What must hold in every layer at any moment: no more objects and image
    // slots than there is room for, every live object shown in a slot of its
    // own.
    void LayersHold(long frame) {
        for (int l = 0; l < _layerdatenbank::kLayer; ++l) {
            const _layerdaten* layer = layerdatenbank.layerdaten[l];
            if (!layer) continue;
            ASSERT_LE(layer->ereignissanzahl, _layerdaten::kEreignisse) << "frame " << frame;
            ASSERT_LE(layer->bilderanzahl, _layerdaten::kBildplaetze) << "frame " << frame;
            std::set<int> slots;
            for (int i = 0; i < layer->ereignissanzahl; ++i) {
                const Ereigniss* e = layer->ereigniss[i];
                if (!e || !e->aktiv) continue;
                ASSERT_GE(e->instanz, 0) << "frame " << frame << " layer " << l;
                ASSERT_LT(e->instanz, layer->bilderanzahl) << "frame " << frame << " layer " << l;
                EXPECT_EQ(layer->bilder[e->instanz].belegt, 1) << "frame " << frame << " layer " << l << " object " << i;
                EXPECT_TRUE(slots.insert(e->instanz).second) << "frame " << frame << " layer " << l << " slot shared";
            }
        }
    }

};

}  // namespace

TEST_F(SoakTest, ManyGamesOfRandomPlayKeepTheLayersAndTheScoreInOrder) {
    const char* wunsch = std::getenv("FERROW_SOAK_FRAMES");
    const long frames = wunsch ? std::atol(wunsch) : 20000;
    const unsigned seed = std::random_device{}();
    std::mt19937 zufall(seed);
    auto chance = [&](int eins_in) { return std::uniform_int_distribution<int>(0, eins_in - 1)(zufall) == 0; };
    auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis)(zufall); };
    SCOPED_TRACE("seed " + std::to_string(seed));

    long games = 0, shots = 0, scoring_shots = 0;
    bool war_vorbei = false;
    for (long frame = 0; frame < frames && !HasFailure(); ++frame) {
        fakes::keys_down.clear();
        if (eingabefertig == 0) {
            // The name entry: letters, a few erased, then Return.
            if (chance(6)) fakes::keys_down = {'A' + zahl(25)};
            else if (chance(20)) fakes::keys_down = {VK_BACK};
            else if (chance(60)) fakes::keys_down = {VK_RETURN};
        } else if (restzeit == 0) {
            // Game over: a new game before long.
            if (chance(100)) fakes::keys_down = {chance(2) ? VK_SPACE : VK_F1};
        } else {
            if (chance(3000)) fakes::keys_down = {chance(2) ? VK_SPACE : VK_F1};
            else if (chance(1500)) fakes::keys_down = {VK_F2};
        }

        // The mouse and its buttons, through the window procedure as the
        // platform delivers them. Points only come from a shot that was taken.
        fensterproc(hauptfenster, WM_MOUSEMOVE, 0, MakeLParam(zahl(639), zahl(479)));
        if (chance(8)) {
            const std::int32_t punkte_vorher = punkte, schuesse_vorher = schuesse;
            fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(zahl(639), zahl(479)));
            fensterproc(hauptfenster, WM_LBUTTONUP, 0, 0);
            const bool geschossen = schuesse == schuesse_vorher - 1;
            shots += geschossen;
            scoring_shots += punkte != punkte_vorher;
            if (!geschossen) {
                EXPECT_EQ(punkte, punkte_vorher) << "frame " << frame << ": points without a shot";
            }
            LayersHold(frame);
        }
        if (chance(40)) {
            fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0);
            fensterproc(hauptfenster, WM_RBUTTONUP, 0, 0);
        }

        // A frame changes the score only by starting a new game.
        const std::int32_t punkte_vorher = punkte;
        spielschritt();
        if (punkte != punkte_vorher) {
            EXPECT_EQ(punkte, 0) << "frame " << frame << ": points without a shot";
        }
        ASSERT_TRUE(fakes::boxes.empty()) << "frame " << frame << ": " << fakes::boxes.front().text;
        LayersHold(frame);

        // A tenth of a second a frame: a game of 90 seconds takes 900.
        fakes::Advance(100000);
        const bool vorbei = restzeit == 0;
        games += vorbei && !war_vorbei;
        war_vorbei = vorbei;
    }
    std::printf("%ld frames, %ld whole games, %ld shots of which %ld scored (seed %u)\n", frames, games, shots,
                scoring_shots, seed);
    EXPECT_GT(games, 0);
}
