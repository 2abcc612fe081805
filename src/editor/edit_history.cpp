#include "editor/edit_history.h"

namespace hm3300::editor {

EditHistory::EditHistory(const model::Codeplug& start)
    : channels_(start.channels),
      settings_(start.settings),
      savedChannels_(start.channels),
      savedSettings_(start.settings) {}

bool EditHistory::record(const model::Codeplug& codeplug) {
    Step step;
    for (int row = 1; row <= model::ChannelTable::kRows; ++row) {
        const model::Channel& now = codeplug.channels.row(row);
        if (now != channels_.row(row)) {
            step.channels.push_back({row, channels_.row(row), now});
        }
    }
    if (codeplug.settings != settings_) {
        step.settings = SettingsChange{settings_, codeplug.settings};
    }
    if (step.channels.empty() && !step.settings) {
        return false;
    }
    channels_ = codeplug.channels;
    settings_ = codeplug.settings;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) {
        steps_.pop_front();
    }
    done_ = steps_.size();
    return true;
}

bool EditHistory::undo(model::Codeplug& codeplug) {
    record(codeplug);
    if (!canUndo()) {
        return false;
    }
    --done_;
    apply(steps_[done_], Direction::Back, codeplug);
    return true;
}

bool EditHistory::redo(model::Codeplug& codeplug) {
    record(codeplug);
    if (!canRedo()) {
        return false;
    }
    apply(steps_[done_], Direction::Forward, codeplug);
    ++done_;
    return true;
}

void EditHistory::apply(const Step& step, Direction direction, model::Codeplug& codeplug) {
    const bool back = direction == Direction::Back;
    for (const ChannelChange& change : step.channels) {
        channels_.row(change.row) = back ? change.before : change.after;
    }
    if (step.settings) {
        settings_ = back ? step.settings->before : step.settings->after;
    }
    codeplug.channels = channels_;
    codeplug.settings = settings_;
}

void EditHistory::markSaved(const model::Codeplug& codeplug) {
    savedChannels_ = codeplug.channels;
    savedSettings_ = codeplug.settings;
}

bool EditHistory::differsFromSaved(const model::Codeplug& codeplug) const {
    return codeplug.channels != savedChannels_ || codeplug.settings != savedSettings_;
}

void EditHistory::rewriteChannels(const std::function<void(model::Channel&)>& rewrite) {
    for (model::ChannelTable* table : {&channels_, &savedChannels_}) {
        for (int row = 1; row <= model::ChannelTable::kRows; ++row) {
            rewrite(table->row(row));
        }
    }
    for (Step& step : steps_) {
        for (ChannelChange& change : step.channels) {
            rewrite(change.before);
            rewrite(change.after);
        }
    }
}

}  // namespace hm3300::editor
