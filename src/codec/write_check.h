#pragma once
// The one answer to "can this codeplug be written to the radio": every value the encoders
// cannot represent exactly, by channel and field or by option key.

#include <string>
#include <vector>

#include "model/codeplug.h"
#include "model/message.h"
#include "model/value_texts.h"

namespace hm3300::codec {

struct WriteProblem {
    int channel = 0;    // 1-128, or 0 for a radio-wide option
    std::string field;  // "TxFreq", or an option's file key such as "Stun Code"
    model::Message message;

    // The whole problem with the field called `fieldName`: "CH012 <field>: <message>" or
    // "<field>: <message>".
    model::Message text(model::Message fieldName) const;
    // text(field) in English.
    std::string toString() const;
    bool operator==(const WriteProblem&) const = default;
};

// Empty when the codeplug can be written; `texts` are the value texts of the current
// language, the ones the channel table is expected to hold.
std::vector<WriteProblem> checkWritable(const model::Codeplug& codeplug,
                                        const model::ValueTexts& texts);

// The problems in English, one a line, in the order found: channels first, then options.
std::string formatWriteProblems(const std::vector<WriteProblem>& problems);

}  // namespace hm3300::codec
