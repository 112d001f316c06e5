// The three calls the program makes into the 3-D controls library. Today's
// Windows draws 3-D dialog controls itself, so each succeeds and does nothing.
#include <windows.h>

extern "C" {
BOOL WINAPI Ctl3dRegister(HINSTANCE) { return TRUE; }
BOOL WINAPI Ctl3dUnregister(HINSTANCE) { return TRUE; }
BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE) { return TRUE; }
}
