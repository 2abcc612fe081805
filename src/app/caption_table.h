#pragma once
// The captions a language pack relabels: each place with its text id. A place shows its
// built-in text until a pack is applied, then the pack's text without a menu accelerator
// ("功能选项(&Y)" captions a group as "功能选项"); a pack without the id leaves the caption
// empty.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <functional>
#include <type_traits>
#include <vector>

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class CaptionTable {
public:
    using Setter = std::function<void(const QString&)>;

    void add(int id, const QString& builtin, Setter setText);

    // A label, button or group box captioned by `id`; returns it for placing.
    template <typename Widget>
    Widget* add(int id, Widget* widget, const QString& builtin) {
        if constexpr (std::is_base_of_v<QGroupBox, Widget>) {
            add(id, builtin, [widget](const QString& text) { widget->setTitle(text); });
        } else {
            static_assert(std::is_base_of_v<QLabel, Widget> ||
                          std::is_base_of_v<QAbstractButton, Widget>);
            add(id, builtin, [widget](const QString& text) { widget->setText(text); });
        }
        return widget;
    }

    QLabel* label(int id, const QString& builtin) { return add(id, new QLabel, builtin); }

    void apply(const model::LanguagePack& pack) const;

private:
    struct Place {
        int id;
        Setter setText;
    };
    std::vector<Place> places_;
};

}  // namespace hm3300::app
