#include "engine/Converter.h"

#include "convert/ProgressThrottle.h"

#include "RecordingObserver.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every reported position lies in a percentage of its own, and positions only grow.
void ExpectOnePositionPerPercent(const std::vector<std::int64_t>& positions, std::int64_t high)
{
    for (std::size_t i = 1; i < positions.size(); ++i) {
        EXPECT_LT(positions[i - 1], positions[i]);
        EXPECT_LT(positions[i - 1] * 100 / high, positions[i] * 100 / high) << "positions " << i - 1 << " and " << i;
    }
}

TEST(ProgressThrottle, ReportsOncePerPercentWhateverTheStepSize)
{
    for (std::int64_t high : { 1, 7, 99, 100, 101, 12345, 50'000'000 }) {
        for (std::int64_t step : { std::int64_t { 1 }, std::int64_t { 3 }, high / 7 + 1 }) {
            testsupport::RecordingObserver observer;
            engine::ProgressThrottle throttle(observer, high);
            std::set<std::int64_t> percentsReached;
            for (std::int64_t position = step; position <= high; position += step) {
                throttle.advance(position);
                if (position * 100 / high > 0) {
                    percentsReached.insert(position * 100 / high);
                }
            }
            // One call for each percentage the positions reach, none for the first.
            EXPECT_EQ(observer.positions.size(), percentsReached.size()) << high << " by " << step;
            ExpectOnePositionPerPercent(observer.positions, high);
        }
    }
}

TEST(ProgressThrottle, AnEmptyRangeReportsNothing)
{
    testsupport::RecordingObserver observer;
    engine::ProgressThrottle throttle(observer, 0);
    throttle.advance(0);
    EXPECT_TRUE(observer.positions.empty());
}

// A file of 200 000 short lines: the range first, about a hundred positions, the end last.
TEST(ProgressThrottle, AConversionOfManyLinesMakesABoundedNumberOfCalls)
{
    testsupport::TempDir dir;
    std::string text;
    for (int line = 0; line < 200000; ++line) {
        text += "line " + std::to_string(line) + "\n";
    }
    auto input = dir.write("many.txt", text);
    const auto high = static_cast<std::int64_t>(text.size()) + 200000; // each LF counts as CR LF
    testsupport::RecordingObserver observer;
    engine::ConversionOptions options;
    auto result = engine::ConvertTextFile(options, input.string(), "", "", observer);
    ASSERT_TRUE(result.written()) << result.outcome.error();
    ASSERT_EQ(observer.ranges.size(), 1u);
    EXPECT_EQ(observer.ranges[0], std::make_pair(std::int64_t { 1 }, high));
    ASSERT_FALSE(observer.positions.empty());
    EXPECT_LE(observer.positions.size(), 101u);
    EXPECT_EQ(observer.positions.back(), high);
    std::vector<std::int64_t> duringLayout(observer.positions.begin(), observer.positions.end() - 1);
    ExpectOnePositionPerPercent(duringLayout, high);
}

} // namespace
