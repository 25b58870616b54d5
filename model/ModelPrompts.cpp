#include "model/ModelPrompts.h"

namespace {
IModelPrompts* g_prompts = nullptr;
}

void SetModelPrompts(IModelPrompts* prompts) { g_prompts = prompts; }

IModelPrompts* GetModelPrompts() { return g_prompts; }
