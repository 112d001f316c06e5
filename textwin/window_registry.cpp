#include "textwin/window_registry.h"

WindowRegistry g_windows;
