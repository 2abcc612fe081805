#include "app/channel_edit_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/cell_text_edit.h"
#include "app/channel_editing.h"
#include "app/channel_grid.h"
#include "app/channel_grid_model.h"
#include "app/document.h"
#include "editor/channel_commands.h"

namespace hm3300::app {

namespace {

// The channel command buttons are 75 x 25 px in every skin; the skins' minimum heights
// and padding would otherwise size them by their captions. They act on the grid's channel
// and leave it the keyboard.
class CommandButton : public QPushButton {
public:
    CommandButton() {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        setFocusPolicy(Qt::NoFocus);
    }
    QSize sizeHint() const override { return {75, 25}; }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

}  // namespace

ChannelEditPage::ChannelEditPage(ChannelEditing& editing, QWidget* parent)
    : QWidget(parent),
      editing_(editing),
      grid_(new ChannelGrid(editing)),
      autoAddTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("ChannelEditPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(buildCommandRow());
    layout->addWidget(grid_);

    autoAddTimer_->setObjectName(QStringLiteral("AutoAddTimer"));
    connect(autoAddTimer_, &QTimer::timeout, this, &ChannelEditPage::repeatAutoAdd);
    Document& document = editing.document();
    ChannelGridModel* model = grid_->channelModel();
    connect(&document, &Document::channelsChanged, model, &ChannelGridModel::refresh);
    connect(&document, &Document::languageChanged, model, &ChannelGridModel::refresh);
}

QWidget* ChannelEditPage::buildCommandRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    const auto addButton = [&](int captionId, const char* name, const char* builtin) {
        auto* button = captions_.add(captionId, new CommandButton, QString::fromUtf8(builtin));
        button->setObjectName(QString::fromLatin1(name));
        button->setStyleSheet(QStringLiteral("padding: 0px 2px;"));
        layout->addWidget(button);
        return button;
    };
    // Auto add runs while the button is held down; QPushButton reacts to the primary
    // button only.
    QPushButton* autoAdd = addButton(80, "autoAddButton", "自动添加");
    connect(autoAdd, &QPushButton::pressed, this, &ChannelEditPage::pressAutoAdd);
    connect(autoAdd, &QPushButton::released, this, &ChannelEditPage::stopAutoAdd);
    connect(addButton(96, "clearChannelsButton", "清除信道"), &QPushButton::clicked, this,
            &ChannelEditPage::clearChannelsRequested);
    connect(addButton(65, "moveUpButton", "信道上移"), &QPushButton::clicked, this,
            [this] { moveChannel(true); });
    connect(addButton(66, "moveDownButton", "信道下移"), &QPushButton::clicked, this,
            [this] { moveChannel(false); });
    connect(addButton(67, "deleteChannelButton", "删除信道"), &QPushButton::clicked, this,
            &ChannelEditPage::deleteChannel);
    layout->addStretch();
    return row;
}

void ChannelEditPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
    grid_->channelModel()->applyLanguage(pack);
    grid_->applyValueTexts(model::ValueTexts::fromPack(pack));
}

void ChannelEditPage::showDocument() {
    grid_->channelModel()->refresh();
}

void ChannelEditPage::pressAutoAdd() {
    Document& document = editing_.document();
    // Everything one press and hold adds is one step.
    document.beginStepGroup();
    autoAddTimer_->start(editor::kAutoAddFirstDelayMs);
    followAutoAdd(editor::pressAutoAdd(editing_.state(), document.codeplug(), document.texts()));
}

void ChannelEditPage::repeatAutoAdd() {
    autoAddTimer_->setInterval(editor::kAutoAddRepeatMs);
    Document& document = editing_.document();
    followAutoAdd(editor::repeatAutoAdd(editing_.state(), document.codeplug(), document.texts()));
}

void ChannelEditPage::followAutoAdd(const editor::AutoAddStep& step) {
    if (!editing_.finished(step.error) || editor::autoAddFinished(editing_.state())) {
        stopAutoAdd();
    }
    if (step.gridRow) {
        grid_->moveToCell(editing_.state().editColumn, *step.gridRow);
    }
    grid_->showFrequencyInEditor();
}

void ChannelEditPage::stopAutoAdd() {
    autoAddTimer_->stop();
    editing_.document().endStepGroup();
}

void ChannelEditPage::moveChannel(bool up) {
    Document& document = editing_.document();
    editor::EditState& state = editing_.state();
    editing_.finished(up ? editor::moveChannelUp(state, document.codeplug(), document.texts())
                         : editor::moveChannelDown(state, document.codeplug(), document.texts()));
    // The grid's own cell stays: an editor over it no longer lies over the moved channel.
    grid_->followCommand();
}

void ChannelEditPage::deleteChannel() {
    editor::deleteChannel(editing_.state(), editing_.document().codeplug().channels);
    grid_->frequencyEditor()->clear();
    // No editor stays open over a row that holds no channel.
    grid_->hideOverlayEditors();
    editing_.finished(std::nullopt);
}

}  // namespace hm3300::app
