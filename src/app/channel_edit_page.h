#pragma once
// The page "信道编辑": the five channel command buttons above the channel grid. The grid
// shows the document's 128 channels and follows every change of them.

#include <QWidget>

#include "app/caption_table.h"
#include "app/document_view.h"

class QPushButton;
class QTableView;

namespace hm3300::app {

class ChannelGridModel;
class Document;

class ChannelEditPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit ChannelEditPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    QTableView* grid() const { return grid_; }

private:
    QWidget* buildCommandRow();
    QTableView* buildGrid();

    CaptionTable captions_;
    ChannelGridModel* model_;
    QTableView* grid_;
};

}  // namespace hm3300::app
