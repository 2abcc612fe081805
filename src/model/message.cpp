#include "model/message.h"

#include "model/language_pack.h"

namespace hm3300::model {

std::string Message::in(const LanguagePack& pack) const {
    if (id_ == 0) {
        return literal_;
    }
    const std::string& form = pack.text(id_);
    std::string text;
    text.reserve(form.size());
    for (std::size_t i = 0; i < form.size(); ++i) {
        const bool place =
            form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9';
        if (!place) {
            text += form[i];
            continue;
        }
        const auto argument = static_cast<std::size_t>(form[++i] - '1');
        if (argument < arguments_.size()) {
            text += arguments_[argument].in(pack);
        }
    }
    return text;
}

std::string Message::english() const {
    return in(LanguagePack::builtin(Language::English));
}

}  // namespace hm3300::model
