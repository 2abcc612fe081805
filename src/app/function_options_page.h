#pragma once
// The page "功能选项": the basic function options, with the VOX options hidden in single-head mode.

#include <QWidget>

#include "app/document_view.h"

namespace hm3300::app {

class Document;

class FunctionOptionsPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit FunctionOptionsPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    // Single-head mode hides the VOX options; the page hides them again whenever it is shown.
    void setSingleHead(bool singleHead);

signals:
    // The operator chose a squelch mode: the window caption shows the band 1 receive range.
    void bandCaptionRequested();

private:
    Document& document_;
};

}  // namespace hm3300::app
