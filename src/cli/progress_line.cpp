#include "cli/progress_line.h"

namespace hm3300::cli {

ProgressLine::ProgressLine(std::ostream& out, std::string verb, bool terminal)
    : out_(out), verb_(std::move(verb)), terminal_(terminal) {}

void ProgressLine::show(int value, int maximum) {
    value_ = value;
    maximum_ = maximum;
    if (terminal_) {
        out_ << '\r' << text() << std::flush;
    }
}

void ProgressLine::finish() {
    if (terminal_) {
        out_ << '\n';
    } else {
        out_ << text() << '\n';
    }
    out_ << std::flush;
}

std::string ProgressLine::text() const {
    return verb_ + " " + std::to_string(value_) + "/" + std::to_string(maximum_);
}

}  // namespace hm3300::cli
