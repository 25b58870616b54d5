#include "platform/desktop/InputMethod.h"

struct InputContext {
  BOOL open = FALSE;
  LOGFONT font{};
};

namespace {

InputContext& ThreadContext() {
  static InputContext context;
  return context;
}

}  // namespace

HIMC ImmGetContext(wxWindow* window) { return window ? &ThreadContext() : nullptr; }

BOOL ImmReleaseContext(wxWindow* window, HIMC context) { return window && context ? TRUE : FALSE; }

BOOL ImmSetOpenStatus(HIMC context, BOOL open) {
  if (!context) return FALSE;
  context->open = open ? TRUE : FALSE;
  return TRUE;
}

BOOL ImmGetOpenStatus(HIMC context) { return context ? context->open : FALSE; }

BOOL ImmSetCompositionFont(HIMC context, const LOGFONT* font) {
  if (!context || !font) return FALSE;
  context->font = *font;
  return TRUE;
}

BOOL ImmGetCompositionFont(HIMC context, LOGFONT* font) {
  if (!context || !font) return FALSE;
  *font = context->font;
  return TRUE;
}
