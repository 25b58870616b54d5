#pragma once
// The pictures of the tree pickers: one per combination of an item's image bits (children, check,
// link, strike-through), in the order of the model's item image numbers, and the two tick-box
// pictures of a picker that ticks items.
#include <memory>

class wxImageList;

std::unique_ptr<wxImageList> MakeTreePickerImages();
// Picture 0 an empty box, 1 a ticked one.
std::unique_ptr<wxImageList> MakeTickImages();
