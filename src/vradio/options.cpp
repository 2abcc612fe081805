#include "vradio/options.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace hm3300::vradio {

namespace {

// A reply later than this is no longer a test of patience but a radio that never answers.
constexpr int kMaxLatencyMs = 60000;

struct OptionDefinition {
    std::string_view name;
    std::string_view valueName;  // empty for a switch
    std::string_view help;
    // Takes the value into the options; false when the value is not acceptable.
    std::function<bool(Options&, std::string_view)> apply;
};

bool setFlag(bool& flag) {
    flag = true;
    return true;
}

bool setCount(int& target, std::string_view value) {
    const auto count = parseCount(value);
    if (count) {
        target = *count;
    }
    return count.has_value();
}

bool addAddressCount(AddressCounts& counts, std::string_view value) {
    const auto parsed = parseAddressCount(value);
    if (parsed) {
        counts[parsed->first] += parsed->second;
    }
    return parsed.has_value();
}

const std::vector<OptionDefinition>& optionDefinitions() {
    static const std::vector<OptionDefinition> definitions = {
        {"--link", "PATH",
         "make PATH a symbolic link to the terminal device (an existing symbolic link is "
         "replaced, any other file is refused); required",
         [](Options& o, std::string_view v) {
             o.link = v;
             return !v.empty();
         }},
        {"--image", "FILE",
         "keep the 4096-byte memory in FILE (default: hm3300d-vradio.img in the current "
         "folder); a missing FILE is created erased, with bands 400-470 MHz and 136-174 MHz; "
         "saved after every end command and on exit",
         [](Options& o, std::string_view v) {
             o.image = v;
             return !v.empty();
         }},
        {"--single-head", "",
         "echo every received byte before answering, as the single-head "
         "cable does",
         [](Options& o, std::string_view) { return setFlag(o.singleHead); }},
        {"--verbose", "", "log one line per frame on standard error",
         [](Options& o, std::string_view) { return setFlag(o.verbose); }},
        {"--silent", "", "never answer (a single-head cable still echoes)",
         [](Options& o, std::string_view) { return setFlag(o.faults.silent); }},
        {"--wrong-id", "", "answer the handshake with a different identification",
         [](Options& o, std::string_view) { return setFlag(o.faults.wrongId); }},
        {"--busy-ready", "N", "answer the first N ready requests with Busy",
         [](Options& o, std::string_view v) { return setCount(o.faults.busyReady, v); }},
        {"--busy-writes", "N", "answer the first N write frames with Busy, storing nothing",
         [](Options& o, std::string_view v) { return setCount(o.faults.busyWrites, v); }},
        {"--garbage", "ADDR:N",
         "answer the first N reads of ADDR with bytes that are no data frame",
         [](Options& o, std::string_view v) { return addAddressCount(o.faults.garbage, v); }},
        {"--bad-checksum", "ADDR:N", "answer the first N reads of ADDR with a wrong checksum",
         [](Options& o, std::string_view v) { return addAddressCount(o.faults.badChecksum, v); }},
        {"--refuse-write", "ADDR:N",
         "answer the first N writes to ADDR with garbage instead of Ack, storing nothing",
         [](Options& o, std::string_view v) { return addAddressCount(o.faults.refuseWrite, v); }},
        {"--wrong-address", "ADDR:N",
         "answer the first N reads of ADDR with the block that follows it, at its address",
         [](Options& o, std::string_view v) { return addAddressCount(o.faults.wrongAddress, v); }},
        {"--wrong-length", "ADDR:N", "answer the first N reads of ADDR with one data byte short",
         [](Options& o, std::string_view v) { return addAddressCount(o.faults.wrongLength, v); }},
        {"--late", "ADDR:N",
         "answer the first N reads of or writes to ADDR 200 ms late, after the program's wait",
         [](Options& o, std::string_view v) { return addAddressCount(o.faults.late, v); }},
        {"--erased-band", "", "let the band block read as all FF",
         [](Options& o, std::string_view) { return setFlag(o.faults.erasedBand); }},
        {"--latency", "MS", "wait MS milliseconds (0 to 60000) before each reply",
         [](Options& o, std::string_view v) {
             int ms = 0;
             if (!setCount(ms, v) || ms > kMaxLatencyMs) {
                 return false;
             }
             o.latency = std::chrono::milliseconds(ms);
             return true;
         }},
        {"--pace", "",
         "keep the speed of a 9600-baud line, 1.04 ms a byte: answer a frame only after its "
         "bytes would have arrived, and send the answer at that speed",
         [](Options& o, std::string_view) { return setFlag(o.pace); }},
    };
    return definitions;
}

// `words` as lines of at most kHelpWidth columns, every line but the first indented.
std::string wrapped(std::string_view words, std::size_t indent) {
    constexpr std::size_t kHelpWidth = 80;
    std::string text;
    std::size_t column = indent;
    while (!words.empty()) {
        const auto end = words.find(' ');
        const auto word = words.substr(0, end);
        words = end == std::string_view::npos ? std::string_view() : words.substr(end + 1);
        if (column > indent && column + 1 + word.size() > kHelpWidth) {
            text += "\n" + std::string(indent, ' ');
            column = indent;
        } else if (column > indent) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
    }
    return text;
}

const OptionDefinition* findDefinition(std::string_view name) {
    for (const auto& definition : optionDefinitions()) {
        if (definition.name == name) {
            return &definition;
        }
    }
    return nullptr;
}

CommandLine refuse(std::string error) {
    return {CommandLine::Action::Refuse, {}, std::move(error)};
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            return {CommandLine::Action::ShowHelp};
        }
        if (argument == "--version") {
            return {CommandLine::Action::ShowVersion};
        }
        const auto equals = argument.find('=');
        const auto name = argument.substr(0, equals);
        const OptionDefinition* definition = findDefinition(name);
        if (!definition) {
            return refuse("unknown argument " + std::string(argument));
        }
        std::string_view value;
        if (definition->valueName.empty()) {
            if (equals != std::string_view::npos) {
                return refuse(std::string(name) + " takes no value");
            }
        } else if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return refuse(std::string(name) +
                          " needs a value: " + std::string(definition->valueName));
        }
        if (!definition->apply(result.options, value)) {
            return refuse("bad value for " + std::string(name) + ": \"" + std::string(value) +
                          "\" (expected " + std::string(definition->valueName) + ")");
        }
    }
    if (result.options.link.empty()) {
        return refuse("--link PATH is required");
    }
    return result;
}

std::string helpText() {
    std::string text =
        "Usage: hm3300d-vradio --link PATH [--image FILE] [--single-head] [--verbose] "
        "[fault options]\n"
        "A virtual HM-3300D radio: answers the programming protocol on a pseudo-terminal.\n"
        "PATH becomes a symbolic link to the terminal device; open it as the serial port.\n"
        "Runs until SIGINT or SIGTERM, then removes the link and saves the image.\n\n";
    for (const auto& definition : optionDefinitions()) {
        std::string left = "  " + std::string(definition.name);
        if (!definition.valueName.empty()) {
            left += " " + std::string(definition.valueName);
        }
        constexpr std::size_t kHelpColumn = 24;
        left.resize(std::max(left.size() + 2, kHelpColumn), ' ');
        text += left + wrapped(definition.help, left.size()) + "\n";
    }
    text +=
        "  --help                show this help\n"
        "  --version             show the version of the program\n\n"
        "ADDR is the hexadecimal start address of a block (0C80 or 0x0C80); the ADDR options\n"
        "may be repeated. Before the handshake and after the end command the radio answers\n"
        "nothing but a handshake.\n";
    return text;
}

}  // namespace hm3300::vradio
