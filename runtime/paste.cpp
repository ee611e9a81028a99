#include "runtime/paste.h"

#include "runtime/messages.h"

namespace corvane {

PasteVerdict JudgePaste(std::u16string_view text) {
  while (!text.empty() && text.back() == u'\0') text.remove_suffix(1);
  if (text.find(u'\0') != std::u16string_view::npos) return {std::nullopt, messages::kPasteHasZero};
  return {std::u16string(text), nullptr};
}

}  // namespace corvane
