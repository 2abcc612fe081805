#include "vradio/output_schedule.h"

#include <gtest/gtest.h>

namespace hm3300::vradio {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const Clock::time_point t0{};

TEST(OutputScheduleTest, UnpacedBytesGoOutTogetherAfterTheirLatency) {
    OutputSchedule schedule;
    schedule.add(Bytes{1, 2}, t0);        // echo, at once
    schedule.add(Bytes{3, 4}, t0 + 5ms);  // reply after 5 ms
    EXPECT_EQ(schedule.due(t0), (Bytes{1, 2}));
    schedule.consume(2);
    EXPECT_EQ(schedule.nextDue(), t0 + 5ms);
    EXPECT_EQ(schedule.due(t0 + 4ms), Bytes{});
    EXPECT_EQ(schedule.due(t0 + 5ms), (Bytes{3, 4}));
    schedule.consume(1);
    EXPECT_EQ(schedule.due(t0 + 5ms), (Bytes{4})) << "what was not sent stays queued";
    schedule.consume(1);
    EXPECT_TRUE(schedule.empty());
}

TEST(OutputScheduleTest, PacedBytesFollowAtLineSpeedAndQueueBehindEachOther) {
    const auto byte = kByteTimeAt9600Baud;
    OutputSchedule schedule(byte);
    schedule.add(Bytes{1, 2, 3}, t0);
    schedule.add(Bytes{4}, t0 + byte);  // due earlier than the line is free
    EXPECT_EQ(schedule.due(t0), Bytes{});
    EXPECT_EQ(schedule.due(t0 + byte), Bytes{1});
    EXPECT_EQ(schedule.due(t0 + 3 * byte), (Bytes{1, 2, 3}));
    EXPECT_EQ(schedule.due(t0 + 4 * byte - 1us), (Bytes{1, 2, 3}));
    EXPECT_EQ(schedule.due(t0 + 4 * byte), (Bytes{1, 2, 3, 4}));
}

}  // namespace
}  // namespace hm3300::vradio
