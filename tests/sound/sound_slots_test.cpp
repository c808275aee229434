#include "platform/audio_device.h"
#include "platform/testing/fault_injection.h"
#include "platform/testing/test_hooks.h"
#include "support/riff_bytes.h"
#include "sound/sound_slots.h"
#include "support/sound_fixture.h"

using namespace platform;
namespace {

// The sound device, and a data folder of its own for each test, filled from the generated sounds.
class SoundSlotTest : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        std::snprintf(datenordner, sizeof datenordner, "%s", folder_.path.u8string().c_str());
        ASSERT_EQ(initdirectsound(nullptr), 0);
    }
    void copy_generated() {
        for (const auto& entry : fs::directory_iterator(FERROW_DATA_DIR))
            if (entry.path().extension() == ".wav") fs::copy_file(entry.path(), folder_.path / entry.path().filename());
    }
    // As the slots name their files: the data folder, a slash, the name.
    std::string path(const std::string& name) const { return std::string(datenordner) + "/" + name; }

    // The device's next frames, mixed here (the device itself stops).
    std::vector<std::int16_t> mixed(double seconds) {
        std::vector<std::int16_t> out(std::size_t(seconds * AudioRate()) * std::size_t(AudioChannels()));
        MixAudioForTest(out.data(), out.size() / std::size_t(AudioChannels()));
        return out;
    }
};

}  // namespace

TEST_F(SoundSlotTest, SlotTwelveStaysEmptyAndAMissingFileEmptiesOnlyItsSlot) {
    copy_generated();
    fs::copy_file(path("s0.wav"), path("s12.wav"));
    fs::remove(path("s5.wav"));
    soundsetladen(datenordner);

    for (int n = 0; n < kSoundslots; ++n) EXPECT_EQ(soundpuffer[n] == nullptr, n == kSoundOhneDatei || n == 5)
            << "slot " << n;
    EXPECT_EQ(fakes::debug_lines.front(), path("s0.wav"));
    const auto open_failed = std::find(fakes::debug_lines.begin(), fakes::debug_lines.end(), "Fehler bei WaveOpenFile");
    ASSERT_NE(open_failed, fakes::debug_lines.end());
    EXPECT_EQ(*(open_failed + 1), path("s5.wav"));
    EXPECT_FALSE(fakes::DebugLineContains("s12.wav"));
}

TEST_F(SoundSlotTest, UnplayableFilesFailTheirLoadWithTheirLineAndLeaveNothingBehind) {
    using namespace riff;
    const Bytes samples(64, 0x40);
    auto wav = [&](const Bytes& fmt, const Bytes& data) { return file({chunk("fmt ", fmt), chunk("data", data)}); };
    const char* const kBuffer = "Fehler bei CreateSoundBuffer";
    const struct { const char* name; Bytes bytes; const char* line; } cases[] = {
        {"lying.wav", file({chunk("fmt ", format(1, 1, 22050, 16)), chunk("data", samples, 100000)}),
         "Fehler bei WaveStartDataRead"},
        {"adpcm.wav", wav(plus(format(2, 1, 22050, 4), {0, 0}), samples), kBuffer},
        {"24bit.wav", wav(format(1, 1, 22050, 24), samples), kBuffer},
        {"6ch.wav", wav(format(1, 6, 22050, 16), samples), kBuffer},
        {"align.wav", wav(format(1, 2, 22050, 16, 3), samples), kBuffer},
        {"rate0.wav", wav(format(1, 1, 0, 16), samples), kBuffer},
        {"empty.wav", wav(format(1, 1, 22050, 16), {}), kBuffer},
    };
    const auto files_before = std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    for (const auto& c : cases) {
        riff::write(path(c.name), c.bytes);
        fakes::debug_lines.clear();
        EXPECT_EQ(soundladen(path(c.name).c_str()), nullptr) << c.name;
        EXPECT_EQ(fakes::debug_lines, std::vector<std::string>{c.line}) << c.name;
    }
    // A buffer that cannot be filled is given back: after more failed loads than voices, the set still finds room.
    const std::string good = path("good.wav");
    riff::write(good, wav(format(1, 1, 22050, 16), samples));
    for (int i = 0; i < 25; ++i) {
        FailNext(Operation::SoundLock, DSERR_INVALIDPARAM);
        EXPECT_EQ(soundladen(good.c_str()), nullptr);
    }
    EXPECT_TRUE(fakes::DebugLineContains("Fehler bei Soundpuffer->Lock"));
    EXPECT_EQ(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()), files_before);
    copy_generated();
    soundsetladen(datenordner);
    for (int n = 0; n < kSoundslots; ++n) EXPECT_EQ(soundpuffer[n] == nullptr, n == kSoundOhneDatei) << "slot " << n;
}

TEST_F(SoundSlotTest, EngineRunsWhileABoatIsSeenAndEmptySlotsAreSilent) {
    copy_generated();
    soundsetladen(datenordner);
    DirectSoundBuffer* motor = soundpuffer[kSoundMotor];
    ASSERT_NE(motor, nullptr);

    motorgeraeusch(true);
    EXPECT_EQ(soundstatus(motor), DSBSTATUS_PLAYING);
    motorgeraeusch(false);
    EXPECT_EQ(soundstatus(motor), 0u);

    // Frames with a boat while it plays leave it alone (it ends after a second); the next frame after restarts it.
    motorgeraeusch(true);
    mixed(0.9);
    motorgeraeusch(true);
    mixed(0.2);
    EXPECT_EQ(soundstatus(motor), 0u);
    motorgeraeusch(true);
    EXPECT_EQ(soundstatus(motor), DSBSTATUS_PLAYING);

    // A lost buffer is restored, silent this once; the next start is heard.
    soundstoppen(motor);
    FailNext(Operation::SoundPlay, DSERR_BUFFERLOST);
    EXPECT_FALSE(soundspielen(motor));
    EXPECT_EQ(soundstatus(motor), 0u);
    EXPECT_FALSE(soundspielen(motor));
    EXPECT_EQ(soundstatus(motor), DSBSTATUS_PLAYING);

    // An empty slot counts as silent, and stopping it does nothing.
    soundpuffer[kSoundMotor] = nullptr;
    motorgeraeusch(true);
    motorgeraeusch(false);
    EXPECT_EQ(soundstatus(nullptr), 0u);
    soundstoppen(nullptr);
    EXPECT_TRUE(soundspielen(nullptr) && soundschleife(nullptr));
    soundpuffer[kSoundMotor] = motor;

    // Once the program is ending no sound starts.
    soundstoppen(motor);
    programmendet = true;
    EXPECT_TRUE(soundspielen(soundpuffer[kSoundSchuss]));
    motorgeraeusch(true);
    programmendet = false;
    EXPECT_EQ(std::pair(soundstatus(soundpuffer[kSoundSchuss]), soundstatus(motor)), std::pair(0u, 0u));
}
