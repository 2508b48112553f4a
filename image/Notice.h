// How the loader tells the user of a failure, without depending on a GUI:
// the application installs a handler that shows a modal box.
#pragma once

// Marks a text for the catalogue (po/); the notice handler translates it.
#ifndef N_
#define N_(text) text
#endif

// The caption of every notice the loader gives.
inline constexpr char kErrorCaption[] = N_("Error");

// caption and text are UTF-8. The handler returns when the user has dismissed it.
using NoticeHandler = void (*)(const char* caption, const char* text);

// Installs handler (nullptr: notices go to standard error). Returns the previous one.
NoticeHandler SetNoticeHandler(NoticeHandler handler);

// Shows one notice through the installed handler.
void ShowNotice(const char* caption, const char* text);
