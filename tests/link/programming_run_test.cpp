#include "link/programming_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/exchange.h"
#include "link/frame.h"
#include "model/text_ids.h"
#include "run_fixture.h"

namespace hm3300::link {
namespace {

using model::ChannelField;
using model::Option;
using testing::Bench;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::newChannel;
using testing::valueTexts;

using ProgrammingRunTest = testing::RunFixture;
using testing::kEndFrame;
using testing::kHandshakeFrame;

TEST_F(ProgrammingRunTest, ASilentRadioGetsSixHandshakesAndTheEndCommand) {
    bench.radio.answerAlways("0205", "");
    const RunOutcome outcome = run(RunMode::Read);

    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.step.english(), "handshake");
    EXPECT_EQ(outcome.received, "");
    std::vector<std::string> expected(kHandshakeAttempts, std::string(kHandshakeFrame));
    expected.emplace_back(kEndFrame);
    EXPECT_EQ(bench.radio.frames(), expected);
    // Opened with the session, reset at the start of the run, closed with the session.
    EXPECT_THAT(bench.radio.openCalls(), ElementsAre(true, false, true, false));
    EXPECT_EQ(bench.waiter.now(), 150 + 150 + 6 * 70 + 70);
    EXPECT_EQ(gauge, (std::vector<std::pair<int, int>>{{0, 138}}));
}

TEST_F(ProgrammingRunTest, AnotherIdentificationIsNoHandshake) {
    bench.radio.answerAlways("0205", "06064472756D657934");  // "Drumey"
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "handshake");
    EXPECT_EQ(outcome.received, "06064472756D657934");
    EXPECT_THAT(outcome.description.english(), HasSubstr("did not identify"));
    EXPECT_EQ(bench.radio.frames().size(), kHandshakeAttempts + 1u);
}

TEST_F(ProgrammingRunTest, TheHandshakeStopsAtTheIdentification) {
    bench.radio.answer("0205", {"", "060006"});
    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(bench.radio.framesStartingWith("0205").size(), 3u);
}

TEST_F(ProgrammingRunTest, BusyRepliesRepeatTheReadyRequest) {
    bench.radio.answer("0600", {"090009", "090009", "090009"});
    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(bench.radio.framesStartingWith("060006").size(), 4u);
    EXPECT_EQ(bench.radio.frames()[5].substr(0, 2), "52");
}

TEST_F(ProgrammingRunTest, AnEndlessBusyStormEndsTheRun) {
    bench.radio.answerAlways("0600", "090009");
    const RunOutcome outcome = run(RunMode::Read);

    EXPECT_EQ(outcome.step.english(), "ready");
    EXPECT_EQ(outcome.received, "090009");
    EXPECT_THAT(outcome.description.english(), HasSubstr("Busy 20 times"));
    EXPECT_EQ(bench.radio.framesStartingWith("060006").size(),
              static_cast<std::size_t>(kMaxBusyReplies));
    EXPECT_TRUE(bench.radio.framesStartingWith("52").empty());
    EXPECT_EQ(bench.radio.frames().back(), kEndFrame);
}

TEST_F(ProgrammingRunTest, AnythingButAckToTheReadyRequestEndsTheRun) {
    bench.radio.answer("0600", {"0601"});
    const RunOutcome outcome = run(RunMode::Read);

    EXPECT_EQ(outcome.step.english(), "ready");
    EXPECT_EQ(outcome.received, "0601");
    EXPECT_EQ(bench.radio.frames().size(), 3u);  // handshake, ready, end
}

TEST_F(ProgrammingRunTest, APortThatCannotBeOpenedSendsNothing) {
    bench.ports.missingReason = "/dev/ttyFAKE does not exist";
    RunOutcome outcome = run(RunMode::Read);
    EXPECT_EQ(outcome.failure, RunFailure::PortUnavailable);
    EXPECT_EQ(outcome.description.english(), "/dev/ttyFAKE does not exist");
    EXPECT_TRUE(bench.ports.created.empty());

    bench.ports.missingReason.clear();
    bench.radio.portMissing = true;
    outcome = run(RunMode::Read);
    EXPECT_EQ(outcome.failure, RunFailure::PortUnavailable);
    EXPECT_EQ(outcome.step.english(), "port");
    EXPECT_TRUE(bench.radio.frames().empty());
}

TEST_F(ProgrammingRunTest, SingleHeadEchoesAreRemoved) {
    options.singleHead = true;
    for (bool separately : {false, true}) {
        bench.radio.echo(true, separately);
        EXPECT_TRUE(run(RunMode::Read).ok()) << separately;
    }
}

TEST_F(ProgrammingRunTest, AWriteThatFailsTheCheckSendsNothing) {
    document.channels.row(3) = newChannel("435.12500");
    document.channels.row(3)[ChannelField::TxFreq].clear();
    document.settings.setNumber(Option::Digit_Time, 105);
    document.settings.setText(Option::BOT, "12E");
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.failure, RunFailure::NotWritable);
    EXPECT_EQ(outcome.step.english(), "write check");
    ASSERT_EQ(outcome.problems.size(), 3u);
    EXPECT_EQ(outcome.problems[0].channel, 3);
    EXPECT_EQ(outcome.problems[0].field, "TxFreq");
    EXPECT_EQ(outcome.problems[1].field, "Digit Time");
    EXPECT_EQ(outcome.problems[2].field, "BOT");
    EXPECT_EQ(outcome.description, model::Message(model::TextId::CannotBeWritten));
    EXPECT_TRUE(bench.ports.created.empty());
    EXPECT_TRUE(bench.radio.frames().empty());
    EXPECT_TRUE(bench.radio.openCalls().empty());
    EXPECT_EQ(bench.waiter.now(), 0);
}

class StartChannelTest : public ::testing::Test {
protected:
    StartChannelTest() {
        document.bands = testing::radioBands();
        document.settings.setChoice(Option::VFO_MR, 0);
        document.settings.setChoice(Option::MR_freq_MR_CH, 0);
    }

    std::string startChannel() { return chooseStartChannel(document); }

    model::Codeplug document;
};

TEST_F(StartChannelTest, TheFirstChannelInsideTheActiveBandStarts) {
    document.channels.row(3) = newChannel("470.00000");  // the upper limit is outside
    document.channels.row(10) = newChannel("400.00000");
    document.channels.row(11) = newChannel("435.00000");
    EXPECT_EQ(startChannel(), "0A");
    EXPECT_EQ(document.settings.choice(Option::VFO_MR), 0);
    EXPECT_EQ(document.settings.choice(Option::MR_freq_MR_CH), 0);

    document.channels.row(128) = newChannel("145.00000");
    document.settings.setChoice(Option::Band, 0);  // band 2
    EXPECT_EQ(startChannel(), "80");
}

TEST_F(StartChannelTest, NoChannelInTheBandShowsTheVfo) {
    document.channels.row(1) = newChannel("145.00000");
    EXPECT_EQ(startChannel(), "FF");
    EXPECT_EQ(document.settings.choice(Option::VFO_MR), 1);
    EXPECT_EQ(document.settings.choice(Option::MR_freq_MR_CH), 1);
}

TEST_F(StartChannelTest, ABandTextWithoutThreeDigitLimitsHoldsNoChannel) {
    document.channels.row(1) = newChannel("435.00000");
    for (std::string band : {"40-470MHz", "", "4OO-470MHz"}) {
        document.bands[model::BandListId::BAND_Rx] = {{band}, 0};
        EXPECT_EQ(startChannel(), "FF") << band;
    }
}

}  // namespace
}  // namespace hm3300::link
