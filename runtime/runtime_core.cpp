#include "runtime/runtime_core.h"

#include <algorithm>
#include <new>
#include <system_error>
#include <utility>

#include "runtime/commands.h"
#include "runtime/cp936.h"
#include "runtime/long_digest.h"
#include "runtime/messages.h"
#include "runtime/paste.h"
#include "runtime/unicode.h"

namespace corvane {

// A long digest's view of the window: progress where the form says, the
// binding's events run between chunks, and every input blocked but a cancel.
class RuntimeCore::Pump final : public DigestPump {
 public:
  Pump(RuntimeCore& core, std::uint32_t window) : core_(core), window_(window) {}
  ~Pump() override {
    if (!began_) return;
    core_.adapter_.BlockInput(false);
    core_.digesting_ = false;
    core_.cancel_ = false;
  }
  void Begin() override {
    began_ = true;
    core_.digesting_ = true;
    core_.cancel_ = false;
    core_.adapter_.BlockInput(true);
  }
  void ShowProgress(const std::string& utf8_text) override { core_.ShowMessage(window_, utf8_text.c_str(), false); }
  bool RunEvents() override {
    core_.adapter_.RunPendingEvents();
    return !core_.cancel_ && core_.adapter_.IsOpen(window_);
  }

 private:
  RuntimeCore& core_;
  std::uint32_t window_;
  bool began_ = false;
};

RuntimeCore::RuntimeCore(std::span<const Form* const> forms, Adapter& adapter) : forms_(forms), adapter_(adapter) {
  adapter_.Attach(*this);
}

RuntimeCore::~RuntimeCore() = default;

const Form* RuntimeCore::FormFor(std::uint32_t window_id) const {
  for (const Form* form : forms_)
    if (form->window_id == window_id) return form;
  return nullptr;
}

std::optional<ControlRef> RuntimeCore::Find(std::uint32_t window, std::string_view name) const {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return std::nullopt;
  const int index = it->second.form->IndexOf(name);
  if (index < 0) return std::nullopt;
  return ControlRef{window, index};
}

std::optional<ControlRef> RuntimeCore::Named(std::uint32_t window, const char* name) const {
  return name ? Find(window, name) : std::nullopt;
}

std::optional<ControlRef> RuntimeCore::Find(ControlAddress control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end()) return std::nullopt;
  const auto controls = it->second.form->controls();
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].id == control.control) return ControlRef{control.window, static_cast<int>(i)};
  return std::nullopt;
}

const FormEntry* RuntimeCore::EntryOf(ControlRef control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || control.index < 0) return nullptr;
  const auto controls = it->second.form->controls();
  return static_cast<std::size_t>(control.index) < controls.size() ? &controls[control.index] : nullptr;
}

// The control where the window reports on a long operation and its failures.
std::optional<ControlRef> RuntimeCore::ProgressControl(std::uint32_t window) const {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return std::nullopt;
  const auto controls = it->second.form->controls();
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].settings && controls[i].settings->shows_progress) return ControlRef{window, static_cast<int>(i)};
  return std::nullopt;
}

// ---- The window's life

void RuntimeCore::LoadWindow(std::uint32_t window_id) {
  const Form* form = FormFor(window_id);
  if (!form || windows_.count(window_id)) return;
  windows_[window_id] = WindowState{form, {}, {}, {}};
  adapter_.BuildWindow(*form);
  if (const auto box = ProgressControl(window_id)) adapter_.SetHint(*box, unicode::Utf8ToUtf16(messages::kExpectedHint));
  if (!start_message_.empty()) ShowMessage(window_id, std::exchange(start_message_, {}).c_str(), start_failure_);
  if (const auto file = std::exchange(start_file_, std::nullopt)) Dropped(window_id, {*file});
}

void RuntimeCore::RunMessageLoop(std::int32_t) {
  const bool any_open =
      std::any_of(windows_.begin(), windows_.end(), [this](const auto& w) { return adapter_.IsOpen(w.first); });
  if (any_open) adapter_.RunLoop();
}

void RuntimeCore::ExitProgram(std::int32_t status) {
  if (exit_) {
    exit_(status);
  } else {
    adapter_.Exit(status);
  }
}

void RuntimeCore::CloseWindow(std::uint32_t window) {
  if (adapter_.IsOpen(window)) adapter_.CloseWindow(window);
}

