#pragma once
// Where the digest the user expects comes from, in this order: a text the
// user typed or pasted into the result box; for a file, a checksum file
// beside it that lists it; a text another program put on the clipboard
// that is one digest, or one md5sum line naming the file.

#include <optional>
#include <string>

#include "runtime/verdict.h"

namespace corvane {

struct ExpectationInputs {
  std::optional<std::u16string> typed;      // the result box, when the user wrote it
  std::optional<std::u16string> clipboard;  // when another program put it there
};

std::optional<Expectation> FindExpectation(const Subject& subject, const ExpectationInputs& inputs);

}  // namespace corvane
