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
// Handles the thread's messages as the message loop does (Dispatch) until `object` (a thread's
// handle, say; null for none) is signalled or `milliseconds` have passed (kForever: no limit): the
// loop of a modal step whose work runs on another thread, so that the windows keep painting and
// answering and the system never takes them for hung. A quit message ends no wait; it is posted
// again at its end. True when the object was signalled.
bool DispatchUntil(void* object, std::uint32_t milliseconds);
// Removes the keys and clicks waiting in the thread's queue: what was typed or clicked while a
// window was disabled never reaches it once it is enabled again.
void DiscardInput();
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
