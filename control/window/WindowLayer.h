#pragma once
// Every header of the control's window layer includes this first. Only the window library and what
// links it define the layer's mark, so a file of the headless core below it that includes a window
// header stops the build here.
#ifndef WRILA_WINDOW_LAYER
#error "a file of the control's headless core includes a header of its window layer"
#endif
