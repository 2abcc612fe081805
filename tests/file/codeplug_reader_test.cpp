#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <vector>

#include "codeplug_samples.h"
#include "file/codeplug_file.h"
#include "file/gbk_text.h"
#include "support/temporary_folder.h"

namespace hm3300::file {
namespace {

using model::ChannelField;
using model::Option;
using Lines = std::vector<std::string>;

std::string join(const Lines& lines, std::string_view lineEnd = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

std::string gbk(const std::string& utf8) {
    const TextConversion converted = utf8ToGbk(utf8);
    EXPECT_EQ(converted.status, TextConversion::Status::Ok);
    return converted.text;
}

class CodeplugReader : public ::testing::Test {
protected:
    CodeplugReader() {
        // Hidden attributes in every channel, to see which ones a file keeps.
        for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
            model::Channel& channel = before.channels.row(number);
            channel[ChannelField::Alias] = "OLD";
            channel[ChannelField::TailElim] = texts.OffText;
            channel[ChannelField::RxCode] = std::to_string(number);
            channel[ChannelField::VoiceMode] = texts.CompanderText;
        }
        before.settings.setText(Option::Password, "111111");
        before.bands[model::BandListId::BAND_Rx] = {{"136-174MHz"}, 0};
        codeplug = before;
        // The file: the sample codeplug, one line per element, in UTF-8.
        const std::string text = formatCodeplug(test::sampleCodeplug(texts), chinese);
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
    }

    std::optional<ReadError> read(const std::string& bytes) {
        notices.clear();
        return readCodeplug(bytes, codeplug, texts, notices);
    }
    const model::Channel& channel(int number) const { return codeplug.channels.row(number); }
    static std::string& channelLine(Lines& lines, int number) { return lines[58 + number]; }

    const model::LanguagePack& chinese = model::LanguagePack::builtin();
    const model::ValueTexts texts = model::ValueTexts::fromPack(chinese);
    model::Codeplug before;
    model::Codeplug codeplug;
    std::vector<ReadNotice> notices;
    Lines lines;
};

TEST_F(CodeplugReader, TakesEachValueFromItsPosition) {
    lines[3] = "BAND_Rx 400-470MHzEXTRA";
    lines[7] = "APO -1 ";              // no selection
    lines[12] = "Keyword 7 whatever";  // the key is not looked at
    lines[13] = "TOT 5";
    lines[17] = "Beep 1x";
    lines[18] = "Key Lock x";
    lines[29] = "Pretime 10.5";
    lines[54] = "Stun Code 12 34";
    lines[36] = "EOT";
    ASSERT_FALSE(read(gbk(join(lines))));

    EXPECT_EQ(codeplug.bands[model::BandListId::BAND_Rx].entries,
              (std::vector<std::string>{"136-174MHz", "400-470MHz"}));
    EXPECT_EQ(codeplug.bands[model::BandListId::BAND_Rx].selected, 1);
    EXPECT_EQ(codeplug.settings.choice(Option::APO), -1);
    EXPECT_EQ(codeplug.settings.choice(Option::Squelch), 7);
    EXPECT_EQ(codeplug.settings.choice(Option::TOT), 5);
    EXPECT_TRUE(codeplug.settings.flag(Option::Beep));
    EXPECT_FALSE(codeplug.settings.flag(Option::Key_Lock));
    EXPECT_EQ(codeplug.settings.number(Option::Pretime), 10.5);
    EXPECT_EQ(codeplug.settings.text(Option::Stun_Code), "12 34");
    EXPECT_EQ(codeplug.settings.text(Option::EOT), "");
    EXPECT_EQ(codeplug.settings.text(Option::Password), "111111");
}

TEST_F(CodeplugReader, EmptyBandTextLeavesTheListAlone) {
    lines[3] = "BAND_Rx ";
    ASSERT_FALSE(read(gbk(join(lines))));
    EXPECT_EQ(codeplug.bands[model::BandListId::BAND_Rx], before.bands[model::BandListId::BAND_Rx]);
}

struct ChannelCase {
    const char* name;
    std::function<void(Lines&)> edit;
    std::function<void(const model::Codeplug& read, const model::Codeplug& before)> check;
    std::string notice = {};  // what the reader reports passing over; empty: nothing
};

// A channel line of an empty channel whose other fields hold texts.
const std::string kNoReceiveFrequency =
    "CH003 | | 禁用 | 145.00000 | 禁用 | 高功率 | 宽带 | 启用 | 禁用 | 禁用 | AB | 启用 | 禁用 | "
    "禁用 | 0 | 0 | 压扩 | ";

TEST_F(CodeplugReader, ChannelLines) {
    const std::vector<ChannelCase> cases = {
        {"blank at character 9 keeps the hidden attributes",
         [](Lines& l) {
             channelLine(l, 3) = "CH003 |  | 禁用 | 145.00000 | 高功率 |  |  |  |  |  |  | 启用 | ";
         },
         [](const model::Codeplug& read, const model::Codeplug& before) {
             const model::Channel& ch = read.channels.row(3);
             for (ChannelField field : model::allChannelFields()) {
                 EXPECT_EQ(ch[field], model::isVisible(field) ? "" : before.channels.row(3)[field])
                     << model::fieldName(field);
             }
         },
         "line 62: channel 3 has no receive frequency at character 9, so it is read as an "
         "empty channel and the rest of the line is left out"},
        {"an empty channel's hidden attributes pass without a word",
         [](Lines& l) {
             channelLine(l, 3) =
                 "CH003 |  |  |  |  |  |  |  |  |  |  | 启用 |  |  | 5 |  | 压扩 | ";
         },
         [](const model::Codeplug& read, const model::Codeplug& before) {
             model::Channel expected = before.channels.row(3);
             expected.clearVisible();
             EXPECT_TRUE(read.channels.row(3) == expected);
         }},
        {"no receive frequency but other fields: an empty channel",
         [](Lines& l) { channelLine(l, 3) = kNoReceiveFrequency; },
         [](const model::Codeplug& read, const model::Codeplug&) {
             EXPECT_TRUE(read.channels.row(3) == model::Channel{});
         },
         "line 62: channel 3 has no receive frequency"},
        {"only 10 channel lines", [](Lines& l) { l.resize(59 + 10); },
         [](const model::Codeplug& read, const model::Codeplug& before) {
             EXPECT_EQ(read.channels.row(1)[ChannelField::RxFreq], "145.12500");
             EXPECT_EQ(read.channels.row(3)[ChannelField::RxCode], "160");
             for (int number = 11; number <= 128; ++number) {
                 model::Channel expected = before.channels.row(number);
                 expected.clearVisible();
                 EXPECT_TRUE(read.channels.row(number) == expected) << number;
             }
         }},
        {"empty line empties all sixteen fields", [](Lines& l) { channelLine(l, 3).clear(); },
         [](const model::Codeplug& read, const model::Codeplug&) {
             EXPECT_TRUE(read.channels.row(3) == model::Channel{});
         }},
        {"fewer bars leave the later fields empty",
         [](Lines& l) { channelLine(l, 3) = "CH003 | 435.12500 | D023I | 430.00000 | 低功率"; },
         [](const model::Codeplug& read, const model::Codeplug&) {
             model::Channel expected;
             expected[ChannelField::RxFreq] = "435.12500";
             expected[ChannelField::RxTone] = "D023I";
             expected[ChannelField::TxFreq] = "430.00000";
             EXPECT_TRUE(read.channels.row(3) == expected);
         }},
        {"the character in front of a bar is dropped, counted in characters",
         [](Lines& l) { channelLine(l, 3) = "CH003 | 435.12500 | 高功率| 宽带 | "; },
         [](const model::Codeplug& read, const model::Codeplug&) {
             model::Channel expected;
             expected[ChannelField::RxFreq] = "435.12500";
             expected[ChannelField::RxTone] = "高功";
             expected[ChannelField::TxFreq] = "宽带";
             EXPECT_TRUE(read.channels.row(3) == expected);
         }},
        {"the channel number in the line is not used",
         [](Lines& l) { channelLine(l, 2) = channelLine(l, 1); },
         [](const model::Codeplug& read, const model::Codeplug&) {
             EXPECT_TRUE(read.channels.row(2) == read.channels.row(1));
         }},
        {"lines after channel 128 are ignored and counted",
         [](Lines& l) {
             l.push_back("CH129 | 999.00000 | ");
             l.push_back("");
             l.push_back("HM-3300 MEMORY CHANNEL");
         },
         [](const model::Codeplug& read, const model::Codeplug&) {
             EXPECT_EQ(read.channels.row(128)[ChannelField::RxFreq], "446.00625");
         },
         "line 188: 3 lines after the last channel line are ignored"},
    };
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.name);
        codeplug = before;
        Lines edited = lines;
        c.edit(edited);
        const auto error = read(gbk(join(edited)));
        ASSERT_FALSE(error) << error->message;
        c.check(codeplug, before);
        if (c.notice.empty()) {
            EXPECT_TRUE(notices.empty()) << notices.front().message;
        } else {
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].message.english().find(c.notice), 0u) << notices[0].message;
        }
    }
}

