#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "platform/processes.h"
#include "support/riff_bytes.h"
#include "sound/wave.h"

using platform::WAVEFORMATEX;

namespace {

using namespace riff;

int open_files() { return int(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {})); }

class WaveTest : public ::testing::Test {
protected:
    void TearDown() override { wavedateischliessen(&datei, &fmt); std::filesystem::remove(path); }

    int open(const Bytes& bytes) {
        wavedateischliessen(&datei, &fmt);
        write(path, bytes);
        return WaveOpenFile(path.c_str(), &datei, &fmt, &riffchunk);
    }
    int start() { return WaveStartDataRead(&datei, &riffchunk, &datenchunk); }

    // Opens, finds the data and reads all it can.
    Bytes samples(const Bytes& bytes) {
        EXPECT_TRUE(open(bytes) == 0 && start() == 0);
        Bytes out(datenchunk.cksize);
        std::uint32_t got = 0;
        EXPECT_EQ(wavedatenlesen(datei, std::uint32_t(out.size()), out.data(), &datenchunk, &got), 0);
        out.resize(got);
        return out;
    }

    const std::string path = ::testing::TempDir() + "ferrow_wave_" + std::to_string(platform::ProcessNumber()) + ".wav";
    std::FILE* datei = nullptr;
    WAVEFORMATEX* fmt = nullptr;
    MMCKINFO riffchunk{}, datenchunk{};
};

const Bytes kSamples = {1, 2, 3, 4, 5, 6};

}  // namespace

TEST_F(WaveTest, FormatBlocksOfEitherSizeAndChunksInAnyOrderAreRead) {
    // The extra-size word of plain PCM is never read, even when it is junk.
    EXPECT_EQ(samples(file({chunk("fmt ", plus(format(1, 2, 22050, 16), {0x34, 0x12})), chunk("data", kSamples)})),
              kSamples);
    ASSERT_NE(fmt, nullptr);
    EXPECT_TRUE(std::memcmp(fmt, format(1, 2, 22050, 16).data(), 16) == 0 && fmt->cbSize == 0);

    const Bytes odd = {'a', 'b', 'c'};
    EXPECT_EQ(samples(file({chunk("LIST", odd), chunk("data", kSamples), chunk("junk", odd),
                            chunk("fmt ", format(1, 1, 11025, 8))})),
              kSamples);
    EXPECT_EQ(fmt->nSamplesPerSec, 11025u);
}

TEST_F(WaveTest, ReadsNoMoreThanTheDataChunkHoldsAndRefusesSizesTheFileCannotHold) {
    const Bytes pcm = format(1, 1, 8000, 8);
    ASSERT_EQ(open(file({chunk("fmt ", pcm), chunk("data", kSamples), chunk("junk", {9, 9, 9, 9})})), 0);
    ASSERT_EQ(start(), 0);
    Bytes out(100, 0xEE);
    std::uint32_t got = 0;
    // The code and the count of a read of n bytes to out[at].
    const auto read = [&](std::uint32_t n, std::size_t at) {
        return std::pair{wavedatenlesen(datei, n, out.data() + at, &datenchunk, &got), got};
    };
    EXPECT_EQ(read(4, 0), std::pair(0, 4u));
    EXPECT_EQ(read(100, 4), std::pair(0, 2u));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 7), plus(kSamples, {0xEE}));
    EXPECT_EQ(datenchunk.cksize, 0u);
    EXPECT_EQ(read(100, 0), std::pair(0, 0u));

    // 1000 bytes claimed and 6 there; a size that would wrap round; no data.
    for (std::uint32_t lie : {1000u, 0xFFFFFFFFu}) {
        ASSERT_EQ(open(file({chunk("fmt ", pcm), chunk("data", kSamples, lie)})), 0);
        EXPECT_EQ(start(), WAVEFEHLER_DATENENDE) << lie;
    }
    ASSERT_EQ(open(file({chunk("fmt ", pcm)})), 0);
    EXPECT_EQ(start(), MMIOERR_CHUNKNOTFOUND);

    // Closing twice is harmless; reading from a closed file does nothing.
    EXPECT_EQ((std::pair{wavedateischliessen(&datei, &fmt), wavedateischliessen(&datei, &fmt)}), std::pair(0, 0));
    got = 5;
    EXPECT_EQ(read(1, 0), std::pair(WAVEFEHLER_PUFFERZUSTAND, 0u));
}

TEST_F(WaveTest, RefusedFilesLeaveNothingOpenOrAllocated) {
    const Bytes pcm = format(1, 1, 8000, 8);
    const struct { const char* what; Bytes bytes; int code; } cases[] = {
        {"not RIFF", file({chunk("fmt ", pcm)}, "WAVE", "RIFX"), WAVEFEHLER_FORMAT},
        {"not WAVE", file({chunk("fmt ", pcm)}, "AVI "), WAVEFEHLER_FORMAT},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'}, WAVEFEHLER_FORMAT},
        {"too short for a chunk", Bytes{'R', 'I', 'F'}, MMIOERR_CHUNKNOTFOUND},
        {"no fmt", file({chunk("data", kSamples)}), MMIOERR_CHUNKNOTFOUND},
        {"fmt of 14 bytes", file({chunk("fmt ", Bytes(pcm.begin(), pcm.begin() + 14))}), WAVEFEHLER_FORMAT},
        {"fmt cut off by the file", cut(file({chunk("fmt ", pcm)}), 28), WAVEFEHLER_FORMATLESEN},
        {"non-PCM without its extra-size word", file({chunk("fmt ", format(2, 1, 8000, 4))}), WAVEFEHLER_FORMATLESEN},
        // Its extra bytes would be read out of the next chunk.
        {"extra bytes past the fmt chunk",
         file({chunk("fmt ", plus(format(2, 1, 8000, 4), {40, 0})), chunk("data", Bytes(64, 7))}), WAVEFEHLER_FORMAT},
    };
    const int files_before = open_files();
    for (const auto& c : cases) {
        write(path, c.bytes);
        datei = reinterpret_cast<std::FILE*>(1), fmt = reinterpret_cast<WAVEFORMATEX*>(1);
        EXPECT_EQ(WaveOpenFile(path.c_str(), &datei, &fmt, &riffchunk), c.code) << c.what;
        EXPECT_TRUE(datei == nullptr && fmt == nullptr) << c.what;
    }
    EXPECT_EQ(WaveOpenFile("/nonexistent/s0.wav", &datei, &fmt, &riffchunk), WAVEFEHLER_OEFFNEN);
    EXPECT_EQ(datei, nullptr);
    EXPECT_EQ(open_files(), files_before);
}
