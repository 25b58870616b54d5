#pragma once
// The tree pane's replace of link file names, handled by the outline window's frame: the renaming
// of links belongs to the converters, which the tree pane cannot reach.
class CKestaFrame;

void BindTreeLinkCommands(CKestaFrame& frame);
