#include "core/run_state.h"

RunState g_run;
