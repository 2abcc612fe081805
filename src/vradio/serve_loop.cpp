#include "vradio/serve_loop.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "vradio/output_schedule.h"
#include "vradio/radio_protocol.h"

namespace hm3300::vradio {

namespace {

using namespace std::chrono_literals;

// The program hands each frame to the port in one piece; when the rest of a frame has not
// come after this long, it never will. Shorter than the program's 70 ms between requests.
constexpr auto kFrameGap = 40ms;
// How long to look away from a terminal that reports a hang-up before trying it again.
constexpr auto kHangUpPause = 100ms;

class Server {
public:
    Server(int terminalFd, const Options& options, RadioMemory& memory)
        : terminal_(terminalFd),
          options_(options),
          memory_(memory),
          protocol_(memory, options.faults),
          output_(options.pace ? Clock::duration(kByteTimeAt9600Baud) : Clock::duration::zero()) {}

    void run(int stopFd);
    bool saveIfModified();

private:
    bool canSend() const { return !outputBlocked_ && !hungUpUntil_; }
    std::optional<Clock::time_point> wakeTime() const;
    void receive(Clock::time_point now);
    void take(const Outcome& outcome, Clock::time_point now);
    void sendDue(Clock::time_point now);
    void log(const Outcome& outcome) const;

    int terminal_;
    const Options& options_;
    RadioMemory& memory_;
    RadioProtocol protocol_;
    OutputSchedule output_;
    Clock::time_point lastByteAt_{};
    std::optional<Clock::time_point> hungUpUntil_;
    bool outputBlocked_ = false;  // the terminal took no more bytes; wait until it does
};

void Server::run(int stopFd) {
    for (;;) {
        auto now = Clock::now();
        if (hungUpUntil_ && now >= *hungUpUntil_) {
            hungUpUntil_.reset();
        }
        if (protocol_.hasPartialFrame() && now - lastByteAt_ >= kFrameGap) {
            take(protocol_.dropPartialFrame(), now);
        }
        sendDue(now);

        // While the terminal reports a hang-up, leave it out: poll() would report it at once.
        const short events = outputBlocked_ ? POLLIN | POLLOUT : POLLIN;
        std::array<pollfd, 2> watched = {pollfd{stopFd, POLLIN, 0},
                                         pollfd{hungUpUntil_ ? -1 : terminal_, events, 0}};
        int timeoutMs = -1;
        if (const auto wake = wakeTime()) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*wake - now);
            timeoutMs = static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 0));
        }
        if (::poll(watched.data(), watched.size(), timeoutMs) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error(std::string("cannot wait for the terminal: ") +
                                     std::strerror(errno));
        }
        if (watched[0].revents != 0) {
            return;
        }
        now = Clock::now();
        if (watched[1].revents & POLLOUT) {
            outputBlocked_ = false;
        }
        if (watched[1].revents & POLLIN) {
            receive(now);
        } else if (watched[1].revents & (POLLHUP | POLLERR)) {
            hungUpUntil_ = now + kHangUpPause;
        }
    }
}

std::optional<Clock::time_point> Server::wakeTime() const {
    std::optional<Clock::time_point> wake;
    const auto earliest = [&wake](Clock::time_point time) {
        wake = wake ? std::min(*wake, time) : time;
    };
    if (!output_.empty() && canSend()) {
        earliest(output_.nextDue());
    }
    if (protocol_.hasPartialFrame()) {
        earliest(lastByteAt_ + kFrameGap);
    }
    if (hungUpUntil_) {
        earliest(*hungUpUntil_);
    }
    return wake;
}

void Server::receive(Clock::time_point now) {
    std::array<std::uint8_t, 1024> buffer{};
    const ssize_t count = ::read(terminal_, buffer.data(), buffer.size());
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (count <= 0) {
        // No program end open (EIO): wait it out rather than spin on the error.
        hungUpUntil_ = now + kHangUpPause;
        return;
    }
    const auto bytes = std::span(buffer).first(static_cast<std::size_t>(count));
    lastByteAt_ = now;
    if (options_.singleHead) {
        output_.add(bytes, now);
    }
    for (const auto& outcome : protocol_.receive(bytes)) {
        take(outcome, now);
    }
}

void Server::take(const Outcome& outcome, Clock::time_point now) {
    // Saved before the line is logged, so that a log showing the end command means the
    // image on disk holds the session.
    if (outcome.sessionEnded) {
        saveIfModified();
    }
    log(outcome);
    if (!outcome.reply.empty()) {
        // A paced line delivers the request no faster than 9600 baud: the radio can answer
        // only once its last byte would have come in.
        const auto requestTime =
            options_.pace ? kByteTimeAt9600Baud * outcome.request.size() : Clock::duration{};
        output_.add(outcome.reply, now + requestTime + options_.latency + outcome.delay);
    }
}

void Server::sendDue(Clock::time_point now) {
    if (!canSend()) {
        return;
    }
    const auto bytes = output_.due(now);
    if (bytes.empty()) {
        return;
    }
    const ssize_t written = ::write(terminal_, bytes.data(), bytes.size());
    if (written < 0) {
        if (errno == EIO) {
            hungUpUntil_ = now + kHangUpPause;
        } else if (errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error(std::string("cannot write to the terminal: ") +
                                     std::strerror(errno));
        }
        outputBlocked_ = errno == EAGAIN;
        return;
    }
    output_.consume(static_cast<std::size_t>(written));
    outputBlocked_ = static_cast<std::size_t>(written) < bytes.size();
}

void Server::log(const Outcome& outcome) const {
    if (options_.verbose) {
        std::cerr << describe(outcome) << '\n';
    }
}

bool Server::saveIfModified() {
    if (!memory_.modified()) {
        return true;
    }
    if (const auto error = saveImage(options_.image, memory_)) {
        std::cerr << "hm3300d-vradio: " << *error << '\n';
        return false;
    }
    return true;
}

}  // namespace

bool serve(int terminalFd, int stopFd, const Options& options, RadioMemory& memory) {
    Server server(terminalFd, options, memory);
    server.run(stopFd);
    return server.saveIfModified();
}

}  // namespace hm3300::vradio
