#pragma once
// The page "信道": one channel with all sixteen fields, the hidden attributes included.
// The channel number chooses the channel (`currentLine`); every change is written straight
// into the channel table, so the grid and this page show the same data. Frequencies are
// committed as in the grid: on Enter and on leaving either frequency field, when the
// channel number changes, and when the page is shown (a pending grid edit first).

#include <QWidget>
#include <array>
#include <iterator>

#include "app/caption_table.h"
#include "app/document_view.h"
#include "editor/channel_page_rules.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace hm3300::app {

class CellTextEdit;
class ChannelEditing;

class ChannelPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit ChannelPage(ChannelEditing& editing, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    // The channel number set by the program (the grid, New): the page leaves the channel
    // it showed as the operator's change would, and shows `row`.
    void showChannel(int row);
    // Single-head operation: the VOX box is unchecked and disabled.
    void setSingleHead(bool singleHead);
    // Fills every control from the current channel.
    void refresh();

    QSpinBox* channelNumber() const { return channelNumber_; }
    CellTextEdit* receiveFrequency() const { return rxFreq_; }
    CellTextEdit* transmitFrequency() const { return txFreq_; }
    CellTextEdit* alias() const { return alias_; }
    QComboBox* list(editor::PageList list) const;
    // By the fields of editor::kPageSwitches.
    QCheckBox* switchBox(model::ChannelField field) const;

signals:
    // A field of the page was entered: the grid follows to this channel's row.
    void gridRowRequested(int row);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr std::size_t kListCount = 5;
    static constexpr std::size_t kSwitchCount = std::size(editor::kPageSwitches);

    void buildControls();
    void layOut();
    void connectControls();
    void onChannelNumberChanged(int number);
    // A field of the page was entered: it edits the channel of the channel number.
    void enterField(int editColumn);
    void commitAndRefresh();
    // A list or a box changed the channel: one step.
    void finishChange();
    void fillLists(const model::ValueTexts& texts);
    model::Channel& channel();

    ChannelEditing& editing_;
    CaptionTable captions_;
    bool singleHead_ = false;
    QSpinBox* channelNumber_ = nullptr;
    CellTextEdit* rxFreq_ = nullptr;
    CellTextEdit* txFreq_ = nullptr;
    CellTextEdit* alias_ = nullptr;
    std::array<QComboBox*, kListCount> lists_{};
    std::array<QCheckBox*, kSwitchCount> switches_{};
};

}  // namespace hm3300::app