// ---- What the user does

void RuntimeCore::Clicked(ControlRef control) {
  const FormEntry* entry = EntryOf(control);
  if (!entry) return;
  if (digesting_) {
    // Only the window's cancel button reaches it: it stops the digest.
    if (control == Named(control.window, windows_.at(control.window).form->cancel_button)) cancel_ = true;
    return;
  }
  if (running_) return;  // one handler at a time, each to completion
  if (entry->type == TypeCode::RadioButton) CheckInGroup(control);
  if (const Handler handler = entry->HandlerFor(kClickEvent)) Dispatch(control, handler);
}

// The radio buttons of a window form one group: the clicked one is checked
// and the others cleared, before its handler runs.
void RuntimeCore::CheckInGroup(ControlRef radio) {
  const auto controls = windows_.at(radio.window).form->controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].type != TypeCode::RadioButton) continue;
    const ControlRef other{radio.window, static_cast<int>(i)};
    adapter_.SetChecked(other, other == radio);
  }
}

bool RuntimeCore::KeyPressed(ControlRef control, Key key) {
  if (digesting_) {
    if (key == Key::Escape) cancel_ = true;
    return true;  // no key reaches a control meanwhile
  }
  const FormEntry* entry = EntryOf(control);
  if (running_ || !entry) return false;
  const bool button = entry->type == TypeCode::Button || entry->type == TypeCode::RadioButton;
  if (button && (key == Key::Enter || key == Key::Space)) {
    Clicked(control);
    return true;
  }
  if (entry->type == TypeCode::EditBox && key == Key::Enter) {
    if (const auto target = Named(control.window, windows_.at(control.window).form->enter_button)) Clicked(*target);
    return true;
  }
  return false;
}

std::optional<std::u16string> RuntimeCore::Pasted(ControlRef control, std::u16string_view text) {
  if (running_ || !EntryOf(control)) return std::nullopt;
  PasteVerdict verdict = JudgePaste(text);
  if (verdict.refusal) ShowMessage(control.window, verdict.refusal, true);
  return std::move(verdict.text);
}

void RuntimeCore::CloseRequested(std::uint32_t window) {
  if (running_) {
    // A digest stops first; the window closes once its handler is through.
    cancel_ = true;
    close_after_ = window;
    return;
  }
  CloseWindow(window);
}

void RuntimeCore::Dispatch(ControlRef control, Handler handler) {
  running_ = true;
  running_window_ = control.window;
  try {
    handler();
  } catch (const std::bad_alloc&) {
    ShowMessage(control.window, messages::kOutOfMemory, true);
  } catch (const std::system_error&) {
    ShowMessage(control.window, messages::kOutOfResources, true);
  } catch (...) {
    ShowMessage(control.window, messages::kInternalError, true);
  }
  running_ = false;
  if (const auto window = std::exchange(close_after_, std::nullopt)) CloseWindow(*window);
  RefreshStale();
}

// ---- Properties

Result RuntimeCore::ReadProperty(ControlAddress address, Property property, std::int32_t) {
  const auto control = Find(address);
  const FormEntry* entry = control ? EntryOf(*control) : nullptr;
  if (!entry) return {};
  switch (property) {
    case Property::FileName: {
      const std::string& name = windows_.at(control->window).file_names[control->index];
      if (name.empty()) return {};
      Value* value = Value::NewText(name);
      origins_[value] = {*control, property};
      return {0, value};
    }
    case Property::Checked:
      return {entry->type == TypeCode::RadioButton && adapter_.Checked(*control) ? 1 : 0, nullptr};
    case Property::Disabled:
      return {entry->type != TypeCode::CommonDialog && !adapter_.Enabled(*control) ? 1 : 0, nullptr};
    case Property::Content: {
      if (entry->type != TypeCode::EditBox) return {};
      Value* value = Value::NewText(cp936::FromUtf16(adapter_.Text(*control)));
      origins_[value] = {*control, property};
      return {0, value};
    }
  }
  return {};
}

