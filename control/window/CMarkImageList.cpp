#include "control/window/CMarkImageList.h"

#include <wx/dc.h>

#include <iterator>

namespace {

const char* const kMarkCircle[] = {
    "16 16 3 1",
    ". c None",
    "r c #E02020",
    "k c #600000",
    "................",
    ".....kkkkkk.....",
    "....kkrrrrkk....",
    "...krrrrrrrrk...",
    "..krrrrrrrrrrk..",
    ".kkrrrrrrrrrrkk.",
    ".krrrrrrrrrrrrk.",
    ".krrrrrrrrrrrrk.",
    ".krrrrrrrrrrrrk.",
    ".krrrrrrrrrrrrk.",
    ".kkrrrrrrrrrrkk.",
    "..krrrrrrrrrrk..",
    "...krrrrrrrrk...",
    "....kkrrrrkk....",
    ".....kkkkkk.....",
    "................",
};

const char* const kMarkFlag[] = {
    "16 16 3 1",
    ". c None",
    "b c #2050E0",
    "k c #202020",
    "................",
    "...kbbbbbbbbb...",
    "...kbbbbbbbbbb..",
    "...kbbbbbbbbbb..",
    "...kbbbbbbbbb...",
    "...kbbbbbbbbb...",
    "...kbbbbbbbbbb..",
    "...kbbbbbbbbbb..",
    "...kbbbbbbbbb...",
    "...k............",
    "...k............",
    "...k............",
    "...k............",
    "...k............",
    "...k............",
    "................",
};

const char* const kMarkCheck[] = {
    "16 16 2 1",
    ". c None",
    "g c #10A010",
    "................",
    "................",
    "................",
    "..............g.",
    ".............gg.",
    "............ggg.",
    "...........ggg..",
    "..g.......ggg...",
    "..gg.....ggg....",
    "..ggg...ggg.....",
    "...ggg.ggg......",
    "....ggggg.......",
    ".....ggg........",
    "......g.........",
    "................",
    "................",
};

const char* const kMarkArrow[] = {
    "16 16 2 1",
    ". c None",
    "o c #F08000",
    "................",
    "........o.......",
    "........oo......",
    "........ooo.....",
    "........oooo....",
    "........ooooo...",
    "..oooooooooooo..",
    "..ooooooooooooo.",
    "..ooooooooooooo.",
    "..oooooooooooo..",
    "........ooooo...",
    "........oooo....",
    "........ooo.....",
    "........oo......",
    "........o.......",
    "................",
};

const char* const kMarkStar[] = {
    "16 16 2 1",
    ". c None",
    "y c #F0C000",
    "................",
    ".......y........",
    ".......y........",
    "......yyy.......",
    "......yyy.......",
    "....yyyyyyy.....",
    ".yyyyyyyyyyyyy..",
    "...yyyyyyyyy....",
    "....yyyyyyy.....",
    "....yyyyyyy.....",
    "....yyyyyyy.....",
    "....yyy.yyy.....",
    "....yy...yy.....",
    "...y.......y....",
    "................",
    "................",
};

const char* const kMarkDiamond[] = {
    "16 16 2 1",
    ". c None",
    "p c #9030C0",
    "................",
    ".......pp.......",
    "......pppp......",
    ".....pppppp.....",
    "....pppppppp....",
    "...pppppppppp...",
    "..pppppppppppp..",
    ".pppppppppppppp.",
    ".pppppppppppppp.",
    "..pppppppppppp..",
    "...pppppppppp...",
    "....pppppppp....",
    ".....pppppp.....",
    "......pppp......",
    ".......pp.......",
    "................",
};

const char* const kMarkCross[] = {
    "16 16 2 1",
    ". c None",
    "r c #D01010",
    "................",
    "................",
    "..rr........rr..",
    "...rr......rr...",
    "....rr....rr....",
    ".....rr..rr.....",
    "......rrrr......",
    ".......rr.......",
    "......rrrr......",
    ".....rr..rr.....",
    "....rr....rr....",
    "...rr......rr...",
    "..rr........rr..",
    "..r..........r..",
    "................",
    "................",
};

const char* const kMarkSquare[] = {
    "16 16 3 1",
    ". c None",
    "t c #20B0B0",
    "k c #105858",
    "................",
    "................",
    "................",
    "...kkkkkkkkkk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kttttttttk...",
    "...kkkkkkkkkk...",
    "................",
    "................",
    "................",
};

const char* const* const kPictures[] = {kMarkCircle,  kMarkFlag,  kMarkCheck, kMarkArrow,
                                        kMarkStar,    kMarkDiamond, kMarkCross, kMarkSquare};

}  // namespace

CMarkImageList::CMarkImageList() {
  m_images.reserve(std::size(kPictures));
  for (const char* const* picture : kPictures) m_images.emplace_back(picture);
}

void CMarkImageList::Draw(wxDC& dc, int index, int x, int y) const {
  if (index < 0 || index >= GetImageCount()) return;
  dc.DrawBitmap(m_images[static_cast<size_t>(index)], x, y, true);
}
