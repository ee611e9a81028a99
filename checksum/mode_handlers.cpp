// Choosing the input: typed text, or a file picked in the open-file dialog.

#include "checksum/controls.h"
#include "checksum/handlers.h"
#include "runtime/commands.h"

namespace corvane {

void OnTextModeClick() { WriteProperty(编辑框1, Property::Disabled, 0); }

void OnFileModeClick() {
  if (ReadProperty(单选框2, Property::Checked).integer != 1) return;
  if (!ShowOpenDialog(通用对话框1)) return;
  Owned name{ReadProperty(通用对话框1, Property::FileName).value};
  // The path shows in the input box, which no longer takes typing.
  WriteProperty(编辑框1, Property::Content, name.get());
  name.Release();
  WriteProperty(编辑框1, Property::Disabled, 1);
}

}  // namespace corvane
