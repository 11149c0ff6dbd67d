// The clipboard.
#pragma once

namespace platform {

// IsClipboardFormatAvailable(CF_UNICODETEXT).
bool ClipboardHasText();

}  // namespace platform
