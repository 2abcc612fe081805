#include "app/document.h"

#include <QTimer>

namespace hm3300::app {

Document::Document(QObject* parent)
    : QObject(parent), history_(codeplug_), stepTimer_(new QTimer(this)) {
    stepTimer_->setSingleShot(true);
    stepTimer_->setInterval(0);
    connect(stepTimer_, &QTimer::timeout, this, &Document::finishStep);
}

void Document::replaceCodeplug(model::Codeplug codeplug) {
    codeplug_ = std::move(codeplug);
    emit replaced();
}

void Document::setLanguage(model::Language language, model::LanguagePack pack) {
    language_ = language;
    pack_ = std::move(pack);
    texts_ = model::ValueTexts::fromPack(pack_);
    codeplug_.channels.convertValueTexts(texts_);
    history_.rewriteChannels(
        [this](model::Channel& channel) { channel.convertValueTexts(texts_); });
    emit languageChanged();
}

void Document::finishStep() {
    stepTimer_->stop();
    if (!grouping_ && history_.record(codeplug_)) {
        emit historyChanged();
    }
}

void Document::finishStepSoon() {
    stepTimer_->start();
}

void Document::beginStepGroup() {
    finishStep();
    grouping_ = true;
}

void Document::endStepGroup() {
    if (grouping_) {
        grouping_ = false;
        finishStep();
    }
}

bool Document::canUndo() const {
    return history_.canUndo();
}

bool Document::canRedo() const {
    return history_.canRedo();
}

void Document::undo() {
    if (!grouping_ && history_.undo(codeplug_)) {
        emit replaced();
        emit historyChanged();
    }
}

void Document::redo() {
    if (!grouping_ && history_.redo(codeplug_)) {
        emit replaced();
        emit historyChanged();
    }
}

void Document::markSaved() {
    finishStep();
    history_.markSaved(codeplug_);
    emit historyChanged();
}

bool Document::isModified() const {
    return history_.differsFromSaved(codeplug_);
}

}  // namespace hm3300::app
