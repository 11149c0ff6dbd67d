#include "platform/Clipboard.h"

#include <windows.h>

namespace platform {

bool ClipboardHasText() { return ::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

}  // namespace platform