TEST_F(CodeplugReader, AcceptsUtf8AndLfAndIgnoresWhatFollowsTheLastChannel) {
    ASSERT_FALSE(read(gbk(join(lines))));
    const model::Codeplug expected = codeplug;
    ASSERT_TRUE(expected.channels.row(3)[ChannelField::Power] == "低功率");

    std::string noFinalLineEnd = gbk(join(lines));
    noFinalLineEnd.resize(noFinalLineEnd.size() - 2);
    const std::pair<const char*, std::string> forms[] = {
        {"UTF-8, CR LF", join(lines)},
        {"UTF-8, LF", join(lines, "\n")},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + join(lines)},
        {"GBK, LF", gbk(join(lines, "\n"))},
        {"GBK, no final line end", noFinalLineEnd},
        {"GBK, bytes of no encoding after line 187", gbk(join(lines)) + "CH129 \xFF\xFF | \r\n"},
    };
    for (const auto& [name, bytes] : forms) {
        codeplug = before;
        const auto error = read(bytes);
        ASSERT_FALSE(error) << name << ": " << error->message;
        EXPECT_TRUE(codeplug == expected) << name;
    }
}

TEST_F(CodeplugReader, WrongHeaderChangesNothing) {
    const std::string rest = join(Lines(lines.begin() + 1, lines.end()));
    for (const std::string header : {"hm-3300 memory channel", "HM-3300 MEMORY CHANNEL ",
                                     " HM-3300 MEMORY CHANNEL", "HM-3300 MEMORY", ""}) {
        const auto error = read(gbk(header + "\r\n" + rest));
        ASSERT_TRUE(error) << header;
        EXPECT_EQ(error->kind, ReadError::Kind::WrongHeader);
        EXPECT_NE(error->message.english().find("first line"), std::string::npos) << error->message;
        EXPECT_TRUE(codeplug == before) << header;
    }
    const auto empty = read("");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->kind, ReadError::Kind::WrongHeader);
}

