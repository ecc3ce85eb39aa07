#pragma once
// `Vandric.exe cancel`: finds the other copies of Vandric of this user and
// session by their main window, checks each by its process image name, and
// asks it to end a running countdown without its request.
#include <windows.h>

// Sends UM_CANCEL_COUNTDOWN to every such copy and waits for each answer (a
// hung copy is given up); the number of copies that ended their countdown.
int CancelCountingCopies();

// Whether process `pid` runs an image named "Vandric.exe" or like this
// program, in this session and as this user.
bool IsVandricOfThisUser(DWORD pid);
