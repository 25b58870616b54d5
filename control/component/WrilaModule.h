#pragma once
// The library's own count of live objects and server locks.
#include "platform/com/ComModule.h"

ComModule& WrilaModule();
