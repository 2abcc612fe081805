#include "app/channel_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/cell_text_edit.h"
#include "app/channel_editing.h"
#include "app/document.h"
#include "app/form_group.h"
#include "editor/cell_key_filters.h"

namespace hm3300::app {

namespace {

using editor::PageList;
using model::ChannelField;
namespace Column = editor::GridColumn;

constexpr std::array<PageList, 5> kLists{PageList::RxTone, PageList::TxTone, PageList::Power,
                                         PageList::Bandwidth, PageList::VoiceMode};

// Labels and box captions: the pack's text id and the form's own text. The two frequency
// labels end in "[MHz]" in every language.
struct Caption {
    int id;
    const char* builtin;
};
constexpr std::array<Caption, 5> kListCaptions{{
    {27, "CTC/DCS解码"},
    {29, "CTC/DCS编码"},
    {30, "发射功率"},
    {73, "宽/窄带"},
    {77, "语音模式"},
}};
// By editor::kPageSwitches.
constexpr int kFixedCaption = 0;  // a caption no pack changes
constexpr std::array<Caption, 6> kSwitchCaptions{{
    {32, "繁忙锁定"},
    {31, "扫描添加"},
    {76, "尾音消除"},
    {0, "DTMF"},
    {0, "PTT ID"},
    {0, "VOX"},
}};
constexpr int kChannelCaption = 99;
constexpr int kReceiveCaption = 26;
constexpr int kTransmitCaption = 28;
constexpr int kAliasCaption = 101;

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

bool entered(QEvent* event) {
    if (event->type() != QEvent::FocusIn) {
        return false;
    }
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

ChannelPage::ChannelPage(ChannelEditing& editing, QWidget* parent)
    : QWidget(parent), editing_(editing) {
    setObjectName(QStringLiteral("ChannelPage"));
    buildControls();
    layOut();
    connectControls();
    refresh();
}

void ChannelPage::buildControls() {
    channelNumber_ = new QSpinBox;
    channelNumber_->setObjectName(QStringLiteral("channelNumber"));
    channelNumber_->setRange(1, model::ChannelTable::kRows);
    channelNumber_->setSingleStep(1);
    rxFreq_ = new CellTextEdit(CellTextEdit::Rule::Frequency, 0);
    rxFreq_->setObjectName(QStringLiteral("receiveFrequency"));
    txFreq_ = new CellTextEdit(CellTextEdit::Rule::Frequency, 0);
    txFreq_->setObjectName(QStringLiteral("transmitFrequency"));
    alias_ = new CellTextEdit(CellTextEdit::Rule::Alias, static_cast<int>(editor::kAliasLength));
    alias_->setObjectName(QStringLiteral("alias"));
    for (std::size_t i = 0; i < kListCount; ++i) {
        lists_[i] = new QComboBox;
        lists_[i]->setObjectName(
            QString::fromUtf8(model::fieldName(editor::pageListField(kLists[i]))));
    }
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        const Caption& caption = kSwitchCaptions[i];
        switches_[i] = new QCheckBox(QString::fromUtf8(caption.builtin));
        if (caption.id != kFixedCaption) {
            captions_.add(caption.id, switches_[i], switches_[i]->text());
        }
        switches_[i]->setObjectName(QString::fromUtf8(model::fieldName(editor::kPageSwitches[i])));
    }
    fillLists(model::ValueTexts::fromPack(model::LanguagePack::builtin()));
}

void ChannelPage::layOut() {
    auto* group = new QGroupBox;
    captions_.add(kChannelCaption, group, QStringLiteral("单信道"));
    FormGroup form(group);
    form.addRow(captions_.label(kChannelCaption, QStringLiteral("信道")), channelNumber_);
    const auto withUnit = [this](int id, const QString& builtin) {
        auto* label = new QLabel;
        captions_.add(id, builtin, [label](const QString& text) {
            label->setText(text + QStringLiteral("[MHz]"));
        });
        return label;
    };
    form.addRow(withUnit(kReceiveCaption, QStringLiteral("接收频率")), rxFreq_);
    form.addRow(withUnit(kTransmitCaption, QStringLiteral("发射频率")), txFreq_);
    form.addRow(captions_.label(kAliasCaption, QStringLiteral("信道别名")), alias_);
    for (std::size_t i = 0; i < kListCount; ++i) {
        form.addRow(
            captions_.label(kListCaptions[i].id, QString::fromUtf8(kListCaptions[i].builtin)),
            lists_[i]);
    }
    for (QCheckBox* box : switches_) {
        form.addBeside(box);
    }
    form.finish();
    placeGroupOnPage(this, group, 480);

    // The tab order is the order of the fields of a channel.
    QWidget* previous = channelNumber_;
    for (QWidget* next : std::initializer_list<QWidget*>{rxFreq_, txFreq_, alias_}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* next : lists_) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* next : switches_) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void ChannelPage::connectControls() {
    connect(channelNumber_, &QSpinBox::valueChanged, this, &ChannelPage::onChannelNumberChanged);
    for (CellTextEdit* field : {rxFreq_, txFreq_, alias_}) {
        field->installEventFilter(this);
    }
    for (CellTextEdit* frequency : {rxFreq_, txFreq_}) {
        connect(frequency, &CellTextEdit::enterPressed, this, &ChannelPage::commitAndRefresh);
        connect(frequency, &CellTextEdit::left, this, &ChannelPage::commitAndRefresh);
    }
    connect(rxFreq_, &CellTextEdit::keyReleased, this, [this] {
        editing_.document().codeplug().channels.row(channelNumber_->value())[ChannelField::RxFreq] =
            rxFreq_->text().toStdString();
        editing_.state().frequencyTyped = true;
        editing_.document().notifyChannelsChanged();
    });
    connect(txFreq_, &CellTextEdit::keyReleased, this, [this] {
        if (editing_.state().editColumn == Column::TxFreq) {
            channel()[ChannelField::TxFreq] = txFreq_->text().toStdString();
            editing_.state().frequencyTyped = true;
            editing_.document().notifyChannelsChanged();
        }
    });
    connect(alias_, &CellTextEdit::keyReleased, this, [this] {
        if (editing_.state().editColumn == Column::Alias && channel().exists()) {
            channel()[ChannelField::Alias] = alias_->text().toStdString();
            editing_.document().notifyChannelsChanged();
        }
    });
    for (std::size_t i = 0; i < kListCount; ++i) {
        connect(lists_[i], &QComboBox::activated, this, [this, i](int index) {
            editor::choosePageItem(channel(), kLists[i], index, editing_.document().texts());
            finishChange();
        });
    }
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        connect(switches_[i], &QCheckBox::clicked, this, [this, i](bool on) {
            editor::setPageSwitch(channel(), editor::kPageSwitches[i], on,
                                  editing_.document().texts());
            finishChange();
        });
    }
    // The alias has no commit: leaving its field ends the step.
    connect(alias_, &CellTextEdit::left, &editing_.document(), &Document::finishStep);
}

void ChannelPage::finishChange() {
    editing_.document().notifyChannelsChanged();
    editing_.document().finishStep();
}

QComboBox* ChannelPage::list(editor::PageList list) const {
    return lists_[static_cast<std::size_t>(list)];
}

QCheckBox* ChannelPage::switchBox(model::ChannelField field) const {
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        if (editor::kPageSwitches[i] == field) {
            return switches_[i];
        }
    }
    return nullptr;
}

