#pragma once
// The codeplug being edited, the language it is shown in, and its history. The main window
// owns one for the life of the program; pages and dialogs read and write the codeplug here
// and refresh when it tells them to.
//
// Every operator's action that changes the codeplug ends a step for undo and redo: the
// handler that made the change finishes the step (finishStep), or asks for it to be
// finished once its event has been handled (finishStepSoon), so that the rules the change
// set off belong to the same step. Typing into a field is no step of its own: the commit
// of the field, leaving it, or the next step takes it in. A change that no handler
// finished is taken in by the next step, undo, redo or save, so nothing is ever lost from
// the history. Whether there are unsaved changes is a comparison with the state last
// saved, not a flag each edit must remember to set.

#include <QObject>

#include "editor/edit_history.h"
#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

class QTimer;

namespace hm3300::app {

class Document : public QObject {
    Q_OBJECT

public:
    explicit Document(QObject* parent = nullptr);

    model::Codeplug& codeplug() { return codeplug_; }
    const model::Codeplug& codeplug() const { return codeplug_; }
    model::RadioSettings& settings() { return codeplug_.settings; }
    const model::RadioSettings& settings() const { return codeplug_.settings; }

    model::Language language() const { return language_; }
    const model::LanguagePack& pack() const { return pack_; }
    const model::ValueTexts& texts() const { return texts_; }

    // Makes `pack` the current language: its value texts replace the old ones and every
    // channel cell holding a value word of any language is rewritten, in the history too.
    void setLanguage(model::Language language, model::LanguagePack pack);

    // After New, Open or a radio read replaced the codeplug: every view shows it anew.
    void notifyReplaced() { emit replaced(); }
    // A codeplug made apart from this one (a CSV import into a copy) takes its place as a
    // whole, in one step, and every view shows it.
    void replaceCodeplug(model::Codeplug codeplug);
    // After a change of channels made outside the channel views.
    void notifyChannelsChanged() { emit channelsChanged(); }

    // What changed since the last step becomes one step.
    void finishStep();
    // The same, once the event being handled is done with.
    void finishStepSoon();
    // Auto add's press and hold is one step: from the press to the end of the group.
    void beginStepGroup();
    void endStepGroup();

    bool canUndo() const;
    bool canRedo() const;
    // The views show the codeplug as it was before the last step (or after the step last
    // undone). Nothing happens during a step group.
    void undo();
    void redo();

    // The codeplug was just saved, opened, read or written, or made anew.
    void markSaved();
    // The channels or radio settings differ from what was last saved.
    bool isModified() const;

signals:
    void languageChanged();
    void replaced();
    void channelsChanged();
    // A step was finished, undone or redone, or the codeplug was saved.
    void historyChanged();

private:
    model::Codeplug codeplug_;
    model::Language language_ = model::Language::Chinese;
    model::LanguagePack pack_;
    model::ValueTexts texts_;
    editor::EditHistory history_;
    QTimer* stepTimer_;
    bool grouping_ = false;
};

}  // namespace hm3300::app
