#include "app/channel_grid.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

#include "app/cell_text_edit.h"
#include "app/channel_editing.h"
#include "app/channel_grid_model.h"
#include "app/document.h"
#include "app/typed_key.h"
#include "editor/cell_key_filters.h"

namespace hm3300::app {

namespace {

namespace Column = editor::GridColumn;
using editor::OverlayEditor;
using model::ChannelField;

constexpr int kEditorHeight = 18;
constexpr int kFrequencyEditorWidth = 72;
constexpr int kToneDropDownWidth = 74;
constexpr int kToneDropDownRows = 15;
constexpr int kAliasEditorWidth = 60;
// Room beside a header's text, so that no header is clipped.
constexpr int kHeaderMargin = 4;
// An editor lies 3 px right of and 2 px below its cell's top left corner.
constexpr QPoint kEditorOffset(3, 2);

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

// The header row is silver in every skin, like the label column below it.
const QString kHeaderStyle = QStringLiteral(
    "QHeaderView::section { background-color: rgb(192, 192, 192); padding: 0px;"
    " border: none; border-right: 1px solid #808080; border-bottom: 1px solid #808080; }");

QFont arial() {
    return QFont(QStringLiteral("Arial"));
}

bool movesTheCurrentCell(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ChannelGrid::ChannelGrid(ChannelEditing& editing, QWidget* parent)
    : QTableView(parent),
      editing_(editing),
      model_(new ChannelGridModel(editing.document(), this)) {
    setObjectName(QStringLiteral("ChannelGrid"));
    setModel(model_);
    configureLook();
    createEditors();
    // The grid starts on the receive frequency of channel 1, with no editor open.
    setCurrentCellQuietly(model_->index(0, Column::RxFreq));
}

void ChannelGrid::configureLook() {
    setItemDelegate(new NoFocusMarkDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(ChannelGridModel::kRowHeight);
    verticalHeader()->setDefaultSectionSize(ChannelGridModel::kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* header = horizontalHeader();
    header->setStyleSheet(kHeaderStyle);
    header->setFixedHeight(ChannelGridModel::kRowHeight);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    fitColumnsToHeaders();
    connect(model_, &QAbstractItemModel::headerDataChanged, this,
            &ChannelGrid::fitColumnsToHeaders);
}

void ChannelGrid::fitColumnsToHeaders() {
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    for (int column = 0; column < ChannelGridModel::kColumnCount; ++column) {
        const QString header = model_->headerData(column, Qt::Horizontal).toString();
        setColumnWidth(column, std::max(ChannelGridModel::columnWidth(column),
                                        metrics.horizontalAdvance(header) + kHeaderMargin));
    }
}

void ChannelGrid::createEditors() {
    frequencyEditor_ =
        new CellTextEdit(CellTextEdit::Rule::Frequency,
                         static_cast<int>(editor::kFrequencyEditorLength), viewport());
    frequencyEditor_->setObjectName(QStringLiteral("FrequencyEditor"));
    frequencyEditor_->setFixedSize(kFrequencyEditorWidth, kEditorHeight);

    toneDropDown_ = new QComboBox(viewport());
    toneDropDown_->setObjectName(QStringLiteral("ToneDropDown"));
    toneDropDown_->setFixedSize(kToneDropDownWidth, kEditorHeight);
    toneDropDown_->setMaxVisibleItems(kToneDropDownRows);
    for (const std::string& item :
         editor::toneItems(model::ValueTexts::fromPack(model::LanguagePack::builtin()))) {
        toneDropDown_->addItem(qText(item));
    }
    toneDropDown_->installEventFilter(this);

    aliasEditor_ = new CellTextEdit(CellTextEdit::Rule::Alias,
                                    static_cast<int>(editor::kAliasLength), viewport());
    aliasEditor_->setObjectName(QStringLiteral("AliasEditor"));
    aliasEditor_->setFixedSize(kAliasEditorWidth, kEditorHeight);

    for (CellTextEdit* field : {frequencyEditor_, aliasEditor_}) {
        field->setAlignment(Qt::AlignCenter);
        field->setFont(arial());
        field->setFrame(false);
    }
    for (QWidget* overlay : overlays()) {
        overlay->hide();
    }

    connect(frequencyEditor_, &CellTextEdit::keyReleased, this, &ChannelGrid::writeFrequency);
    connect(frequencyEditor_, &CellTextEdit::enterPressed, this, &ChannelGrid::finishFrequency);
    connect(aliasEditor_, &CellTextEdit::keyReleased, this, &ChannelGrid::writeAlias);
    connect(aliasEditor_, &CellTextEdit::enterPressed, this, &ChannelGrid::returnFromAlias);
    connect(toneDropDown_, &QComboBox::activated, this, [this](int index) {
        Document& document = editing_.document();
        editor::chooseTone(editing_.state(), document.codeplug().channels, index, document.texts());
        finishChange();
    });
}

void ChannelGrid::moveToCell(int column, int row) {
    const QModelIndex target = model_->index(row - 1, column);
    moveWithoutToggle([this, target] {
        if (target.isValid()) {
            setCurrentIndex(target);
        }
    });
}

void ChannelGrid::moveWithoutToggle(const std::function<void()>& move) {
    const QModelIndex before = currentIndex();
    editor::suppressNextToggle(editing_.state());
    move();
    // A move that did not happen leaves no flip suppressed for the operator's next click.
    if (currentIndex() == before) {
        editing_.state().skipNextToggle = false;
    }
}

std::array<QWidget*, 3> ChannelGrid::overlays() const {
    return {frequencyEditor_, toneDropDown_, aliasEditor_};
}

void ChannelGrid::hideOverlay(QWidget* overlay) {
    // The keys go back to the grid, not to whichever control follows in the focus chain.
    if (overlay->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    overlay->hide();
}

void ChannelGrid::moveToRow(int row) {
    moveToCell(currentIndex().column(), row);
}

void ChannelGrid::hideOverlayEditors() {
    for (QWidget* overlay : overlays()) {
        hideOverlay(overlay);
    }
}

void ChannelGrid::hideToneDropDown() {
    hideOverlay(toneDropDown_);
}

void ChannelGrid::showFrequencyInEditor() {
    const editor::EditState& state = editing_.state();
    if (state.editColumn == Column::RxFreq || state.editColumn == Column::TxFreq) {
        frequencyEditor_->setText(qText(editor::gridCellText(
            editing_.document().codeplug().channels, state.editColumn, state.currentLine)));
    }
}

void ChannelGrid::followCommand() {
    const editor::EditState& state = editing_.state();
    showFrequencyInEditor();
    if (!aliasEditor_->isHidden()) {
        aliasEditor_->setText(qText(
            editing_.document().codeplug().channels.row(state.currentLine)[ChannelField::Alias]));
    }
    const int top = visualRect(model_->index(state.currentLine - 1, state.editColumn)).top() +
                    kEditorOffset.y();
    for (QWidget* overlay : overlays()) {
        if (!overlay->isHidden() && overlay->y() != top) {
            hideOverlay(overlay);
        }
    }
}

void ChannelGrid::applyValueTexts(const model::ValueTexts& texts) {
    toneDropDown_->setItemText(0, qText(texts.OffText));
}

void ChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (quiet_ || !current.isValid()) {
        return;
    }
    if (!editing_.commit()) {
        setCurrentCellQuietly(previous);
        return;
    }
    arriveAt(current);
}

QModelIndex ChannelGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex target = QTableView::moveCursor(cursorAction, modifiers);
    // The label column is no cell to edit.
    if (target.isValid() && target.column() == Column::Label) {
        return model_->index(target.row(), Column::RxFreq);
    }
    return target;
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool label = index.isValid() && index.column() == Column::Label;
    if (event->button() == Qt::RightButton && label &&
        !selectionModel()->isRowSelected(index.row())) {
        // The context menu acts on the row it was opened on.
        clickLabel(index.row() + 1, Qt::NoModifier);
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (label) {
        clickLabel(index.row() + 1, event->modifiers());
    } else if (index.isValid()) {
        clickCell(index);
    }
}

QItemSelectionModel::SelectionFlags ChannelGrid::selectionCommand(const QModelIndex& /*index*/,
                                                                  const QEvent* /*event*/) const {
    // Only a label click selects; moving the current cell leaves the selection alone.
    return QItemSelectionModel::NoUpdate;
}

void ChannelGrid::clickLabel(int row, Qt::KeyboardModifiers modifiers) {
    if (!editing_.commit()) {
        return;
    }
    hideOverlayEditors();
    const QModelIndex label = model_->index(row - 1, Column::Label);
    if (modifiers & Qt::ShiftModifier) {
        const int first = std::min(selectionAnchor_, row);
        selectRows(first, std::abs(selectionAnchor_ - row) + 1);
    } else if (modifiers & Qt::ControlModifier) {
        selectionModel()->select(label, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        selectionAnchor_ = row;
    } else {
        selectRows(row, 1);
        selectionAnchor_ = row;
    }
    editing_.state().currentLine = row;
    setCurrentCellQuietly(
        model_->index(row - 1, std::max<int>(currentIndex().column(), Column::RxFreq)));
    emit arrived(row);
}

std::vector<int> ChannelGrid::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows(Column::Label)) {
        rows.push_back(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ChannelGrid::selectRows(int first, int count) {
    const QItemSelection rows(model_->index(first - 1, 0),
                              model_->index(first + count - 2, Column::Count - 1));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void ChannelGrid::clearRowSelection() {
    selectionModel()->clearSelection();
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index.column() == Column::More) {
        emit channelPageRequested(index.row() + 1);
    }
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    editor::EditState& state = editing_.state();
    model::ChannelTable& channels = editing_.document().codeplug().channels;
    if (movesTheCurrentCell(event->key())) {
        moveWithoutToggle([this, event] { QTableView::keyPressEvent(event); });
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        event->accept();
        editor::deleteVisibleCells(state, channels);
        finishChange();
        followCommand();
        return;
    }
    if (event->key() == Qt::Key_Backspace && editor::emptyFrequencyCell(state, channels)) {
        notifyChannels();
        followCommand();
    }
    typeOnGrid(event);
}

void ChannelGrid::typeOnGrid(QKeyEvent* event) {
    const bool enter = isEnterKey(*event);
    const std::optional<char32_t> typed = typedCharacter(*event);
    if (!enter && !typed) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    using Action = editor::GridTyping::Action;
    const editor::GridTyping typing =
        editor::typeOnGrid(editing_.state(), editing_.document().codeplug().channels,
                           typed.value_or(0), enter, visibleEditor());
    switch (typing.action) {
        case Action::Nothing:
            break;
        case Action::FocusFrequencyEditor:
            frequencyEditor_->setFocus(Qt::OtherFocusReason);
            break;
        case Action::StartFrequency:
            frequencyEditor_->setText(qText(typing.text));
            frequencyEditor_->setFocus(Qt::OtherFocusReason);
            frequencyEditor_->setCursorPosition(static_cast<int>(frequencyEditor_->text().size()));
            // The key's release lands in the editor and writes the cell; writing it now as
            // well keeps the cell right should the release go astray.
            writeFrequency();
            break;
        case Action::StartAlias:
            aliasEditor_->setText(qText(typing.text));
            aliasEditor_->setFocus(Qt::OtherFocusReason);
            aliasEditor_->setCursorPosition(
                std::min(1, static_cast<int>(aliasEditor_->text().size())));
            writeAlias();
            break;
        case Action::CloseAliasEditor:
            returnFromAlias();
            break;
    }
}

void ChannelGrid::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int delta = event->angleDelta().y();
    const QModelIndex before = currentIndex();
    if (delta == 0 || !before.isValid()) {
        return;
    }
    const QModelIndex target = model_->index(before.row() + (delta > 0 ? -1 : 1), before.column());
    moveWithoutToggle([this, target] {
        if (target.isValid()) {
            setCurrentIndex(target);
        }
    });
}

void ChannelGrid::scrollContentsBy(int dx, int dy) {
    // The cells move away from the editors laid over them; what was typed is in the cells.
    if (dx != 0 || dy != 0) {
        hideOverlayEditors();
    }
    QTableView::scrollContentsBy(dx, dy);
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toneDropDown_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            leaveToneDropDown();
        }
    }
    return QTableView::eventFilter(watched, event);
}

void ChannelGrid::clickCell(const QModelIndex& index) {
    if (!editing_.commit()) {
        return;
    }
    if (index != currentIndex()) {
        setCurrentCellQuietly(index);
    }
    arriveAt(index);
}

void ChannelGrid::arriveAt(const QModelIndex& index) {
    hideOverlayEditors();
    clearRowSelection();
    Document& document = editing_.document();
    const int row = index.row() + 1;
    const OverlayEditor overlay = editor::arriveAt(editing_.state(), document.codeplug().channels,
                                                   document.texts(), index.column(), row);
    finishChange();
    emit arrived(row);
    const QString cell =
        qText(editor::gridCellText(document.codeplug().channels, index.column(), row));
    switch (overlay) {
        case OverlayEditor::None:
            break;
        case OverlayEditor::Frequency:
            frequencyEditor_->setText(cell);
            openEditor(frequencyEditor_, index);
            break;
        case OverlayEditor::Tone:
            // A text the list does not hold leaves the list where it was.
            if (const int item =
                    toneDropDown_->findText(cell, Qt::MatchExactly | Qt::MatchCaseSensitive);
                item >= 0) {
                toneDropDown_->setCurrentIndex(item);
            }
            openEditor(toneDropDown_, index);
            break;
        case OverlayEditor::Alias:
            aliasEditor_->setText(cell);
            openEditor(aliasEditor_, index);
            break;
    }
}

void ChannelGrid::openEditor(QWidget* overlay, const QModelIndex& index) {
    overlay->move(visualRect(index).topLeft() + kEditorOffset);
    overlay->show();
    overlay->raise();
}

OverlayEditor ChannelGrid::visibleEditor() const {
    if (!frequencyEditor_->isHidden()) {
        return OverlayEditor::Frequency;
    }
    if (!aliasEditor_->isHidden()) {
        return OverlayEditor::Alias;
    }
    return toneDropDown_->isHidden() ? OverlayEditor::None : OverlayEditor::Tone;
}

void ChannelGrid::writeFrequency() {
    editor::EditState& state = editing_.state();
    const auto field = editor::fieldOfColumn(state.editColumn);
    if (field != ChannelField::RxFreq && field != ChannelField::TxFreq) {
        return;
    }
    editing_.document().codeplug().channels.row(state.currentLine)[*field] =
        frequencyEditor_->text().toStdString();
    state.frequencyTyped = true;
    notifyChannels();
}

void ChannelGrid::writeAlias() {
    const editor::EditState& state = editing_.state();
    model::Channel& channel = editing_.document().codeplug().channels.row(state.currentLine);
    if (state.editColumn != Column::Alias || !channel.exists()) {
        return;
    }
    channel[ChannelField::Alias] = aliasEditor_->text().toStdString();
    notifyChannels();
}

void ChannelGrid::finishFrequency() {
    frequencyEditor_->hide();
    setFocus(Qt::OtherFocusReason);
    if (editing_.commit()) {
        // The editor opens again over the grid's cell with the normalised text.
        editing_.state().skipNextToggle = true;
        arriveAt(currentIndex());
    }
}

void ChannelGrid::returnFromAlias() {
    aliasEditor_->hide();
    setFocus(Qt::OtherFocusReason);
}

void ChannelGrid::leaveToneDropDown() {
    Document& document = editing_.document();
    editor::chooseTone(editing_.state(), document.codeplug().channels,
                       toneDropDown_->currentIndex(), document.texts());
    finishChange();
    toneDropDown_->hide();
}

void ChannelGrid::setCurrentCellQuietly(const QModelIndex& index) {
    quiet_ = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    quiet_ = false;
}

void ChannelGrid::notifyChannels() {
    editing_.document().notifyChannelsChanged();
}

void ChannelGrid::finishChange() {
    notifyChannels();
    editing_.document().finishStep();
}

}  // namespace hm3300::app
