#include "editor/grid_editing.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "editor/cell_key_filters.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

class GridEditing : public ::testing::Test {
protected:
    model::ValueTexts texts = test::chineseTexts();
    model::ChannelTable channels;
    EditState state;

    void SetUp() override { channels.row(4) = test::sampleChannel("435.12500", texts); }

    std::string clickPower() {
        arriveAt(state, channels, texts, GridColumn::Power, 4);
        return channels.row(4)[ChannelField::Power];
    }
};

TEST_F(GridEditing, EachColumnOpensItsEditorOnAChannelAndOnlyTheReceiveFrequencyOnAnEmptyRow) {
    using E = OverlayEditor;
    const E onChannel[] = {E::None, E::Frequency, E::Tone, E::Frequency, E::Tone,  E::None,
                           E::None, E::None,      E::None, E::None,      E::Alias, E::None};
    for (int column = 0; column < GridColumn::Count; ++column) {
        const model::ChannelTable before = channels;
        EXPECT_EQ(arriveAt(state, channels, texts, column, 9),
                  column == GridColumn::RxFreq ? E::Frequency : E::None)
            << column;
        EXPECT_EQ(channels, before) << "an empty row changes nothing, column " << column;
        EXPECT_EQ(state.currentLine, 9);
        EXPECT_EQ(state.editColumn, column);

        EXPECT_EQ(arriveAt(state, channels, texts, column, 4),
                  onChannel[static_cast<std::size_t>(column)])
            << column;
    }
    EXPECT_EQ(state.editRow, 4) << "set by the tone columns";
}

TEST_F(GridEditing, ClicksFlipTheSwitchColumnsAndMovesDoNot) {
    EXPECT_EQ(clickPower(), texts.LowText);
    EXPECT_EQ(clickPower(), texts.HighText);
    EXPECT_EQ(clickPower(), texts.LowText);

    suppressNextToggle(state);
    EXPECT_EQ(clickPower(), texts.LowText);
    EXPECT_FALSE(state.skipNextToggle) << "cleared by the arrival";
    EXPECT_EQ(clickPower(), texts.HighText);

    // An arrival elsewhere clears it too.
    suppressNextToggle(state);
    arriveAt(state, channels, texts, GridColumn::Alias, 4);
    EXPECT_EQ(clickPower(), texts.LowText);
}

TEST_F(GridEditing, EverySwitchColumnTogglesBetweenItsTwoWords) {
    struct Case {
        int column;
        std::string cell;
        std::string toggled;
    };
    const Case cases[] = {
        {GridColumn::Power, texts.HighText, texts.LowText},
        {GridColumn::Power, texts.LowText, texts.HighText},
        // Another language's word: the first click gives the first value, not its opposite.
        {GridColumn::Power, "Low", texts.HighText},
        {GridColumn::Bandwidth, texts.WideText, texts.NarrowText},
        {GridColumn::Bandwidth, "", texts.WideText},
        {GridColumn::ScanAdd, texts.OffText, texts.OnText},
        {GridColumn::Dtmf, texts.OnText, texts.OffText},
        {GridColumn::PttId, "OFF", texts.OffText},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toggledValue(c.column, c.cell, texts), c.toggled) << c.column << " " << c.cell;
    }
}

TEST_F(GridEditing, TheToneListWritesTheToneAndItsCodeIntoTheCellItWasOpenedOn) {
    arriveAt(state, channels, texts, GridColumn::RxTone, 4);
    chooseTone(state, channels, 53, texts);
    EXPECT_EQ(channels.row(4)[ChannelField::RxTone], "D023N");
    EXPECT_EQ(channels.row(4)[ChannelField::RxCode], "53");

    arriveAt(state, channels, texts, GridColumn::TxTone, 4);
    chooseTone(state, channels, 0, texts);
    EXPECT_EQ(channels.row(4)[ChannelField::TxTone], texts.OffText);
    EXPECT_EQ(channels.row(4)[ChannelField::TxCode], "0");

    // A channel deleted meanwhile gets no tone back.
    channels.row(4).clear();
    chooseTone(state, channels, 2, texts);
    EXPECT_EQ(channels.row(4), model::Channel());

    EXPECT_EQ(toneItems(texts).size(), 266u);
    EXPECT_EQ(toneItems(texts)[0], texts.OffText);
}

TEST_F(GridEditing, DeleteEmptiesTheVisibleCellsAndBackspaceACompleteFrequency) {
    state = {4, GridColumn::TxFreq, 0, false};
    EXPECT_TRUE(emptyFrequencyCell(state, channels));
    EXPECT_EQ(channels.row(4)[ChannelField::TxFreq], "");
    channels.row(4)[ChannelField::TxFreq] = "435.1";
    EXPECT_FALSE(emptyFrequencyCell(state, channels)) << "only a complete frequency";
    state.editColumn = GridColumn::Alias;
    EXPECT_FALSE(emptyFrequencyCell(state, channels));

    deleteVisibleCells(state, channels);
    const model::Channel& channel = channels.row(4);
    EXPECT_FALSE(channel.exists());
    EXPECT_EQ(channel[ChannelField::Alias], "");
    EXPECT_EQ(channel[ChannelField::BusyLock], texts.OnText) << "hidden attributes stay";
}

