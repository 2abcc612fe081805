#pragma once
// The page "信道编辑": the channel grid and the five channel commands above it: auto add
// (press and hold), clear all channels (after the confirmation), move up, move down and
// delete (editor/channel_commands.h, editor/auto_add.h).

#include <QWidget>

#include "app/caption_table.h"
#include "app/document_view.h"
#include "editor/auto_add.h"

class QPushButton;
class QTimer;

namespace hm3300::app {

class ChannelEditing;
class ChannelGrid;

class ChannelEditPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit ChannelEditPage(ChannelEditing& editing, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    ChannelGrid* grid() const { return grid_; }
    QTimer* autoAddTimer() const { return autoAddTimer_; }

signals:
    // The clear button: the window asks for confirmation; OK clears.
    void clearChannelsRequested();

private:
    QWidget* buildCommandRow();
    void pressAutoAdd();
    void repeatAutoAdd();
    void followAutoAdd(const editor::AutoAddStep& step);
    // The release of the button, an error, or row 128 reached: the step ends.
    void stopAutoAdd();
    void moveChannel(bool up);
    void deleteChannel();

    ChannelEditing& editing_;
    CaptionTable captions_;
    ChannelGrid* grid_;
    QTimer* autoAddTimer_;
};

}  // namespace hm3300::app
