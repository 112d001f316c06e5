// A Windows program that does nothing: the start-up benchmark's measure of what
// starting any process costs here.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
