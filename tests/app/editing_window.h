#pragma once
// The main window as the channel editing tests drive it: clicks, keys and the wheel on the
// real grid, its command buttons and the single-channel page.

#include <QPushButton>
#include <QtTest>

#include "app/channel_edit_page.h"
#include "app/channel_grid.h"
#include "app/channel_page.h"
#include "page_test_support.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

// A window on an empty codeplug with band 1 "400-470MHz" active, shown and active so that
// the focus moves as for an operator.
class EditingWindow {
public:
    EditingWindow() : window_(folder_.start()) {
        model::Codeplug& codeplug = window_->document().codeplug();
        model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx], "400-470MHz");
        model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx1], "136-174MHz");
        window_->document().notifyReplaced();
        showActive(*window_);
    }

    MainWindow& window() { return *window_; }
    ChannelGrid& grid() { return *window_->channelEditPage()->grid(); }
    ChannelPage& page() { return *window_->channelPage(); }
    Document& document() { return window_->document(); }
    const model::ValueTexts& texts() { return window_->document().texts(); }
    model::Channel& channel(int row) { return document().codeplug().channels.row(row); }
    QString cell(int row, int column) {
        return grid().model()->index(row - 1, column).data().toString();
    }
    QPoint centre(int row, int column) {
        return grid().visualRect(grid().model()->index(row - 1, column)).center();
    }
    void click(int row, int column) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, centre(row, column));
    }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void wheel(int delta) {
        QWheelEvent event(QPointF(centre(1, 1)), grid().viewport()->mapToGlobal(centre(1, 1)), {},
                          QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid().viewport(), &event);
    }
    QPushButton* button(const char* name) {
        return window_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // A channel at `frequency` typed into the grid as an operator does.
    void typeChannel(int row, const char* frequency) {
        click(row, editor::GridColumn::RxFreq);
        typeKeys(frequency);
        key(Qt::Key_Return);
    }
    AppFolder& folder() { return folder_; }
    // Saves under `name` in the window's folder and returns the file's path.
    QString save(const QString& name = QStringLiteral("edited.p46")) {
        const QString path = folder_.file(name);
        window_->setFileDialogs({}, [path](QWidget*, const QString&) { return path; });
        window_->saveFile();
        return path;
    }

private:
    AppFolder folder_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace hm3300::app::test
