#pragma once
// The rule for a text pasted into an edit box: it goes in whole, exactly as
// it came, line breaks included (a one-line box shows them, and the digest
// counts them); nothing is cut at a line break as a one-line edit control
// would. A text with a zero character inside cannot be held by every edit
// box, so it is not pasted at all, and the user is told why. Zeros at its
// end are the clipboard's terminator, not text.

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct PasteVerdict {
  std::optional<std::u16string> text;  // what goes in
  const char* refusal = nullptr;       // UTF-8: why nothing went in
};

PasteVerdict JudgePaste(std::u16string_view text);

}  // namespace corvane
