#pragma once
// The text pane's view: it holds the text pane's place in the child frame and shows nothing; the
// item's text is not shown or edited in it.
#include "platform/CView.h"

class CIEditView : public CView {};
