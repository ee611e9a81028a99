#pragma once
// A window declared as data: its own entry and its controls, each with the
// settings of its kind and the handlers bound to its events. A binding's
// LoadWindow walks a form once to build the window.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "runtime/runtime.h"

namespace corvane {

using Handler = void (*)();

inline constexpr std::int32_t kClickEvent = 0;

struct EventBinding {
  std::int32_t event;
  Handler handler;
};

enum StateFlag : std::uint32_t { kVisible = 1, kTabStop = 4 };

// Colours are 0xBBGGRR, red in the low byte.
struct KindSettings {
  const char* caption = nullptr;  // UTF-8, as it reads
  bool checked = false;
  const char* content = nullptr;  // UTF-8
  std::optional<std::uint32_t> failure_colour;  // text colour of a failure shown here
  std::optional<std::uint32_t> background;
  bool shows_progress = false;  // a long operation of the window reports here
};

struct FormEntry {
  std::uint32_t id;
  TypeCode type;
  const char* name;  // UTF-8
  std::int32_t left, top, width, height;
  std::uint32_t flags;
  std::span<const EventBinding> events;
  const KindSettings* settings;  // null: the kind's defaults

  bool visible() const { return (flags & kVisible) != 0; }
  bool tab_stop() const { return (flags & kTabStop) != 0; }
  Handler HandlerFor(std::int32_t event) const {
    for (const EventBinding& binding : events)
      if (binding.event == event) return binding.handler;
    return nullptr;
  }
};

struct Form {
  std::uint32_t window_id;
  std::span<const FormEntry> entries;  // the window's own entry first
  // The keyboard's two buttons, by name: Enter in an edit box presses the
  // first; while a long operation runs, the second (like Esc) stops it.
  const char* enter_button = nullptr;
  const char* cancel_button = nullptr;
  // The control whose click asks for a file: a file dropped on the window
  // (or given at start) is chosen through it, then the enter button pressed.
  const char* file_choice = nullptr;

  constexpr const FormEntry& window() const { return entries.front(); }
  constexpr std::span<const FormEntry> controls() const { return entries.subspan(1); }

  // The control of that name; a name the form lacks does not compile where
  // the address is a constant.
  constexpr ControlAddress Address(std::string_view name) const {
    for (const FormEntry& entry : entries)
      if (std::string_view(entry.name) == name) return {window_id, entry.id, entry.type};
    throw "no control of that name in the form";
  }
  // The control's place among controls(), or -1.
  constexpr int IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < controls().size(); ++i)
      if (name == controls()[i].name) return static_cast<int>(i);
    return -1;
  }
};

}  // namespace corvane
