#pragma once
// Placeholder of the link-file pane's view: it holds the preview's place in the child frame and
// shows nothing. The HTML preview replaces it.
#include "platform/CView.h"

class CBrowserView : public CView {};
