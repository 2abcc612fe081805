#pragma once
// The DTMF call list: the ten auto-dial numbers Call0 ... Call9 in a grid of 2 columns and
// 11 rows (a header row and a label column), edited through one overlay editor.
//
// A click on an entry lays the editor over it with the entry's text, without giving it
// the focus. The first key then typed on the list starts a new entry in that cell (the
// key, filtered as a DTMF code, becomes the editor's whole text) and the editor takes the
// focus; every key released in the editor writes its text into the entry. Enter closes
// the editor. Keys typed before any entry was clicked are ignored.

#include <QTableWidget>

#include "app/filtered_line_edit.h"
#include "model/radio_settings.h"

namespace hm3300::app {

class CallList : public QTableWidget {
    Q_OBJECT

public:
    explicit CallList(model::RadioSettings& settings, QWidget* parent = nullptr);

    FilteredLineEdit* callEditor() const { return callEditor_; }

    // Column 0 is the entry number, column 1 the auto-dial code.
    void setHeaderText(int column, const QString& text);
    // Shows the document's entries; an open editor is closed, since its text is stale.
    void showDocument();
    void hideCallEditor();
    // Enter in the editor or a PTT ID code: close the editor and return to the list.
    void returnFromEditor();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openEditorOn(int row, int column);
    void writeEditorIntoEntry();
    bool entryChosen() const { return callRow_ >= 1; }

    model::RadioSettings& settings_;
    FilteredLineEdit* callEditor_;
    // The row of the entry being edited (`CallCell`; only the code column is edited). Row 0
    // is the header, so 0 means none yet.
    int callRow_ = 0;
};

}  // namespace hm3300::app
