#pragma once
// Placeholder of the text pane's view: it holds the text pane's place in the child frame and
// shows nothing. The text area with its editing control replaces it.
#include "platform/CView.h"

class CIEditView : public CView {};
