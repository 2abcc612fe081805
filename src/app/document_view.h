#pragma once
// A page or dialog that shows part of the document and follows the language.

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class DocumentView {
public:
    virtual ~DocumentView() = default;

    // Relabels every control from `pack`; lists built from pack texts are rebuilt keeping
    // their selected index.
    virtual void applyLanguage(const model::LanguagePack& pack) = 0;

    // Shows the document anew after New, Open or a radio read. List positions are set
    // without running the rules that an operator's choice runs; check boxes run theirs.
    virtual void showDocument() = 0;
};

}  // namespace hm3300::app
