// How the loader tells the user of a failure, without depending on a GUI:
// the application installs a handler that words the reason and shows it.
#pragma once

#include "DibFailure.h"

// The handler returns when the user has dismissed the notice.
using NoticeHandler = void (*)(const DibFailure& failure);

// Installs handler (nullptr: notices go to standard error). Returns the previous one.
NoticeHandler SetNoticeHandler(NoticeHandler handler);

// Shows one notice through the installed handler.
void ShowNotice(const DibFailure& failure);
