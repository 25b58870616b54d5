#pragma once
// The child frame of an outline document. For now it holds one view that fills it; the tree and
// text panes come with their own views.
#include "platform/CMDIChildWnd.h"

class CKestaFrame : public CMDIChildWnd {};
