#pragma once
// The operator's steps through the codeplug, for undo and redo, and the state last saved.
//
// A step is what changed between two moments the caller records: the channels that differ
// (before and after) and the radio settings when they differ. Undo and redo cover the
// channels and the radio settings; the band lists are the workstation's (myini.ini keeps
// them whatever codeplug is open), so they are never taken back and never count as a
// change that is not saved.

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "model/codeplug.h"

namespace hm3300::editor {

class EditHistory {
public:
    // The oldest step is forgotten beyond this many. A typical step (one channel) keeps
    // about a kilobyte, the largest (New, Open, a read) about 130 kB.
    static constexpr std::size_t kMaxSteps = 1000;

    // Starts with no step; `start` counts as saved.
    explicit EditHistory(const model::Codeplug& start);

    // Makes what changed in `codeplug` since the last step one step, and forgets the steps
    // undone. Returns false, doing nothing, when nothing changed.
    bool record(const model::Codeplug& codeplug);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Records what is not yet a step, then takes the last step back (or does the step
    // last undone again). Returns false, changing nothing else, when there is none.
    bool undo(model::Codeplug& codeplug);
    bool redo(model::Codeplug& codeplug);

    void markSaved(const model::Codeplug& codeplug);
    // The channels or the radio settings differ from the state last saved.
    bool differsFromSaved(const model::Codeplug& codeplug) const;

    // A change that is no step of the operator's, such as the words of another language,
    // made to every state kept.
    void rewriteChannels(const std::function<void(model::Channel&)>& rewrite);

private:
    struct ChannelChange {
        int row;
        model::Channel before;
        model::Channel after;
    };
    struct SettingsChange {
        model::RadioSettings before;
        model::RadioSettings after;
    };
    struct Step {
        std::vector<ChannelChange> channels;
        std::optional<SettingsChange> settings;
    };
    enum class Direction { Back, Forward };

    void apply(const Step& step, Direction direction, model::Codeplug& codeplug);

    // The channels and settings as of the last step.
    model::ChannelTable channels_;
    model::RadioSettings settings_;
    model::ChannelTable savedChannels_;
    model::RadioSettings savedSettings_;
    // steps_[0, done_) are done, the rest undone.
    std::deque<Step> steps_;
    std::size_t done_ = 0;
};

}  // namespace hm3300::editor
