# Tests that cannot run on Windows or under Wine, each with its reason.
set(skips
  "app.ProgramExit|the program's exit and logo tests start it with fork() and send it keys through Xlib"
  "install|the Linux desktop install and its Debian package"
  "view.FragmentRunTest.EachPagesFragmentDrawsWhatItsWindowDraws|it builds the code window's C with the Linux compiler against a GLX harness"
  "app.CodeWindowInputTest.CtrlACtrlCAndTheCopyButtonPutTheWholeFragmentOnTheClipboard|it drives the code window with xdotool and reads the clipboard with xclip, X programs a Windows test cannot run"
  "app.CodeWindowInputTest.WheelScrollsAndUpdatesKeepThePlaceCaretAndSelection|it drives the code window with xdotool and reads the clipboard with xclip, X programs a Windows test cannot run"
  "app.CodeWindowInputTest.EscapeClosesTheCodeWindowOnlyAndF1BringsItBack|it drives the code window with xdotool and reads the clipboard with xclip, X programs a Windows test cannot run"
  "app.CodeWindowInputTest.ASwitchMarksTheLinesItChangedForAWhile|it drives the code window with xdotool and reads the clipboard with xclip, X programs a Windows test cannot run"
  "app.CodeWindowInputTest.SaveButtonAsksForANameAndWritesBothFiles|it drives the code window with xdotool and reads the clipboard with xclip, X programs a Windows test cannot run"
  "view.FragmentRunTest.TheFragmentOfAnyStateCompiles|it compiles fragments with the Linux compiler and MinGW from the Linux shell"
  "view.scaled.FrameAndLineWidth|it scales the window through GDK_SCALE, which only GTK reads"
  "LoadByName.WhatCannotBeOpenedGetsItsNameShownWithin256Bytes|Windows has no named pipes in the file system (mkfifo)"
  "pages.PageInput.MenuKeyAsksTheFocusedWindowForItsMenu|under Wine the simulated Menu key never reaches the focused window"
  "app.Sheet.TabStripAndButtonRowHaveTheDialogBackground|the native Windows tab control paints its strip in the theme's colour, which wx does not change"
  "app.StartUp.RunShowsTheSheetAndTellsLoadFailuresInNoticeBoxes|under Wine the simulated key never reaches the notice box's button"
  "LoadByName.EachLoadGivesItsOwnRecordAndLeavesNoFileOpen|it counts open descriptors in /proc/self/fd, and its narrow name is UTF-8 where Windows takes the ANSI code page"
)
foreach(skip IN LISTS skips)
  string(REPLACE "|" ";" skip "${skip}")
  list(GET skip 0 name)
  list(GET skip 1 reason)
  message("Skipped on Windows: ${name}: ${reason}")
  set_tests_properties(${name} PROPERTIES DISABLED TRUE)
endforeach()
