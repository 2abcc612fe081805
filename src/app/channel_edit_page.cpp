#include "app/channel_edit_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "app/channel_grid_model.h"
#include "app/document.h"

namespace hm3300::app {

namespace {

// The grid marks no current cell: the overlay editors are the only sign of it.
class NoFocusMarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

// The channel command buttons are 75 x 25 px in every skin; the skins' minimum heights
// and padding would otherwise size them by their captions.
class CommandButton : public QPushButton {
public:
    CommandButton() { setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); }
    QSize sizeHint() const override { return {75, 25}; }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// The header row is silver in every skin, like the label column below it.
const QString kHeaderStyle = QStringLiteral(
    "QHeaderView::section { background-color: rgb(192, 192, 192); padding: 0px;"
    " border: none; border-right: 1px solid #808080; border-bottom: 1px solid #808080; }");

}  // namespace

ChannelEditPage::ChannelEditPage(Document& document, QWidget* parent)
    : QWidget(parent), model_(new ChannelGridModel(document, this)), grid_(buildGrid()) {
    setObjectName(QStringLiteral("ChannelEditPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(buildCommandRow());
    layout->addWidget(grid_);

    connect(&document, &Document::channelsChanged, model_, &ChannelGridModel::refresh);
    connect(&document, &Document::languageChanged, model_, &ChannelGridModel::refresh);
}

// The channel commands arrive with the channel editing; until then the buttons are shown,
// relabelled and disabled.
QWidget* ChannelEditPage::buildCommandRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    struct Command {
        int captionId;
        const char* name;
        const char* builtin;
    };
    static constexpr Command kCommands[] = {{80, "autoAddButton", "自动添加"},
                                            {96, "clearChannelsButton", "清除信道"},
                                            {65, "moveUpButton", "信道上移"},
                                            {66, "moveDownButton", "信道下移"},
                                            {67, "deleteChannelButton", "删除信道"}};
    for (const auto& [id, name, builtin] : kCommands) {
        auto* button = captions_.add(id, new CommandButton, QString::fromUtf8(builtin));
        button->setObjectName(QString::fromLatin1(name));
        button->setStyleSheet(QStringLiteral("padding: 0px 2px;"));
        button->setEnabled(false);
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}

QTableView* ChannelEditPage::buildGrid() {
    auto* grid = new QTableView;
    grid->setObjectName(QStringLiteral("ChannelGrid"));
    grid->setModel(model_);
    grid->setItemDelegate(new NoFocusMarkDelegate(grid));
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(ChannelGridModel::kRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(ChannelGridModel::kRowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* header = grid->horizontalHeader();
    header->setStyleSheet(kHeaderStyle);
    header->setFixedHeight(ChannelGridModel::kRowHeight);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < ChannelGridModel::kColumnCount; ++column) {
        grid->setColumnWidth(column, ChannelGridModel::columnWidth(column));
    }
    return grid;
}

void ChannelEditPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
    model_->applyLanguage(pack);
}

void ChannelEditPage::showDocument() {
    model_->refresh();
}

}  // namespace hm3300::app
