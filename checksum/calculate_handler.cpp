// The calculation: the MD5 digest of the current input, shown in the result box.

#include "checksum/controls.h"
#include "checksum/handlers.h"
#include "runtime/commands.h"

namespace corvane {

namespace {

// Digests the input bytes and shows the digest. A failure to get the bytes
// is shown in the digest's place: a file that was never read has no digest.
void ShowDigestOf(Owned bytes) {
  if (bytes.IsFailure()) {
    WriteProperty(编辑框2, Property::Content, bytes.get());
    return;
  }
  Owned digest{DigestText(bytes.OrEmptyBytes())};
  bytes.Release();
  WriteProperty(编辑框2, Property::Content, digest.get());
  digest.Release();
}

void CalculateFile() {
  Owned name{ReadProperty(通用对话框1, Property::FileName).value};
  Owned bytes{ReadWholeFile(name.OrEmptyText())};
  name.Release();
  ShowDigestOf(std::move(bytes));
}

void CalculateText() {
  Owned text{ReadProperty(编辑框1, Property::Content).value};
  Owned bytes{TextToBytes(text.OrEmptyText())};
  text.Release();
  ShowDigestOf(std::move(bytes));
}

}  // namespace

void OnCalculateClick() {
  if (ReadProperty(单选框2, Property::Checked).integer == 1) {
    CalculateFile();
  } else {
    CalculateText();
  }
}

}  // namespace corvane
