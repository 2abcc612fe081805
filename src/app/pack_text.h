#pragma once
// Language pack texts as the widgets use them.

#include <QString>

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

// The text `id` of `pack`; empty when the pack lacks it.
QString packText(const model::LanguagePack& pack, int id);

// A menu text reused as a caption, without its accelerator: "关于(&A)" -> "关于",
// "&About" -> "About", "A&&B" -> "A&B".
QString withoutAccelerator(const QString& text);

}  // namespace hm3300::app
