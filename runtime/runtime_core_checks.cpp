// The runtime core's checks of a shown digest: what each value handed out
// is of, what the digest on show was expected to be and whether its input
// still stands; and files dropped on the window or given at start.

#include <filesystem>
#include <utility>

#include "runtime/cp936.h"
#include "runtime/expectation.h"
#include "runtime/messages.h"
#include "runtime/runtime_core.h"
#include "runtime/unicode.h"

namespace corvane {

// What a byte string is of: the text or the file named by the argument.
Result RuntimeCore::Remember(Result result, const Argument& argument, bool file) {
  if (!result.value || result.value->IsFailure() || !argument.value) return result;
  const auto origin = origins_.find(argument.value);
  provenance_[result.value] = Provenance{Subject{file, argument.value->data(), argument.value->data().size()},
                                         origin == origins_.end() ? std::nullopt : std::optional(origin->second)};
  return result;
}

// The user's own text in an edit box takes the ordinary look: a verdict, a
// failure's colour belonged to what the program wrote there.
void RuntimeCore::Edited(ControlRef control) {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || !EntryOf(control)) return;
  if (adapter_.Text(control) != it->second.written[control.index]) {
    if (shown_ && shown_->box == control) shown_.reset();
    if (it->second.failures[control.index] || ProgressControl(control.window) == control) Undecorate(control);
    it->second.failures[control.index] = false;
  }
  RefreshStale();
}

// ---- A digest on show: what it is of, what it was expected to be

namespace {

constexpr std::uint32_t kMatchColour = 0x008000;     // green
constexpr std::uint32_t kMismatchColour = 0x0000FF;  // red
constexpr std::uint32_t kStaleColour = 0x808080;     // grey

}  // namespace

void RuntimeCore::ShowDigest(ControlRef box, const std::string& digest, const Provenance& of) {
  const std::optional<std::u16string> typed = std::exchange(typed_, std::nullopt);
  ShowText(box, digest, false);
  const std::optional<Expectation> expected =
      FindExpectation(of.subject, {typed, adapter_.ForeignClipboardText()});
  const Verdict verdict = Judge(digest, of.subject, expected);
  if (verdict.mark != Mark::None)
    adapter_.SetTextColour(box, verdict.mark == Mark::Match ? kMatchColour : kMismatchColour);
  adapter_.Decorate(box, verdict.mark, unicode::Utf8ToUtf16(verdict.description));
  const std::string input = of.origin ? ValueOf(*of.origin).value_or("") : "";
  shown_ = Shown{box, of, input, RadioChecks(box.window), verdict.description, false};
}

// What the user wrote in the result box since the program last wrote there.
std::optional<std::u16string> RuntimeCore::TypedIn(std::uint32_t window) const {
  const auto box = ProgressControl(window);
  if (!box) return std::nullopt;
  std::u16string text = adapter_.Text(*box);
  const auto& written = windows_.at(window).written;
  const auto it = written.find(box->index);
  if (text.empty() || (it != written.end() && it->second == text)) return std::nullopt;
  return text;
}

std::optional<std::string> RuntimeCore::ValueOf(const Origin& origin) const {
  const auto it = windows_.find(origin.control.window);
  if (it == windows_.end() || !adapter_.IsOpen(origin.control.window)) return std::nullopt;
  if (origin.property == Property::FileName) {
    const auto name = it->second.file_names.find(origin.control.index);
    return name == it->second.file_names.end() ? std::string() : name->second;
  }
  return cp936::FromUtf16(adapter_.Text(origin.control));
}

std::vector<bool> RuntimeCore::RadioChecks(std::uint32_t window) const {
  std::vector<bool> checks;
  const auto controls = windows_.at(window).form->controls();
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].type == TypeCode::RadioButton) checks.push_back(adapter_.Checked({window, static_cast<int>(i)}));
  return checks;
}

// A digest whose input no longer stands as it did (another text, another
// file, the other mode) shows greyed out until the next calculation.
void RuntimeCore::RefreshStale() {
  if (!shown_ || shown_->stale || !adapter_.IsOpen(shown_->box.window)) return;
  const std::string input = shown_->of.origin ? ValueOf(*shown_->of.origin).value_or("") : "";
  if (input == shown_->input && RadioChecks(shown_->box.window) == shown_->radios) return;
  shown_->stale = true;
  adapter_.SetTextColour(shown_->box, kStaleColour);
  adapter_.Decorate(shown_->box, Mark::None, unicode::Utf8ToUtf16(shown_->description + "\n" + messages::kStale));
}

// ---- Files dropped on the window, or given at start

void RuntimeCore::Dropped(std::uint32_t window, const std::vector<std::u16string>& paths) {
  if (running_ || !windows_.count(window)) return;
  if (paths.size() != 1) return ShowMessage(window, messages::kDropOneFile, true);
  std::error_code error;
  if (std::filesystem::is_directory(std::filesystem::path(paths.front()), error))
    return ShowMessage(window, messages::kDropFolder, true);
  OpenFile(window, paths.front());
}

// As the user would: choose the file through the form's file choice, with
// the dialog answered by the path, then press the enter button.
void RuntimeCore::OpenFile(std::uint32_t window, const std::u16string& path) {
  const Form& form = *windows_.at(window).form;
  const auto choice = Named(window, form.file_choice);
  const auto enter = Named(window, form.enter_button);
  if (!choice || !enter) return;
  dropped_ = path;
  Clicked(*choice);
  const bool chosen = !std::exchange(dropped_, std::nullopt);
  if (chosen && adapter_.IsOpen(window)) Clicked(*enter);
}

}  // namespace corvane
