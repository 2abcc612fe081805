#pragma once
// The commands on whole rows of the channel grid, from the Edit menu and the grid's context
// menu: cut, copy and paste through the clipboard, insert an empty row, delete rows. They
// act on the rows selected by their labels, or on the current channel when none is.
// Channels travel with all sixteen fields; the clipboard also carries the visible columns as
// tab-separated text for a spreadsheet. Each command commits a pending edit first and is
// one step of the document's history.

#include <QObject>
#include <vector>

namespace hm3300::app {

class ChannelEditing;
class ChannelGrid;
class ConfirmDialog;

class RowCommands : public QObject {
    Q_OBJECT

public:
    // The clipboard form that carries every field of the copied channels.
    static constexpr const char* kChannelsMimeType = "application/x-hm3300d-channels";

    RowCommands(ChannelEditing& editing, ChannelGrid& grid, ConfirmDialog& confirm,
                QObject* parent = nullptr);

    // Copies the rows, then empties them; the rows below stay where they are.
    void cut();
    void copy();
    // Writes the clipboard's channels over the current channel and the rows below, as far
    // as row 128 reaches, and selects them. A clipboard without channels is reported.
    void paste();
    // An empty row at the current channel; the rows below move down. When row 128 holds a
    // channel, which would be lost, the operator is asked first.
    void insertRow();
    // Removes the rows; the rows below move up.
    void deleteRows();

private:
    // Commits a pending edit and closes the grid's editors; false when the edit cannot be
    // finished (it is reported).
    bool begin();
    void finish();
    std::vector<int> targetRows() const;
    void copyToClipboard(const std::vector<int>& rows);

    ChannelEditing& editing_;
    ChannelGrid& grid_;
    ConfirmDialog& confirm_;
};

}  // namespace hm3300::app
