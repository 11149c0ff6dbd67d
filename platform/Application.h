// The message loop of the GUI thread, the application's title, and its end when it cannot go on.
#pragma once
#include <cstdint>
#include <string>

struct tagMSG;

namespace platform {

class Window;

// Shows `mainWindow` and handles messages until the loop is ended (Terminate, or the main window
// closed). Keys go through the key preview and the dialog keys of their window first.
void RunMessageLoop(Window& mainWindow);
// What the loop does with each message: a key goes through the key preview and the dialog keys of
// its window, and what they leave is translated (TranslateMessage) and dispatched
// (DispatchMessageW).
void Dispatch(tagMSG& message);
// Waits until `object` (a thread's handle, say; null for none) is signalled or `milliseconds` have
// passed (kForever: no limit), and meanwhile paints the thread's windows and answers the messages
// that other threads and programs send them (MsgWaitForMultipleObjects, PeekMessageW), so that the
// system never takes them for hung. Input and posted messages stay queued for the message loop, and
// a quit message is posted again. True when the object was signalled.
bool WaitAnswering(void* object, std::uint32_t milliseconds);
inline constexpr std::uint32_t kForever = 0xFFFFFFFF;
// PostQuitMessage: the message loop ends after the messages before it.
void Terminate();
// The window whose message loop runs, or null.
Window* MainWindow();

// The title that message boxes carry; the executable's name without extension until set.
const std::wstring& ApplicationTitle();
void SetApplicationTitle(const std::wstring& title);

// The end of a program that cannot go on: `text`, then the system's text for `error` unless it is
// 0, in a message box with the application title (the system's word for an error where no title
// was made yet); then ExitProcess(1). Allocates nothing: it is also the end of a failed allocation.
[[noreturn]] void EndWithMessage(const wchar_t* text, unsigned long error);

}  // namespace platform
