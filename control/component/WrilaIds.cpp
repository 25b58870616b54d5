#include "control/component/WrilaInterfaces.h"

namespace {
// Every id of the library shares its last eight bytes.
constexpr GUID Wrila(std::uint32_t first) {
  return GUID{first, 0xC32F, 0x11D3, {0x8C, 0x8D, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}};
}
}  // namespace

const GUID LIBID_WRILALib = Wrila(0xE7EC5704);
const IID IID_IEdit = Wrila(0xE7EC5703);
const IID DIID__IEditEvents = Wrila(0xE7EC5705);
const IID IID_IFaceItem = Wrila(0xE7EC5706);
const IID IID_IFaceList = Wrila(0xE7EC5707);
const IID IID_IHiliteItem = Wrila(0xE7EC5708);
const IID IID_IHiliteList = Wrila(0xE7EC5709);
const IID IID_IAccelItem = Wrila(0xE7EC570A);
const IID IID_IAccelList = Wrila(0xE7EC570B);

const CLSID CLSID_Edit = Wrila(0xE7EC570C);
const CLSID CLSID_FaceItem = Wrila(0xE7EC570F);
const CLSID CLSID_FaceList = Wrila(0xE7EC5710);
const CLSID CLSID_HiliteItem = Wrila(0xE7EC5714);
const CLSID CLSID_HiliteList = Wrila(0xE7EC5715);
const CLSID CLSID_AccelItem = Wrila(0xE7EC5719);
const CLSID CLSID_AccelList = Wrila(0xE7EC571A);

const CLSID CLSID_TextPage = Wrila(0xE7EC570D);
const CLSID CLSID_MarginPage = Wrila(0xE7EC570E);
const CLSID CLSID_KinsokuPage = Wrila(0xE7EC5711);
const CLSID CLSID_FaceWrapPage = Wrila(0xE7EC5712);
const CLSID CLSID_HilitePage = Wrila(0xE7EC5713);
const CLSID CLSID_ShowPage = Wrila(0xE7EC5716);
const CLSID CLSID_ShowMarkPage = Wrila(0xE7EC5717);
const CLSID CLSID_LinkPage = Wrila(0xE7EC5718);
const CLSID CLSID_KeyboardPage = Wrila(0xE7EC571B);
const CLSID CLSID_FilePage = Wrila(0xE7EC571C);
const CLSID CLSID_DesignPage = Wrila(0xE7EC571D);
// The comment page came later and has an id of its own kind.
const CLSID CLSID_CommentPage = GUID{0x2C09AA8B, 0xC3D6, 0x11D3, {0x8C, 0x8F, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}};