struct MalformedCase {
    std::function<void(Lines&)> edit;
    int line;
    std::string message;
};

TEST_F(CodeplugReader, MalformedValuesNameTheLineAndChangeNothing) {
    const std::vector<MalformedCase> cases = {
        {[](Lines& l) { l[12] = "Squelch x"; }, 13,
         R"(line 13: "Squelch" expects a number at character 9, found "x")"},
        {[](Lines& l) { l[7] = "APO "; }, 8,
         R"(line 8: "APO" expects a number at character 5, found "")"},
        {[](Lines& l) { l[7] = "APO 1x 1H"; }, 8, R"(found "1x")"},
        {[](Lines& l) { l[56] = "Key Assignment 99999999999 x"; }, 57, "found \"99999999999\""},
        {[](Lines& l) { l[26] = "Digit Time abc"; }, 27,
         R"(line 27: "Digit Time" expects a number at character 12, found "abc")"},
        {[](Lines& l) { l[27] = "Digit Space 10 0"; }, 28, R"(found "10 0")"},
        {[](Lines& l) { l[28] = std::string("First Digit 1") + '\0' + "\x1B[2J"; }, 29,
         R"(found "1\x00\x1B[2J")"},
        {[](Lines& l) { l[49] = "Auto Reset "; }, 50, R"(found "")"},
        {[](Lines& l) { l.resize(40); }, 41, "line 41: the file ends before"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.message);
        Lines edited = lines;
        edited[3] = "BAND_Rx 999-999MHz";  // read before the fault; must not be applied
        c.edit(edited);
        const auto error = read(gbk(join(edited)));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, ReadError::Kind::Malformed);
        EXPECT_EQ(error->line, c.line);
        EXPECT_NE(error->message.english().find(c.message), std::string::npos) << error->message;
        EXPECT_TRUE(codeplug == before);
    }
}

