// The check that compares a region of two screenshots.
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>
#include <string>
#include <vector>

#include "checks.h"
#include "raw_image.h"

namespace {

constexpr int kWidth = 6;
constexpr int kHeight = 4;

std::vector<std::uint8_t> grey(std::uint8_t level) { return std::vector<std::uint8_t>(kWidth * kHeight * 3, level); }

void setPixel(std::vector<std::uint8_t>& bytes, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    std::size_t i = (static_cast<std::size_t>(y) * kWidth + x) * 3;
    bytes[i] = r;
    bytes[i + 1] = g;
    bytes[i + 2] = b;
}

class DifferCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A name of its own: ctest runs the tests of this suite side by side.
        path = ::testing::TempDir() + "pixelcheck_other_" + std::to_string(getpid()) + ".rgb";
        image.width = kWidth;
        image.height = kHeight;
        image.bytes = grey(10);
    }
    void TearDown() override { std::remove(path.c_str()); }

    void writeOther(const std::vector<std::uint8_t>& bytes)
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    CheckOutcome run(CheckContext& context, std::vector<std::string> words, std::string& error)
    {
        words.insert(words.begin(), {"differ", path});
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        return runCheck(context, argv.data(), static_cast<int>(argv.size()), error);
    }

    std::string path;
    RawImage image;
};

TEST_F(DifferCheck, CountsPixelsThatDifferInAnyChannelInsideTheRectangleOnly)
{
    std::vector<std::uint8_t> other = grey(10);
    setPixel(other, 1, 1, 10, 10, 11);  // blue only
    setPixel(other, 2, 2, 0, 10, 10);   // red only
    setPixel(other, 5, 3, 0, 0, 0);     // outside the rectangle below
    writeOther(other);
    CheckContext context{image};
    std::string error;

    CheckOutcome exact = run(context, {"0", "0", "3", "2", "2", "2"}, error);
    EXPECT_EQ(exact.used, 8);
    EXPECT_TRUE(exact.passed) << exact.report;
    EXPECT_NE(exact.report.find("2 pixels differ first at (1,1) 10,10,10 vs 10,10,11"), std::string::npos)
        << exact.report;

    EXPECT_FALSE(run(context, {"0", "0", "3", "2", "0", "0"}, error).passed);
    EXPECT_TRUE(run(context, {"0", "0", "3", "2", "1", "-1"}, error).passed);
    EXPECT_FALSE(run(context, {"0", "0", "3", "2", "3", "-1"}, error).passed);
}

TEST_F(DifferCheck, ComparesTheSamePlaceOfBothImagesRelativeToTheOrigin)
{
    std::vector<std::uint8_t> other = grey(10);
    setPixel(other, 4, 3, 255, 255, 255);
    writeOther(other);
    CheckContext context{image};
    context.originX = 3;
    context.originY = 2;
    std::string error;

    CheckOutcome moved = run(context, {"1", "1", "1", "1", "1", "1"}, error);
    EXPECT_TRUE(moved.passed) << moved.report;
    EXPECT_NE(moved.report.find("first at (1,1)"), std::string::npos) << moved.report;
    EXPECT_TRUE(run(context, {"0", "0", "0", "0", "0", "0"}, error).passed);
}

TEST_F(DifferCheck, FailsOnAShotOfAnotherSizeAndOnARectangleOutsideTheImage)
{
    writeOther(std::vector<std::uint8_t>(kWidth * kHeight * 3 - 3, 10));
    CheckContext context{image};
    std::string error;

    CheckOutcome shorter = run(context, {"0", "0", "1", "1", "0", "0"}, error);
    EXPECT_EQ(shorter.used, 8);
    EXPECT_FALSE(shorter.passed);
    EXPECT_NE(shorter.report.find("cannot read"), std::string::npos) << shorter.report;

    writeOther(grey(10));
    CheckOutcome outside = run(context, {"0", "0", "6", "1", "0", "0"}, error);
    EXPECT_FALSE(outside.passed);
    EXPECT_EQ(outside.report, "outside the screenshot");
}

TEST_F(DifferCheck, MissingWordsAreAUsageError)
{
    writeOther(grey(10));
    CheckContext context{image};
    std::string error;

    EXPECT_EQ(run(context, {"0", "0", "1", "1", "0"}, error).used, 0);
    EXPECT_EQ(error, "bad arguments for differ");
}

}  // namespace
