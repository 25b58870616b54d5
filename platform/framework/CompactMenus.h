#pragma once
// GTK's menus leave room above and below every item; the outline window's File menu, with its
// recent files, then grows taller than a 768-pixel screen and its last items hide behind a scroll
// arrow. The program's menus keep their items and text size and drop most of that room.
void UseCompactMenus();
