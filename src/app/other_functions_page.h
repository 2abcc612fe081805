#pragma once
// The page "其它功能": the four band lists of the workstation.

#include <QWidget>

#include "app/document_view.h"

namespace hm3300::app {

class Document;

class OtherFunctionsPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit OtherFunctionsPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

signals:
    // The operator chose a band: the window caption shows the band 1 receive range.
    void bandCaptionRequested();

private:
    Document& document_;
};

}  // namespace hm3300::app
