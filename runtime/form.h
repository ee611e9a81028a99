#pragma once
// A window declared as data: its own entry and its controls, each with the
// settings of its kind and the handlers bound to its events. A binding's
// LoadWindow walks a form once to build the window.

#include <cstdint>
#include <optional>
#include <span>

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

  const FormEntry& window() const { return entries.front(); }
  std::span<const FormEntry> controls() const { return entries.subspan(1); }
};

}  // namespace corvane
