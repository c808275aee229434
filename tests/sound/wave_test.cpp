#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "sound/riff_bytes.h"
#include "sound/wave.h"

using platform::WAVEFORMATEX;

namespace {

using namespace riff;

int open_files() {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) n += !entry.path().empty();
    return n;
}

class WaveTest : public ::testing::Test {
protected:
    void TearDown() override {
        wavedateischliessen(&datei, &fmt);
        std::filesystem::remove(path);
    }

    int open(const Bytes& bytes) {
        write(path, bytes);
        return WaveOpenFile(path.c_str(), &datei, &fmt, &riffchunk);
    }

    // Opens, finds the data and reads all it can.
    Bytes samples(const Bytes& bytes) {
        EXPECT_EQ(open(bytes), 0);
        EXPECT_EQ(WaveStartDataRead(&datei, &riffchunk, &datenchunk), 0);
        Bytes out(datenchunk.cksize);
        std::uint32_t got = 0;
        EXPECT_EQ(wavedatenlesen(datei, std::uint32_t(out.size()), out.data(), &datenchunk, &got), 0);
        out.resize(got);
        return out;
    }

    std::string path = (std::filesystem::temp_directory_path() /
                        ("ferrow_wave_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".wav"))
                           .string();
    std::FILE* datei = nullptr;
    WAVEFORMATEX* fmt = nullptr;
    MMCKINFO riffchunk{}, datenchunk{};
};

const Bytes kSamples = {1, 2, 3, 4, 5, 6};

}  // namespace

TEST_F(WaveTest, PcmWithAnEighteenByteFormatChunkOpensWithNoExtraBytes) {
    // The extra-size word of plain PCM is never read, even when it is junk.
    const Bytes fmt18 = plus(format(1, 2, 22050, 16), {0x34, 0x12});
    EXPECT_EQ(samples(file({chunk("fmt ", fmt18), chunk("data", kSamples)})), kSamples);
    ASSERT_NE(fmt, nullptr);
    EXPECT_EQ(fmt->wFormatTag, 1);
    EXPECT_EQ(fmt->nChannels, 2);
    EXPECT_EQ(fmt->nSamplesPerSec, 22050u);
    EXPECT_EQ(fmt->nBlockAlign, 4);
    EXPECT_EQ(fmt->wBitsPerSample, 16);
    EXPECT_EQ(fmt->cbSize, 0);
}

TEST_F(WaveTest, NonPcmFormatKeepsItsExtraBytesBehindTheBlock) {
    const Bytes extra = {0xAA, 0xBB, 0xCC, 0xDD};
    const Bytes fmt22 = plus(plus(format(2, 1, 8000, 4), {4, 0}), extra);
    ASSERT_EQ(open(file({chunk("fmt ", fmt22), chunk("data", kSamples)})), 0);
    ASSERT_NE(fmt, nullptr);
    EXPECT_EQ(fmt->wFormatTag, 2);
    ASSERT_EQ(fmt->cbSize, 4);
    EXPECT_EQ(std::memcmp(reinterpret_cast<std::uint8_t*>(fmt) + 18, extra.data(), 4), 0);
}

TEST_F(WaveTest, ChunksAreFoundInAnyOrderPastOddSizedOthers) {
    const Bytes odd = {'a', 'b', 'c'};
    EXPECT_EQ(samples(file({chunk("LIST", odd), chunk("data", kSamples), chunk("junk", odd),
                            chunk("fmt ", format(1, 1, 11025, 8))})),
              kSamples);
    EXPECT_EQ(fmt->nSamplesPerSec, 11025u);
}

TEST_F(WaveTest, ReadsNoMoreThanTheDataChunkHolds) {
    const Bytes after = {9, 9, 9, 9};
    ASSERT_EQ(open(file({chunk("fmt ", format(1, 1, 8000, 8)), chunk("data", kSamples), chunk("junk", after)})), 0);
    ASSERT_EQ(WaveStartDataRead(&datei, &riffchunk, &datenchunk), 0);
    Bytes out(100, 0xEE);
    std::uint32_t got = 0;
    EXPECT_EQ(wavedatenlesen(datei, 4, out.data(), &datenchunk, &got), 0);
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(wavedatenlesen(datei, 100, out.data() + 4, &datenchunk, &got), 0);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), kSamples);
    EXPECT_EQ(out[6], 0xEE);
    EXPECT_EQ(datenchunk.cksize, 0u);
    EXPECT_EQ(wavedatenlesen(datei, 100, out.data(), &datenchunk, &got), 0);
    EXPECT_EQ(got, 0u);
}

TEST_F(WaveTest, RefusedFilesLeaveNothingOpenOrAllocated) {
    const Bytes pcm = format(1, 1, 8000, 8);
    const struct {
        const char* what;
        Bytes bytes;
        int code;
    } cases[] = {
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
        datei = reinterpret_cast<std::FILE*>(1);
        fmt = reinterpret_cast<WAVEFORMATEX*>(1);
        EXPECT_EQ(open(c.bytes), c.code) << c.what;
        EXPECT_EQ(datei, nullptr) << c.what;
        EXPECT_EQ(fmt, nullptr) << c.what;
    }
    EXPECT_EQ(WaveOpenFile("/nonexistent/s0.wav", &datei, &fmt, &riffchunk), WAVEFEHLER_OEFFNEN);
    EXPECT_EQ(datei, nullptr);
    EXPECT_EQ(open_files(), files_before);
}

TEST_F(WaveTest, DataLargerThanTheFileOrMissingIsRefused) {
    const Bytes pcm = format(1, 1, 8000, 8);
    // A lying size: 1000 bytes claimed, 6 there.
    ASSERT_EQ(open(file({chunk("fmt ", pcm), chunk("data", kSamples, 1000)})), 0);
    EXPECT_EQ(WaveStartDataRead(&datei, &riffchunk, &datenchunk), WAVEFEHLER_DATENENDE);
    wavedateischliessen(&datei, &fmt);

    ASSERT_EQ(open(file({chunk("fmt ", pcm), chunk("data", kSamples, 0xFFFFFFFF)})), 0);
    EXPECT_EQ(WaveStartDataRead(&datei, &riffchunk, &datenchunk), WAVEFEHLER_DATENENDE);
    wavedateischliessen(&datei, &fmt);

    ASSERT_EQ(open(file({chunk("fmt ", pcm)})), 0);
    EXPECT_EQ(WaveStartDataRead(&datei, &riffchunk, &datenchunk), MMIOERR_CHUNKNOTFOUND);

    // Closing twice is harmless; reading from a closed file does nothing.
    EXPECT_EQ(wavedateischliessen(&datei, &fmt), 0);
    EXPECT_EQ(wavedateischliessen(&datei, &fmt), 0);
    std::uint32_t got = 5;
    std::uint8_t byte;
    EXPECT_EQ(wavedatenlesen(datei, 1, &byte, &datenchunk, &got), WAVEFEHLER_PUFFERZUSTAND);
    EXPECT_EQ(got, 0u);
}
