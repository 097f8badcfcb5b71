#pragma once
// The test program doubles as the process that crashes: started with
// "--crash-child <kind> <folder> [dump type]" it installs the crash handler
// with its files in the folder, notes what the test needs to know, and
// crashes in the named way. Started with "DISPLAY_DLG" (the handler's
// restart) it notes its arguments and ends.

// Runs the child roles; returns -1 when the arguments name none of them.
int runCrashTestRole(int argc, char** argv);