TEST_F(CodeplugReader, BytesOfNoEncodingNameTheLine) {
    const std::string head = join(Lines(lines.begin(), lines.begin() + 29));
    const std::string tail = join(Lines(lines.begin() + 30, lines.end()));
    const std::string badLine = "Pretime \xFF\x80\r\n";
    const std::pair<const char*, std::string> files[] = {
        {"GBK", gbk(head) + badLine + gbk(tail)},
        {"UTF-8", head + badLine + tail},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + head + badLine + tail},
    };
    for (const auto& [name, bytes] : files) {
        const auto error = read(bytes);
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->kind, ReadError::Kind::Malformed);
        EXPECT_EQ(error->line, 30) << name << ": " << error->message;
        EXPECT_TRUE(codeplug == before);
    }
}

TEST_F(CodeplugReader, OpenReportsTheFile) {
    testing::TemporaryFolder folder;
    const std::string missing = folder.file("missing.p46");
    const auto cannotOpen = openCodeplug(missing, codeplug, texts, notices);
    ASSERT_TRUE(cannotOpen);
    EXPECT_EQ(cannotOpen->kind, ReadError::Kind::CannotRead);
    EXPECT_NE(cannotOpen->message.english().find(missing), std::string::npos)
        << cannotOpen->message;

    const auto folderError = openCodeplug(folder.path().string(), codeplug, texts, notices);
    ASSERT_TRUE(folderError);
    EXPECT_EQ(folderError->kind, ReadError::Kind::CannotRead);

    // No program writes into the FIFO: Open must not wait for one.
    const std::string fifo = folder.file("fifo.p46");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto fifoError = openCodeplug(fifo, codeplug, texts, notices);
    ASSERT_TRUE(fifoError);
    EXPECT_EQ(fifoError->kind, ReadError::Kind::WrongHeader);

    const std::string bad = folder.file("bad.p46");
    lines[12] = "Squelch x";
    testing::writeBytes(bad, gbk(join(lines)));
    const auto malformed = openCodeplug(bad, codeplug, texts, notices);
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->line, 13);
    EXPECT_NE(malformed->message.english().find(bad), std::string::npos) << malformed->message;
    EXPECT_TRUE(codeplug == before);
    EXPECT_TRUE(notices.empty());

    const std::string longer = folder.file("longer.p46");
    lines[12] = "Squelch 3";
    lines.insert(lines.end(), {"", "", ""});
    testing::writeBytes(longer, gbk(join(lines)));
    ASSERT_FALSE(openCodeplug(longer, codeplug, texts, notices));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].line, 188);
    EXPECT_EQ(notices[0].message.english(),
              "\"" + longer + "\": line 188: 3 lines after the last channel line are ignored");
}

}  // namespace
}  // namespace hm3300::file
