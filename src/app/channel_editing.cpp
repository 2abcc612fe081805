#include "app/channel_editing.h"

#include <QTimer>

#include "app/document.h"
#include "app/pack_text.h"
#include "editor/channel_commit.h"
#include "model/text_ids.h"

namespace hm3300::app {

ChannelEditing::ChannelEditing(Document& document, QObject* parent)
    : QObject(parent), document_(document) {}

bool ChannelEditing::commit() {
    const bool committed =
        finished(editor::commitEdit(state_, document_.codeplug(), document_.texts()));
    state_.frequencyTyped = state_.frequencyTyped && !committed;
    return committed;
}

bool ChannelEditing::commitPending() {
    return !editor::editPending(state_, document_.codeplug().channels) || commit();
}

bool ChannelEditing::commitChannel(int row) {
    const bool committed =
        finished(editor::commitChannel(row, document_.codeplug(), document_.texts()));
    state_.frequencyTyped = state_.frequencyTyped && !committed;
    return committed;
}

bool ChannelEditing::finished(const std::optional<editor::EditError>& error) {
    document_.notifyChannelsChanged();
    document_.finishStep();
    if (!error) {
        return true;
    }
    if (!warningPending_) {
        warningPending_ = true;
        // The warning is modal; it waits until the click or key that failed is done with.
        QTimer::singleShot(0, this, [this, text = message(*error)] {
            warningPending_ = false;
            emit editFailed(text);
        });
    }
    return false;
}

QString ChannelEditing::message(const editor::EditError& error) const {
    const int id = error.kind == editor::EditError::Kind::UnreadableBand
                       ? model::TextId::UnreadableBand
                       : model::TextId::UnreadableFrequency;
    QString text = packText(document_.pack(), id);
    if (text.isEmpty()) {
        text = packText(model::LanguagePack::builtin(), id);
    }
    return text.arg(QString::fromStdString(error.text));
}

}  // namespace hm3300::app
