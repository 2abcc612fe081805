#pragma once
// Language pack texts as the widgets use them.

#include <QString>

namespace hm3300::model {
class LanguagePack;
class Message;
}  // namespace hm3300::model

namespace hm3300::app {

// The text `id` of `pack`; empty when the pack lacks it.
QString packText(const model::LanguagePack& pack, int id);

// `message` in the language of `pack`.
QString messageText(const model::Message& message, const model::LanguagePack& pack);

// A menu text reused as a caption, without its accelerator: "关于(&A)" -> "关于",
// "&About" -> "About", "A&&B" -> "A&B".
QString withoutAccelerator(const QString& text);

// The text `id` of `pack` as a window or page caption: pack texts are menu texts, so the
// accelerator goes.
QString captionText(const model::LanguagePack& pack, int id);

// The caption of every warning: WarnTitle of `pack`, or "警告" while no pack with it is
// loaded.
QString warningCaption(const model::LanguagePack& pack);

}  // namespace hm3300::app
