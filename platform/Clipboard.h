// The clipboard.
#pragma once

namespace platform {

// IsClipboardFormatAvailable(CF_TEXT).
bool ClipboardHasText();

}  // namespace platform
