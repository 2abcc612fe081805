#pragma once
// The gauge of a programming run as one line on stderr: "reading 57/138", rewritten in
// place on a terminal; elsewhere (a log, a pipe) only its last state, once, at the end.

#include <ostream>
#include <string>

namespace hm3300::cli {

class ProgressLine {
public:
    ProgressLine(std::ostream& out, std::string verb, bool terminal);

    void show(int value, int maximum);
    // Ends the line; call once, when the run is over.
    void finish();

private:
    std::string text() const;

    std::ostream& out_;
    std::string verb_;
    bool terminal_;
    int value_ = 0;
    int maximum_ = 0;
};

}  // namespace hm3300::cli
