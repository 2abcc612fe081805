#include "editor/text_fields.h"

#include <gtest/gtest.h>

namespace hm3300::editor {
namespace {

using model::Option;
using model::TextCharset;

std::string typeKeys(TextCharset charset, std::string_view keys) {
    std::string typed;
    for (char key : keys) {
        if (const auto passed = filterKey(charset, key)) {
            typed += *passed;
        }
    }
    return typed;
}

TEST(DtmfKeyFilter, PassesTheDtmfSetAndUpperCasesAToD) {
    EXPECT_EQ(typeKeys(TextCharset::Dtmf, "12a*#e"), "12A*#");
    EXPECT_EQ(typeKeys(TextCharset::Dtmf, "0123456789ABCDabcd*#"), "0123456789ABCDABCD*#");
    EXPECT_EQ(typeKeys(TextCharset::Dtmf, "eEfF xX+-.\r\t\x1b"), "");
    EXPECT_EQ(filterKey(TextCharset::Dtmf, kBackspace), kBackspace);
    EXPECT_EQ(filterKey(TextCharset::Dtmf, static_cast<char>(0xE4)), std::nullopt);
}

TEST(PasswordKeyFilter, PassesDigitsAndBackspaceOnly) {
    EXPECT_EQ(typeKeys(TextCharset::Digits, "12ab*#34A56"), "123456");
    EXPECT_EQ(filterKey(TextCharset::Digits, kBackspace), kBackspace);
    EXPECT_EQ(filterKey(TextCharset::Digits, '\r'), std::nullopt);
}

TEST(FilterText, DropsWhatTypingWouldDropIncludingBackspace) {
    EXPECT_EQ(filterText(TextCharset::Dtmf, "1 2-ab\bc\xE4\xB8\xAD#"), "12ABC#");
    EXPECT_EQ(filterText(TextCharset::Digits, "58a04\b17"), "580417");
}

TEST(TextFieldRule, LengthsCharsetsAndEnterFollowTheField) {
    struct Case {
        Option option;
        std::size_t maxLength;
        TextCharset charset;
        EnterKey enter;
    };
    const Case cases[] = {
        {Option::BOT, 15, TextCharset::Dtmf, EnterKey::CloseCallEditor},
        {Option::EOT, 15, TextCharset::Dtmf, EnterKey::CloseCallEditor},
        {Option::Call0, 15, TextCharset::Dtmf, EnterKey::CloseCallEditor},
        {Option::Call9, 15, TextCharset::Dtmf, EnterKey::CloseCallEditor},
        {Option::Private, 15, TextCharset::Dtmf, EnterKey::Drop},
        {Option::Stun_Code, 8, TextCharset::Dtmf, EnterKey::Drop},
        {Option::Password, 6, TextCharset::Digits, EnterKey::Drop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(model::optionDefinition(c.option).key));
        const TextFieldRule rule = textFieldRule(c.option);
        EXPECT_EQ(rule.maxLength, c.maxLength);
        EXPECT_EQ(rule.charset, c.charset);
        EXPECT_EQ(rule.enter, c.enter);
    }
}

}  // namespace
}  // namespace hm3300::editor
