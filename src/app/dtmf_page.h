#pragma once
// The page "DTMF": inner page "系统" (timings, PTT ID, call list) and "参数" (decode, stun).

#include <QWidget>

#include "app/document_view.h"

namespace hm3300::app {

class Document;

class DtmfPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit DtmfPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    // Hides the call list editor, as New and the programming dialog do.
    void hideCallEditor();
    // Brings the inner page "系统" to the front.
    void showSystemPage();

private:
    Document& document_;
};

}  // namespace hm3300::app
