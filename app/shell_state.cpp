#include "app/shell_state.h"

ShellState g_shell = [] {
    ShellState shell{};
    shell.helpContext = kDefaultHelpContext;
    shell.arrangement = 1;
    return shell;
}();
