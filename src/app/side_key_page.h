#pragma once
// The page "侧键设定": the function of the side key.

#include <QWidget>

#include "app/caption_table.h"
#include "app/document_view.h"

namespace hm3300::app {

class Document;
class OptionBinding;

class SideKeyPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit SideKeyPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

private:
    OptionBinding* binding_;
    CaptionTable captions_;
};

}  // namespace hm3300::app
