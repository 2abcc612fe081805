#pragma once
// What the channel grid, the channel commands and the single-channel page share: the
// editor state (the channel being edited and the grid column its editor writes into) and
// the commit they all run. An edit that cannot be finished is reported once, in the
// current language, after the event that caused it has been handled.

#include <QObject>
#include <optional>

#include "editor/edit_state.h"
#include "editor/frequency_normalization.h"

namespace hm3300::app {

class Document;

class ChannelEditing : public QObject {
    Q_OBJECT

public:
    explicit ChannelEditing(Document& document, QObject* parent = nullptr);

    Document& document() { return document_; }
    editor::EditState& state() { return state_; }

    // Commits the cell being edited; false, reported, when it cannot be finished.
    bool commit();
    // The same, only when an edit is pending (editor::editPending).
    bool commitPending();
    // Finishes channel `row` as the single-channel page leaves it.
    bool commitChannel(int row);
    // After the document's channels were edited by a rule that may fail: the views follow,
    // the step is finished, and the failure is reported. Returns whether there was none.
    bool finished(const std::optional<editor::EditError>& error);

    // The warning for `error` in the current language.
    QString message(const editor::EditError& error) const;

signals:
    // Shown by the window in its warning dialog.
    void editFailed(const QString& message);

private:
    Document& document_;
    editor::EditState state_;
    // One warning for one failure, however many commits the same event ran.
    bool warningPending_ = false;
};

}  // namespace hm3300::app
