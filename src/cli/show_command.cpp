#include <charconv>
#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"
#include "cli/text_table.h"
#include "model/choice_items.h"
#include "model/quoted_text.h"

namespace hm3300::cli {

namespace {

using model::ChannelField;
using model::OptionKind;

std::string numberText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string optionValue(const CommandContext& context, const model::OptionDefinition& definition) {
    const auto& settings = context.codeplug.settings;
    switch (definition.kind) {
        case OptionKind::Choice: {
            const int index = settings.choice(definition.option);
            return std::to_string(index) + "  " +
                   model::choiceItemText(definition.option, index, context.pack);
        }
        case OptionKind::Flag:
            return settings.flag(definition.option) ? "on" : "off";
        case OptionKind::Number:
            return numberText(settings.number(definition.option));
        case OptionKind::Text:
            return model::escapedText(settings.text(definition.option));
    }
    return {};
}

void printBands(const CommandContext& context) {
    std::cout << "Band lists\n";
    TextTable table;
    for (model::BandListId id : model::kBandListIds) {
        table.addRow({std::string(model::bandListName(id)),
                      model::escapedText(context.codeplug.bands[id].selectedText())});
    }
    table.print(std::cout, 2);
}

void printOptions(const CommandContext& context) {
    std::cout << "\nRadio settings\n";
    TextTable table;
    for (const model::OptionDefinition& definition : model::allOptions()) {
        if (definition.inFile) {
            table.addRow({std::string(definition.key), optionValue(context, definition)});
        }
    }
    table.print(std::cout, 2);
}

// The codes repeat the tone columns, so the table leaves them out.
bool shownInTable(ChannelField field) {
    return field != ChannelField::RxCode && field != ChannelField::TxCode;
}

void printChannels(const CommandContext& context) {
    TextTable table;
    std::vector<std::string> header{"CH"};
    for (ChannelField field : model::allChannelFields()) {
        if (shownInTable(field)) {
            header.push_back(std::string(model::fieldName(field)));
        }
    }
    table.addRow(std::move(header));
    int count = 0;
    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        const model::Channel& channel = context.codeplug.channels.row(number);
        if (!channel.exists()) {
            continue;
        }
        std::vector<std::string> cells{model::ChannelTable::rowLabel(number)};
        for (ChannelField field : model::allChannelFields()) {
            if (shownInTable(field)) {
                // Texts from the file: a control character must not reach the terminal.
                cells.push_back(channel[field].empty() ? "-" : model::escapedText(channel[field]));
            }
        }
        table.addRow(std::move(cells));
        ++count;
    }
    std::cout << "\nChannels (" << count << " of " << model::ChannelTable::kRows << ")\n";
    table.print(std::cout, 2);
}

int show(const Arguments& arguments, CommandContext& context) {
    if (!context.open(arguments.positional().front())) {
        return ExitStatus::FileError;
    }
    printBands(context);
    printOptions(context);
    printChannels(context);
    return ExitStatus::Success;
}

}  // namespace

const Command& showCommand() {
    static const Command command{
        "show",
        "print the channels and radio settings of a codeplug file",
        "Usage: hm3300d-cli show FILE.p46 [--lang chinese|english|taiwan]\n"
        "\n"
        "Prints the band lists, every radio setting and the channels that exist, with\n"
        "value words and option texts in the chosen language (default chinese).\n"
        "\n"
        "Exit status: 0 done, 3 the file cannot be read or the language pack is\n"
        "damaged, 2 usage.\n",
        {"--lang"},
        {},
        1,
        "one codeplug file",
        show,
    };
    return command;
}

}  // namespace hm3300::cli
