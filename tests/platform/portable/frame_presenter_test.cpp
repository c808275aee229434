// The shared presenter: bars once for each size, then only the output rows that changed image rows touch.
#include "platform/portable/frame_presenter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

using namespace platform;

namespace {

class FramePresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 256; ++i) lut_[i] = 0x00010101u * std::uint32_t(i) | 0xFF000000u;
        lut_[0] = 0xFF000000u;
        Resize(1920, 1080);
        Fill(0, kImageHeight, 40);
    }
    void Resize(int w, int h) {
        w_ = w;
        h_ = h;
        // A new buffer, as a window surface of another size is.
        pixels_.assign(std::size_t(w) * h + 1, 0x55555555u);
    }
    void Fill(int y0, int y1, std::uint8_t index) { std::memset(&image_[y0 * kImageWidth], index, std::size_t(y1 - y0) * kImageWidth); }
    std::vector<std::tuple<int, int, int, int>> Show() {
        std::vector<std::tuple<int, int, int, int>> bands;
        const OutputPixels out{reinterpret_cast<std::uint8_t*>(pixels_.data() + 1), w_ * 4, w_, h_};
        for (const ViewRect& b : presenter_.Present(image_.data(), kImageWidth, lut_, out))
            bands.emplace_back(b.x, b.y, b.w, b.h);
        return bands;
    }
    std::uint32_t& At(int x, int y) { return pixels_[1 + std::size_t(y) * w_ + x]; }

    FramePresenter presenter_;
    std::uint32_t lut_[256];
    std::vector<std::uint8_t> image_ = std::vector<std::uint8_t>(std::size_t(kImageWidth) * kImageHeight);
    std::vector<std::uint32_t> pixels_;
    int w_ = 0, h_ = 0;
};

using Bands = std::vector<std::tuple<int, int, int, int>>;

TEST_F(FramePresenterTest, BarsComeWithANewSizeThenOnlyTheRowsAChangedImageRowTouchesAreConvertedAndSent) {
    // 1440 x 1080 at 240: each image row 2.25 output rows.
    EXPECT_EQ(Show(), (Bands{{0, 0, 1920, 1080}}));
    EXPECT_EQ(std::tuple(At(0, 0), At(239, 500), At(1680, 1079)), std::tuple(lut_[0], lut_[0], lut_[0]));
    EXPECT_EQ(std::pair(At(240, 0), At(1679, 1079)), std::pair(lut_[40], lut_[40]));
    EXPECT_EQ(Show(), (Bands{}));

    // Image row 100 covers output rows 225 to 227.25: the last is shared with row 101. Scribbles on the rows
    // beside them stay; the bars are not drawn again.
    Fill(100, 101, 80);
    At(300, 224) = At(300, 228) = At(5, 5) = 1;
    EXPECT_EQ(Show(), (Bands{{240, 225, 1440, 3}}));
    EXPECT_EQ(std::tuple(At(240, 225), At(1679, 226)), std::tuple(lut_[80], lut_[80]));
    EXPECT_EQ(At(700, 227), lut_[50]);  // a quarter of row 100, the rest row 101
    EXPECT_EQ(std::tuple(At(300, 224), At(300, 228), At(5, 5)), std::tuple(1u, 1u, 1u));

    // New colours: the whole picture, without the bars.
    lut_[40] = 0xFF102030u;
    EXPECT_EQ(Show(), (Bands{{240, 0, 1440, 1080}}));
    EXPECT_EQ(std::tuple(At(300, 228), At(5, 5)), std::tuple(lut_[40], 1u));

    // Uncovered: all of it again.
    presenter_.Invalidate();
    EXPECT_EQ(Show(), (Bands{{0, 0, 1920, 1080}}));
    EXPECT_EQ(At(5, 5), lut_[0]);
}

TEST_F(FramePresenterTest, RunsOfChangedRowsThatShareABlendedRowAreSentAsOneBand) {
    // At 2.25: the first and the last image row, each with the blend beside it; rows 99 to 101 (222.75 to 229.5).
    Show();
    Fill(0, 1, 7);
    Fill(479, 480, 7);
    EXPECT_EQ(Show(), (Bands{{240, 0, 1440, 3}, {240, 1077, 1440, 3}}));
    Fill(99, 102, 9);
    EXPECT_EQ(Show(), (Bands{{240, 222, 1440, 8}}));

    Resize(1024, 768);  // 1.6: image row 2 covers output rows 3.2 to 4.8, no row of its own
    Show();
    Fill(1, 2, 7);
    Fill(3, 4, 7);
    EXPECT_EQ(Show(), (Bands{{0, 1, 1024, 6}}));
    Fill(10, 11, 9);
    Fill(30, 31, 9);
    EXPECT_EQ(Show(), (Bands{{0, 16, 1024, 2}, {0, 48, 1024, 2}}));
}

TEST_F(FramePresenterTest, ScalingSizeAndSmallOutputsEachPlaceThePictureAnew) {
    presenter_.SetScaling(Scaling::WholeFactors);
    EXPECT_EQ(Show(), (Bands{{0, 0, 1920, 1080}}));
    EXPECT_EQ(std::tuple(At(319, 60), At(320, 59), At(320, 60), At(1599, 1019), At(1600, 1019)),
              std::tuple(lut_[0], lut_[0], lut_[40], lut_[40], lut_[0]));

    // A window smaller than the image: shrunk to fit and converted whole each frame.
    Resize(400, 400);
    EXPECT_EQ(Show(), (Bands{{0, 0, 400, 400}}));
    EXPECT_EQ(std::tuple(At(0, 49), At(0, 50), At(399, 349), At(399, 350)),
              std::tuple(lut_[0], lut_[40], lut_[40], lut_[0]));
    EXPECT_EQ(Show(), (Bands{{0, 50, 400, 300}}));

    presenter_.SetScaling(Scaling::Fill);
    Resize(1366, 768);
    EXPECT_EQ(Show(), (Bands{{0, 0, 1366, 768}}));
    EXPECT_EQ(std::tuple(At(170, 0), At(171, 0), At(1194, 767), At(1195, 767)),
              std::tuple(lut_[0], lut_[40], lut_[40], lut_[0]));
}

}  // namespace
