#pragma once
// The channel grid: the document's 128 channels, edited through three overlay editors laid
// over the cell (a frequency field, a tone list and an alias field) and the five switch
// columns that flip on a click. Whenever the current cell changes, by a click, a key, the
// wheel or a move of the program, the cell left is committed before the cell arrived at is
// acted on (editor/grid_editing.h); a commit that fails keeps the grid where it was.
//
// Whole rows are selected by their labels (a click, Shift for a range, Ctrl to add or
// remove one) for the row commands; a label click also makes that row the current channel.
// Every column is at least as wide as its header text in the current language.

#include <QTableView>
#include <array>
#include <functional>
#include <vector>

#include "editor/grid_editing.h"

class QComboBox;

namespace hm3300::model {
struct ValueTexts;
}

namespace hm3300::app {

class CellTextEdit;
class ChannelEditing;
class ChannelGridModel;

class ChannelGrid : public QTableView {
    Q_OBJECT

public:
    ChannelGrid(ChannelEditing& editing, QWidget* parent = nullptr);

    CellTextEdit* frequencyEditor() const { return frequencyEditor_; }
    QComboBox* toneDropDown() const { return toneDropDown_; }
    CellTextEdit* aliasEditor() const { return aliasEditor_; }
    ChannelGridModel* channelModel() const { return model_; }

    // A move of the program to cell (column, row): the leave and arrive rules run when the
    // cell changes, and no switch cell flips.
    void moveToCell(int column, int row);
    // The same in the grid's current column.
    void moveToRow(int row);

    void hideOverlayEditors();
    void hideToneDropDown();
    // The frequency editor shows the cell it edits, after a command changed it.
    void showFrequencyInEditor();
    // After a command changed `currentLine` or a cell under an editor: an editor shows its
    // cell anew, and one that no longer lies over the cell it edits is hidden.
    void followCommand();

    // The tone list's entry 0 in the language of `texts`.
    void applyValueTexts(const model::ValueTexts& texts);

    // The rows selected by their labels, 1 to 128, in order.
    std::vector<int> selectedRows() const;
    // Selects rows `first` ... `first` + `count` - 1 alone.
    void selectRows(int first, int count);
    void clearRowSelection();

signals:
    // The grid arrived at a channel row: the single-channel page shows its number.
    void arrived(int row);
    // A double click on ">>".
    void channelPageRequested(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void configureLook();
    void createEditors();
    // Commits the cell left, then moves to `index` and arrives there; the current cell
    // itself too, as a click does.
    void clickCell(const QModelIndex& index);
    // A click on the label of `row`: the selection follows `modifiers` and the row becomes
    // the current channel.
    void clickLabel(int row, Qt::KeyboardModifiers modifiers);
    void fitColumnsToHeaders();
    void arriveAt(const QModelIndex& index);
    void openEditor(QWidget* editor, const QModelIndex& index);
    void typeOnGrid(QKeyEvent* event);
    void writeFrequency();
    void writeAlias();
    void finishFrequency();
    void returnFromAlias();
    void leaveToneDropDown();
    editor::OverlayEditor visibleEditor() const;
    // Runs `move` so that the switch cell it reaches does not flip.
    void moveWithoutToggle(const std::function<void()>& move);
    std::array<QWidget*, 3> overlays() const;
    void hideOverlay(QWidget* overlay);
    // Sets the current cell without running the leave and arrive rules.
    void setCurrentCellQuietly(const QModelIndex& index);
    // While a field is typed into: the views follow, the step waits for the commit.
    void notifyChannels();
    // A switch, a tone or Delete changed a channel: one step.
    void finishChange();

    ChannelEditing& editing_;
    ChannelGridModel* model_;
    CellTextEdit* frequencyEditor_ = nullptr;
    QComboBox* toneDropDown_ = nullptr;
    CellTextEdit* aliasEditor_ = nullptr;
    bool quiet_ = false;
    // The row a Shift click selects from.
    int selectionAnchor_ = 1;
};

}  // namespace hm3300::app
