#pragma once
// The link-file pane's view: it holds the preview's place in the child frame and shows nothing;
// no page is previewed in it.
#include "platform/CView.h"

class CBrowserView : public CView {};