void RuntimeCore::WriteProperty(ControlAddress address, Property property, std::int32_t, std::int32_t integer) {
  const auto control = Find(address);
  const FormEntry* entry = control ? EntryOf(*control) : nullptr;
  if (!entry || entry->type == TypeCode::CommonDialog) return;
  if (property == Property::Disabled) adapter_.SetEnabled(*control, integer == 0);
  if (property == Property::Checked && entry->type == TypeCode::RadioButton) adapter_.SetChecked(*control, integer == 1);
}

void RuntimeCore::WriteProperty(ControlAddress address, Property property, std::int32_t, const Value* text) {
  const auto control = Find(address);
  const FormEntry* entry = control ? EntryOf(*control) : nullptr;
  if (!entry || entry->type != TypeCode::EditBox || property != Property::Content) return;
  if (const auto it = provenance_.find(text); text && !text->IsFailure() && it != provenance_.end())
    return ShowDigest(*control, text->data(), it->second);
  ShowText(*control, text ? text->data() : std::string(), text && text->IsFailure());
}

// A failure shows in the control's failure colour; anything else resets it.
void RuntimeCore::ShowText(ControlRef control, const std::string& cp936, bool failure) {
  const KindSettings* settings = EntryOf(control)->settings;
  const bool alert = failure && settings && settings->failure_colour;
  WindowState& window = windows_.at(control.window);
  window.failures[control.index] = alert;
  window.written[control.index] = cp936::ToUtf16(cp936);
  if (shown_ && shown_->box == control) shown_.reset();
  adapter_.Decorate(control, Mark::None, {});
  adapter_.SetTextColour(control, alert ? settings->failure_colour : std::nullopt);
  adapter_.SetText(control, window.written[control.index]);
}

void RuntimeCore::Undecorate(ControlRef box) {
  adapter_.Decorate(box, Mark::None, {});
  adapter_.SetTextColour(box, std::nullopt);
}

void RuntimeCore::ShowMessage(std::uint32_t window, const char* utf8, bool failure) {
  if (const auto control = ProgressControl(window); control && adapter_.IsOpen(window))
    ShowText(*control, cp936::FromUtf8(utf8), failure);
}

void RuntimeCore::ReleaseValue(Value* value) {
  if (value == &EmptyText() || value == &EmptyBytes()) return;  // the constants live for the whole run
  origins_.erase(value);
  provenance_.erase(value);
  delete value;
}

// ---- Commands

bool RuntimeCore::ShowOpenDialog(ControlAddress dialog) {
  const auto control = Find(dialog);
  if (!control || EntryOf(*control)->type != TypeCode::CommonDialog) return false;
  std::string& name = windows_.at(control->window).file_names[control->index];
  const std::u16string previous = cp936::ToUtf16(name);
  const std::optional<std::u16string> chosen = dropped_ ? std::exchange(dropped_, std::nullopt)
                                               : chooser_ ? chooser_(previous)
                                                          : adapter_.AskForFile(control->window, previous);
  if (!chosen) return false;  // a cancel leaves the file name as it was
  name = cp936::FromUtf16(*chosen);
  return true;
}

// A digest's provenance is that of its bytes, with the count digested.
Value* RuntimeCore::Digest(const Value& bytes) {
  if (!running_) return DigestTextOperation(bytes);
  typed_ = TypedIn(running_window_);
  Pump pump(*this, running_window_);
  std::uint64_t digested = 0;
  Value* digest = DigestWithPump(bytes, pump, &digested);
  if (const auto it = provenance_.find(&bytes); it != provenance_.end() && digest && !digest->IsFailure()) {
    Provenance of = it->second;
    of.subject.bytes = digested;
    provenance_[digest] = of;
  }
  return digest;
}

Result RuntimeCore::RunCommand(Command command, std::span<const Argument> arguments) {
  if (command == kCloseWindow && !arguments.empty()) {
    CloseWindow(arguments[0].object.window);
    return {};
  }
  if (command == kShowOpenDialog && !arguments.empty()) return {ShowOpenDialog(arguments[0].object) ? 1 : 0, nullptr};
  if (command == kDigestText && arguments.size() == 1 && arguments[0].value) return {0, Digest(*arguments[0].value)};
  const Result result = RunDataOperation(command, arguments, open_).value_or(Result{});
  if ((command == kTextToBytes || command == kReadWholeFile) && !arguments.empty())
    return Remember(result, arguments[0], command == kReadWholeFile);
  return result;
}

}  // namespace corvane
