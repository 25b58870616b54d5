#pragma once
// The commands the user may bind to keys, with the names the key dialogs show, in the order the
// dialogs list them. The bracketed prefix names the menu that holds the command.
#include <vector>

#include "app/CAppKeyTable.h"

const std::vector<CAppKeyTable::KeyCommand>& GetCustomisableCommands();
