// Window subclassing that composes: any number of subclass procedures on one window, each
// passing messages on with CallNextSubclass, added and removed in any order, without
// replacing anyone else's. (The same model as comctl32's SetWindowSubclass, without loading
// comctl32, whose start-up costs more memory than the whole program.) UI thread only.
#pragma once

#include <windows.h>

namespace tw::platform {

using SubclassProc = LRESULT(CALLBACK*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);

// Adds (or, for the same procedure and id, updates the data of) a subclass; the newest one
// sees each message first.
bool AddSubclass(HWND window, SubclassProc proc, UINT_PTR id, DWORD_PTR data);
// Removes it; the window's own procedure comes back when the last one goes and nobody
// replaced the procedure since.
bool RemoveSubclass(HWND window, SubclassProc proc, UINT_PTR id);
// Passes the message to the next subclass, or to the window's own procedure.
LRESULT CallNextSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Subclass records alive now, for leak checks.
int LiveSubclassRecords();

}  // namespace tw::platform