TEST_F(GridEditing, TypingOnTheGridStartsANewEntryInTheOpenEditor) {
    using A = GridTyping::Action;
    struct Case {
        int column;
        int row;
        char32_t key;
        bool enter;
        OverlayEditor open;
        A action;
        std::string text;
    };
    const Case cases[] = {
        {GridColumn::RxFreq, 9, U'4', false, OverlayEditor::Frequency, A::StartFrequency, "4"},
        {GridColumn::RxFreq, 9, U'.', false, OverlayEditor::Frequency, A::Nothing, ""},
        {GridColumn::RxFreq, 9, U'\r', true, OverlayEditor::Frequency, A::FocusFrequencyEditor, ""},
        {GridColumn::RxFreq, 9, U'4', false, OverlayEditor::None, A::Nothing, ""},
        {GridColumn::TxFreq, 4, U'7', false, OverlayEditor::Frequency, A::StartFrequency, "7"},
        {GridColumn::TxFreq, 9, U'7', false, OverlayEditor::Frequency, A::Nothing, ""},
        {GridColumn::Alias, 4, U'b', false, OverlayEditor::Alias, A::StartAlias, "b"},
        {GridColumn::Alias, 4, U'!', false, OverlayEditor::Alias, A::StartAlias, ""},
        {GridColumn::Alias, 4, U'\b', false, OverlayEditor::Alias, A::StartAlias, ""},
        {GridColumn::Alias, 4, U'\r', true, OverlayEditor::Alias, A::CloseAliasEditor, ""},
        {GridColumn::Alias, 4, U'b', false, OverlayEditor::None, A::Nothing, ""},
        {GridColumn::Power, 4, U'1', false, OverlayEditor::None, A::Nothing, ""},
    };
    for (const Case& c : cases) {
        state = {c.row, c.column, 0, false};
        const GridTyping typing = typeOnGrid(state, channels, c.key, c.enter, c.open);
        EXPECT_EQ(typing.action, c.action) << c.column << " " << static_cast<int>(c.key);
        EXPECT_EQ(typing.text, c.text) << c.column << " " << static_cast<int>(c.key);
    }
}

std::string typeFrequency(std::string_view keys) {
    std::string field;
    for (char key : keys) {
        if (frequencyKeyAccepted(field, static_cast<unsigned char>(key))) {
            field += key;
        }
    }
    return field;
}

TEST(CellKeyFilters, APointFollowsThreeDigitsOnce) {
    EXPECT_EQ(typeFrequency(".435"), "435");
    EXPECT_EQ(typeFrequency("43.5"), "435");
    EXPECT_EQ(typeFrequency("435.1.25"), "435.125");
    EXPECT_EQ(typeFrequency("4351.5"), "4351.5");
    EXPECT_EQ(typeFrequency("4a3-5 "), "435");
    EXPECT_TRUE(frequencyKeyAccepted("435.1", U'\b'));
    EXPECT_FALSE(frequencyKeyAccepted("435", U'\x16')) << "Ctrl+V";
    EXPECT_EQ(filterFrequencyText("43.5.125x"), "43.5125");
    EXPECT_EQ(filterFrequencyText("35.125"), "35.125") << "a first digit deleted keeps the point";
}

TEST(CellKeyFilters, AliasKeepsWhatTheRadioShowsInUpperCase) {
    std::string typed;
    for (char key : std::string_view("ab-1!,")) {
        if (aliasKeyAccepted(static_cast<unsigned char>(key))) {
            typed += key;
        }
    }
    EXPECT_EQ(upperCaseAlias(typed), "AB-1");
    for (char32_t key : {U'"', U'#', U'(', U')', U':', U'@', U'[', U'^', U'`', U'{', U'~', U'\t'}) {
        EXPECT_FALSE(aliasKeyAccepted(key)) << static_cast<int>(key);
    }
    for (char32_t key : {U' ', U'*', U'+', U'.', U'/', U'_', U'Z', U'\b', U'\x7F', U'é'}) {
        EXPECT_TRUE(aliasKeyAccepted(key)) << static_cast<int>(key);
    }
    EXPECT_EQ(filterAlias("rpt-a!,b"), "RPT-AB");
    EXPECT_EQ(filterAlias("abcdefgh"), "ABCDEF");
    EXPECT_EQ(filterAlias("caf\xC3\xA9 12345"), "CAF\xC3\xA9 1") << "six characters, not bytes";
    EXPECT_EQ(filterAlias("a\tb\r\n"), "AB");
}

}  // namespace
}  // namespace hm3300::editor
