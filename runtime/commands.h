#pragma once
// The runtime's numbered commands that the program runs, each with a call
// that reads like its name. Every value handed back is the caller's.

#include "runtime/runtime.h"

namespace corvane {

inline constexpr Command kTextToBytes{Library::Core, 102};
inline constexpr Command kReadWholeFile{Library::Core, 154};
inline constexpr Command kCloseWindow{Library::Core, 216};
inline constexpr Command kShowOpenDialog{Library::Core, 233};
inline constexpr Command kDigestText{Library::DataOperations, 2};

// True when the user confirmed a file, whose path is then the dialog's file name.
inline bool ShowOpenDialog(ControlAddress dialog) {
  return RunCommand(kShowOpenDialog, {Argument::Object(dialog)}).integer != 0;
}

inline Value* TextToBytes(const Value& text) { return RunCommand(kTextToBytes, {Argument::Of(text)}).value; }

// A byte string of the whole file, or a failure that says why it cannot be read.
inline Value* ReadWholeFile(const Value& name) { return RunCommand(kReadWholeFile, {Argument::Of(name)}).value; }

// The MD5 digest as 32 lowercase hexadecimal digits, or a failure.
inline Value* DigestText(const Value& bytes) { return RunCommand(kDigestText, {Argument::Of(bytes)}).value; }

}  // namespace corvane