model::Channel& ChannelPage::channel() {
    return editing_.document().codeplug().channels.row(editing_.state().currentLine);
}

void ChannelPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
    fillLists(model::ValueTexts::fromPack(pack));
}

void ChannelPage::showDocument() {
    refresh();
}

void ChannelPage::showChannel(int row) {
    {
        const QSignalBlocker blocker(channelNumber_);
        channelNumber_->setValue(row);
    }
    onChannelNumberChanged(row);
}

void ChannelPage::setSingleHead(bool singleHead) {
    singleHead_ = singleHead;
    QCheckBox* vox = switchBox(ChannelField::Vox);
    if (singleHead) {
        const QSignalBlocker blocker(vox);
        vox->setChecked(false);
        vox->setEnabled(false);
    } else if (!rxFreq_->text().isEmpty()) {
        vox->setEnabled(true);
    }
}

void ChannelPage::refresh() {
    const editor::ChannelPageView view =
        editor::channelPageView(channel(), editing_.document().texts(), singleHead_);
    {
        const QSignalBlocker blocker(channelNumber_);
        channelNumber_->setValue(editing_.state().currentLine);
    }
    rxFreq_->setText(qText(view.rxFreq));
    txFreq_->setText(qText(view.txFreq));
    alias_->setText(qText(view.alias));
    txFreq_->setEnabled(view.channel);
    alias_->setEnabled(view.channel);

    const std::array<std::optional<int>, kListCount> positions{view.rxTone, view.txTone, view.power,
                                                               view.bandwidth, view.voiceMode};
    for (std::size_t i = 0; i < kListCount; ++i) {
        if (positions[i]) {
            const QSignalBlocker blocker(lists_[i]);
            lists_[i]->setCurrentIndex(*positions[i]);
        }
        lists_[i]->setEnabled(view.channel);
    }
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        const QSignalBlocker blocker(switches_[i]);
        switches_[i]->setChecked(view.switches[i]);
        const bool vox = editor::kPageSwitches[i] == ChannelField::Vox;
        switches_[i]->setEnabled(vox ? view.voxEnabled : view.channel);
    }
}

void ChannelPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // A frequency typed in the grid gets its defaults before its tones are shown.
        editing_.commitPending();
        refresh();
    }
}

bool ChannelPage::eventFilter(QObject* watched, QEvent* event) {
    if (entered(event)) {
        if (watched == rxFreq_) {
            enterField(Column::RxFreq);
        } else if (watched == txFreq_) {
            enterField(Column::TxFreq);
        } else if (watched == alias_) {
            enterField(Column::Alias);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChannelPage::onChannelNumberChanged(int number) {
    editor::EditState& state = editing_.state();
    if (isVisible()) {
        if (!editing_.commitChannel(state.currentLine)) {
            // The channel keeps what was typed; the number stays on it.
            const QSignalBlocker blocker(channelNumber_);
            channelNumber_->setValue(state.currentLine);
            return;
        }
    }
    state.currentLine = number;
    if (isVisible()) {
        refresh();
    }
}

void ChannelPage::enterField(int editColumn) {
    editor::EditState& state = editing_.state();
    state.currentLine = channelNumber_->value();
    emit gridRowRequested(state.currentLine);
    state.editColumn = editColumn;
}

void ChannelPage::commitAndRefresh() {
    editing_.commit();
    refresh();
}

void ChannelPage::fillLists(const model::ValueTexts& texts) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        QComboBox* box = lists_[i];
        const QSignalBlocker blocker(box);
        const int selected = box->currentIndex();
        box->clear();
        for (const std::string& item : editor::pageListItems(kLists[i], texts)) {
            box->addItem(qText(item));
        }
        box->setCurrentIndex(selected);
    }
}

}  // namespace hm3300::app
