#include <gtest/gtest.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>

#include <fcntl.h>
#include <gtk/gtk.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/app.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/CRegKey.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ComStream.h"
#include "platform/com/ControlSite.h"
#include "platform/com/Dispatch.h"
#include "platform/com/EventSink.h"
#include "platform/com/SafeArray.h"
#include "control/component/WrilaInterfaces.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TestSupport.h"
#include "tests/component/ComponentSupport.h"

using namespace component_test;

TEST_F(ComponentTest, RegistersItsClassesAndIsCreatedByClassIdAndProgramId) {
  EXPECT_EQ(ClassesValue("Wrila.Edit\\CurVer"), "Wrila.Edit.1.2");
  EXPECT_EQ(ClassesValue("Wrila.Edit"), "Edit Class");
  const std::string clsid = GuidToString(kEdit);
  EXPECT_EQ(ClassesValue(("CLSID\\" + clsid + "\\MiscStatus\\1").c_str()), "131473");
  EXPECT_EQ(ClassesValue(("CLSID\\" + clsid + "\\Version").c_str()), "1.1");
  EXPECT_EQ(ClassesValue(("CLSID\\" + clsid + "\\InprocServer32").c_str(), "ThreadingModel"), "Apartment");
  EXPECT_EQ(ClassesValue(("CLSID\\" + clsid + "\\VersionIndependentProgID").c_str()), "Wrila.Edit");

  CLSID byName;
  ASSERT_EQ(CLSIDFromProgID(u"Wrila.Edit", &byName), S_OK);
  EXPECT_EQ(byName, kEdit);
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  edit->Release();

  ASSERT_EQ(UnregisterServerLibrary(KESTA_WRILA12), S_OK);
  EXPECT_EQ(ClassesValue("Wrila.Edit"), "(missing)");
  EXPECT_EQ(ClassesValue(("CLSID\\" + clsid).c_str()), "(missing)");
  EXPECT_EQ(CLSIDFromProgID(u"Wrila.Edit", &byName), CO_E_CLASSSTRING);
}

TEST_F(ComponentTest, MarkerKeysAreBareAsARegistrationScriptMakesThem) {
  const CString edit = CString("CLSID\\") + GuidToString(kEdit).c_str();
  EXPECT_EQ(ClassesValue(edit + "\\Control"), "(no value)");
  EXPECT_EQ(ClassesValue(edit + "\\Insertable"), "(no value)");
  CRegKey classes;
  ASSERT_EQ(classes.Open(HKEY_CLASSES_ROOT, "CLSID", KEY_READ), ERROR_SUCCESS);
  int programmable = 0;
  char name[128];
  DWORD length = sizeof name;
  for (DWORD i = 0; classes.EnumKey(i, name, &length) == ERROR_SUCCESS; ++i, length = sizeof name) {
    const CString key = CString("CLSID\\") + name + "\\Programmable";
    const CString value = ClassesValue(key);
    if (value == "(missing)") continue;
    ++programmable;
    EXPECT_EQ(value, "(no value)") << name;
  }
  EXPECT_GE(programmable, 19);  // every class of the library
}

TEST_F(ComponentTest, EveryMemberNameAnswersAndPropertiesComeWithTheirTypes) {
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  struct Case {
    const char16_t* name;
    DISPID id;
    VARTYPE vt;
  };
  const Case cases[] = {{u"ReadOnly", 0x01, VT_BOOL},   {u"WrapMode", 0x16, VT_I2},     {u"MarginNormal", 0x17, VT_I4},
                        {u"Prefix", 0x1E, VT_BSTR},     {u"TextColors", 0x51, VT_ARRAY | VT_I4},
                        {u"Underlines", 0x53, VT_ARRAY | VT_BOOL},                      {u"AccelList", 0x56, VT_UNKNOWN},
                        {u"FontSize", 0x84, VT_CY},     {u"Text", -0x205, VT_BSTR},     {u"Appearance", -0x208, VT_I2},
                        {u"ScrollBars", 0x76, VT_I2},   {u"PropPages", 0x6C, VT_I4},    {u"kanaurl", 0x93, VT_BOOL}};
  for (const Case& c : cases) {
    LPOLESTR name = const_cast<LPOLESTR>(c.name);
    DISPID id = 0;
    ASSERT_EQ(edit->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, c.id);
    HRESULT hr = E_FAIL;
    EXPECT_EQ(Get(edit, id, &hr).vt, c.vt);
    EXPECT_EQ(hr, S_OK);
  }
  EXPECT_EQ(Get(edit, 0x76).iVal, 3);
  edit->Release();
}

TEST_F(ComponentTest, PutsClampAsTheControlAllows) {
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ASSERT_EQ(Put(edit, 0x19, Short(20)), S_OK);
  EXPECT_EQ(Get(edit, 0x19).iVal, 16);
  ASSERT_EQ(Put(edit, 0x16, Short(7)), S_OK);
  EXPECT_EQ(Get(edit, 0x16).iVal, 2);
  ASSERT_EQ(Put(edit, 0x1A, Short(99)), S_OK);
  EXPECT_EQ(Get(edit, 0x1A).iVal, 30);
  ASSERT_EQ(Put(edit, 0x17, Long(3)), S_OK);  // the margin stops at 8 and pulls the TAB width down
  EXPECT_EQ(Get(edit, 0x17).lVal, 8);
  EXPECT_EQ(Get(edit, 0x19).iVal, 8);
  ASSERT_EQ(Put(edit, 0x1C, Text(u"<>")), S_OK);
  EXPECT_EQ(std::u16string(BstrView(Get(edit, 0x1C).bstrVal)), u"<");

  // 10.5 points: the negated pixel height at the screen's resolution.
  CComVariant size;
  size.vt = VT_CY;
  size.cyVal.int64 = 105000;
  ASSERT_EQ(Put(edit, 0x84, size), S_OK);
  const int ppi = wxScreenDC().GetPPI().y;
  // Height -(10.5 * ppi / 72) rounded, which reads back as the points it stands for.
  const std::int64_t height = -((static_cast<std::int64_t>(105000) * ppi / 72000 + 5) / 10);
  EXPECT_EQ(Get(edit, 0x84).cyVal.int64, -height * 720000 / ppi);

  // An array with bounds 5..6 changes roles 5 and 6 of its own table only (text colours 0x51,
  // background colours 0x52); a plain number is refused.
  for (const DISPID id : {DISPID{0x51}, DISPID{0x52}}) {
    const DISPID other = id == 0x51 ? 0x52 : 0x51;
    const CComVariant before = Get(edit, id), otherBefore = Get(edit, other);
    SAFEARRAYBOUND bound = {2, 5};
    CComVariant colours;
    colours.vt = VT_ARRAY | VT_I4;
    colours.parray = SafeArrayCreate(VT_I4, 1, &bound);
    for (LONG i = 5; i <= 6; ++i) {
      const LONG value = 0x123456 + i;
      SafeArrayPutElement(colours.parray, &i, &value);
    }
    ASSERT_EQ(Put(edit, id, colours), S_OK);
    const CComVariant after = Get(edit, id), otherAfter = Get(edit, other);
    for (LONG i = 0; i < 15; ++i) {
      LONG was = 0, now = 0, otherWas = 0, otherNow = 0;
      SafeArrayGetElement(before.parray, &i, &was);
      SafeArrayGetElement(after.parray, &i, &now);
      SafeArrayGetElement(otherBefore.parray, &i, &otherWas);
      SafeArrayGetElement(otherAfter.parray, &i, &otherNow);
      EXPECT_EQ(now, (i == 5 || i == 6) ? 0x123456 + i : was) << id << " " << i;
      EXPECT_EQ(otherNow, otherWas) << id << " " << i;
    }
  }
  EXPECT_EQ(Put(edit, 0x51, Long(1)), E_INVALIDARG);
  edit->Release();
}

// Numbers past what the control draws with are held to its limits, so the active control still
// makes its fonts and paints (a font a million pixels high stops the toolkit in an assertion, a
// comment role past the five highlight roles reads past the colour table).
TEST_F(ComponentTest, PutsOutOfRangeLeaveADrawableControl) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    ASSERT_EQ(Put(edit, -0x205, Text(u"a /* comment */ b")), S_OK);
    ASSERT_EQ(Put(edit, 0x90, Text(u"/*")), S_OK);
    ASSERT_EQ(Put(edit, 0x91, Text(u"*/")), S_OK);
    ASSERT_EQ(Put(edit, 0x8F, Short(9)), S_OK);
    EXPECT_EQ(Get(edit, 0x8F).iVal, 4);
    ASSERT_EQ(Put(edit, 0x8F, Short(-9)), S_OK);
    EXPECT_EQ(Get(edit, 0x8F).iVal, -1);
    ASSERT_EQ(Put(edit, 0x8F, Short(2)), S_OK);
    ASSERT_EQ(Put(edit, 0x17, Long(0x7FFFFFFF)), S_OK);
    EXPECT_EQ(Get(edit, 0x17).lVal, 100000);
    const int ppi = wxScreenDC().GetPPI().y;
    // The largest height, 500 pixels, whichever way the size is too large: as points (above 0) or
    // as a raw height (0 or below).
    for (const std::int64_t size : {INT64_C(-300000000000000), INT64_C(30000000000), INT64_C(2147483647)}) {
      CComVariant font;
      font.vt = VT_CY;
      font.cyVal.int64 = size;
      ASSERT_EQ(Put(edit, 0x84, font), S_OK);
      EXPECT_EQ(Get(edit, 0x84).cyVal.int64, 500 * 720000 / ppi) << size;
      active.Window()->Refresh();
      active.Window()->Update();
    }
  }
  edit->Release();
}

TEST_F(ComponentTest, KeyBindingsComeSortedWithoutDuplicatesAndGoBack) {
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  const CComVariant list = Get(edit, 0x56);
  ASSERT_EQ(list.vt, VT_UNKNOWN);
  IDispatch* keys = nullptr;
  ASSERT_EQ(list.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&keys)), S_OK);
  const LONG count = Get(keys, 2).lVal;
  ASSERT_GT(count, 10);
  std::int64_t previous = -1;
  for (LONG i = 1; i <= count; ++i) {
    CComVariant item;
    ASSERT_EQ(Call(keys, 0, {Long(i)}, &item), S_OK);
    const auto flags = static_cast<std::uint16_t>(Get(item.pdispVal, 1).iVal);
    const auto key = static_cast<std::uint16_t>(Get(item.pdispVal, 2).iVal);
    const std::int64_t sortKey = (std::int64_t{key} << 16) | flags;
    EXPECT_GT(sortKey, previous);
    previous = sortKey;
  }
  CComVariant none;
  EXPECT_EQ(Call(keys, 0, {Long(0)}, &none), E_INVALIDARG);
  // Put back and read again: the same list.
  ASSERT_EQ(Put(edit, 0x56, list), S_OK);
  const CComVariant again = Get(edit, 0x56);
  IDispatch* keys2 = nullptr;
  ASSERT_EQ(again.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&keys2)), S_OK);
  EXPECT_EQ(Get(keys2, 2).lVal, count);
  keys2->Release();
  keys->Release();
  edit->Release();
}

TEST_F(ComponentTest, ActiveControlAnswersCommandsAndSendsEventsInOrder) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  IInPlaceControl* inPlace = nullptr;
  ASSERT_EQ(edit->QueryInterface(IID_IInPlaceControl, reinterpret_cast<void**>(&inPlace)), S_OK);
  auto* frame = new wxFrame(nullptr, wxID_ANY, "host", wxDefaultPosition, wxSize(400, 300));
  auto* site = new TestSite;
  inPlace->SetControlSite(site);
  ASSERT_EQ(inPlace->InPlaceActivate(frame, RECT{0, 0, 400, 300}), S_OK);

  std::vector<std::pair<DISPID, LONG>> events;
  auto* sink = new EventSink(kEvents, [&](DISPID id, std::span<const VARIANT> args) {
    events.emplace_back(id, args.empty() || args[0].vt != VT_I4 ? 0 : args[0].lVal);
  });
  ASSERT_EQ(sink->Connect(edit), S_OK);
  ASSERT_EQ(Call(edit, 0x5A, {Long(0x225)}), S_OK);
  ASSERT_EQ(Put(edit, 0x73, Text(u"ab")), S_OK);  // SelText: the first edit
  ASSERT_FALSE(events.empty());
  for (const auto& event : events) EXPECT_NE(event.first, 7);  // no OnModified without its bit
  EXPECT_NE(std::find(events.begin(), events.end(), std::make_pair(DISPID{10}, LONG{0})), events.end());

  // Every event the mask asks for, in order, with its argument.
  events.clear();
  ASSERT_EQ(Call(edit, 0x5A, {Long(0x3FF)}), S_OK);
  ASSERT_EQ(Put(edit, 0x57, Bool(false)), S_OK);
  events.clear();
  ASSERT_EQ(Put(edit, 0x73, Text(u"c")), S_OK);
  std::vector<DISPID> modifiedAndChange;
  for (const auto& event : events)
    if (event.first == 7 || event.first == 10) modifiedAndChange.push_back(event.first);
  ASSERT_GE(modifiedAndChange.size(), 2u);
  EXPECT_EQ(modifiedAndChange[0], 7);
  EXPECT_EQ(modifiedAndChange[1], 10);
  EXPECT_EQ(events.front().second, 1);  // OnModified(1)

  CComVariant status;
  EXPECT_EQ(Call(edit, 0x6E, {Long(0x800E)}, &status), S_OK);
  EXPECT_EQ(status.iVal, 3);
  ASSERT_EQ(Call(edit, 0x69, {Long(0x800E)}), S_OK);
  EXPECT_EQ(Call(edit, 0x6E, {Long(0x800E)}, &status), S_OK);
  EXPECT_EQ(status.iVal, 7);
  EXPECT_EQ(Call(edit, 0x6E, {Long(0x1234)}, &status), S_FALSE);
  EXPECT_EQ(status.iVal, 0);

  // The menu key with the caret on a mail address.
  ASSERT_EQ(Put(edit, -0x205, Text(u"mail me: someone@example.com")), S_OK);
  ASSERT_EQ(Call(edit, 0x5A, {Long(0x1)}), S_OK);
  ASSERT_EQ(Call(edit, 0x70, {Bool(true), Long(0), Long(12)}), S_OK);
  std::vector<std::u16string> links;
  std::vector<std::pair<LONG, LONG>> points;
  sink->Disconnect();
  sink->Release();
  auto* menuSink = new EventSink(kEvents, [&](DISPID id, std::span<const VARIANT> args) {
    if (id != 3 || args.size() != 3) return;
    points.emplace_back(args[0].lVal, args[1].lVal);
    links.emplace_back(args[2].bstrVal ? std::u16string(BstrView(args[2].bstrVal)) : u"(none)");
  });
  ASSERT_EQ(menuSink->Connect(edit), S_OK);
  wxWindow* window = nullptr;
  ASSERT_EQ(inPlace->GetControlWindow(&window), S_OK);
  wxContextMenuEvent menuKey(wxEVT_CONTEXT_MENU, window->GetId(), wxDefaultPosition);
  menuKey.SetEventObject(window);
  window->GetEventHandler()->ProcessEvent(menuKey);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0], std::make_pair(LONG{-1}, LONG{-1}));
  EXPECT_EQ(links[0], u"someone@example.com");
  menuSink->Disconnect();
  menuSink->Release();

  inPlace->InPlaceDeactivate();
  inPlace->SetControlSite(nullptr);
  inPlace->Release();
  site->Release();
  edit->Release();
  frame->Destroy();
}

TEST_F(ComponentTest, StreamStartsWithVersionAndExtentAndRestoresEveryProperty) {
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  IPersistStreamInit* persist = nullptr;
  ASSERT_EQ(edit->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)), S_OK);
  IStream* fresh = nullptr;
  ASSERT_EQ(CreateMemoryStream({}, &fresh), S_OK);
  ASSERT_EQ(persist->Save(fresh, TRUE), S_OK);
  std::vector<BYTE> bytes;
  ASSERT_EQ(ReadWholeStream(fresh, &bytes), S_OK);
  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes[0], 0x00);
  EXPECT_EQ(bytes[1], 0x03);
  // After the version and the two extents: Appearance as VT_I2 1, BorderStyle as VT_I4 0.
  EXPECT_EQ(bytes[12], VT_I2);
  EXPECT_EQ(bytes[14], 1);
  EXPECT_EQ(bytes[16], VT_I4);
  fresh->Release();

  // Change a property of each kind, save, load into a fresh control: the same stream again.
  ASSERT_EQ(Put(edit, 0x02, Bool(false)), S_OK);
  ASSERT_EQ(Put(edit, 0x17, Long(60)), S_OK);
  ASSERT_EQ(Put(edit, 0x1E, Text(u"| ")), S_OK);
  ASSERT_EQ(Put(edit, 0x6A, Text(u"Host")), S_OK);
  ASSERT_EQ(Put(edit, -0x205, Text(u"text in the stream")), S_OK);
  IStream* saved = nullptr;
  ASSERT_EQ(CreateMemoryStream({}, &saved), S_OK);
  ASSERT_EQ(persist->Save(saved, TRUE), S_OK);
  std::vector<BYTE> first;
  ASSERT_EQ(ReadWholeStream(saved, &first), S_OK);
  saved->Seek(0, STREAM_SEEK_SET, nullptr);

  IDispatch* other = CreateEdit();
  IPersistStreamInit* otherPersist = nullptr;
  ASSERT_EQ(other->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&otherPersist)), S_OK);
  ASSERT_EQ(otherPersist->Load(saved), S_OK);
  IStream* again = nullptr;
  ASSERT_EQ(CreateMemoryStream({}, &again), S_OK);
  ASSERT_EQ(otherPersist->Save(again, TRUE), S_OK);
  std::vector<BYTE> second;
  ASSERT_EQ(ReadWholeStream(again, &second), S_OK);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Get(other, 0x17).lVal, 60);
  EXPECT_EQ(std::u16string(BstrView(Get(other, 0x6A).bstrVal)), u"Host");
  again->Release();
  saved->Release();
  otherPersist->Release();
  other->Release();
  persist->Release();
  edit->Release();
}

namespace {

// A method whose last two arguments are numbers it gives back, as the position members are.
std::pair<LONG, LONG> TwoOut(IDispatch* edit, DISPID id, std::vector<CComVariant> in, HRESULT* hr = nullptr) {
  LONG outFirst = -99, outSecond = -99;
  CComVariant a, b;
  a.vt = b.vt = VT_BYREF | VT_I4;
  a.plVal = &outFirst;
  b.plVal = &outSecond;
  in.push_back(a);
  in.push_back(b);
  const HRESULT status = Call(edit, id, in);
  if (hr) *hr = status;
  a.vt = b.vt = VT_EMPTY;  // the references are the test's own
  for (CComVariant& arg : in)
    if (arg.vt & VT_BYREF) arg.vt = VT_EMPTY;
  return {outFirst, outSecond};
}
std::pair<LONG, LONG> TwoOut(IDispatch* edit, DISPID id, LONG first, LONG second) {
  return TwoOut(edit, id, {Long(first), Long(second)});
}
std::pair<LONG, LONG> CaretPos(IDispatch* edit, bool logical) { return TwoOut(edit, 0x6F, {Bool(logical)}); }
LONG LongResult(IDispatch* edit, DISPID id, std::vector<CComVariant> args) {
  CComVariant result;
  EXPECT_EQ(Call(edit, id, std::move(args), &result), S_OK);
  return result.vt == VT_I4 ? result.lVal : -99;
}

}  // namespace

TEST_F(ComponentTest, PositionMembersConvertBetweenSerialLinesRowsAndPixels) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    // Without a window there are no pixels to give.
    EXPECT_EQ(TwoOut(edit, 0x89, 1, 2), std::make_pair(LONG{0}, LONG{0}));
    ActiveEdit active(edit);
    // Lines start at serial 0, 5 and 13: each CR LF counts 2, each double-byte character 2.
    ASSERT_EQ(Put(edit, -0x205, Text(u"abc\r\n\u3042\u3044\u3046\r\nxyz")), S_OK);
    EXPECT_EQ(LongResult(edit, 0x7E, {Bool(true), Long(7)}), 1);
    EXPECT_EQ(LongResult(edit, 0x7E, {Bool(false), Long(13)}), 2);
    EXPECT_EQ(LongResult(edit, 0x7E, {Bool(true), Long(999)}), 2);
    EXPECT_EQ(LongResult(edit, 0x7F, {Bool(true), Long(2)}), 13);
    EXPECT_EQ(LongResult(edit, 0x7F, {Bool(false), Long(1)}), 5);

    // The caret snaps to a whole character and stays inside the text.
    struct Snap {
      bool logical;
      LONG v, h;
      std::pair<LONG, LONG> logicalAt;
    };
    const Snap snaps[] = {{true, 1, 3, {1, 2}},    // inside the second of three double-byte characters
                          {false, 1, 5, {1, 4}},   // view column on the trail byte of the third
                          {true, 9, 99, {2, 3}},   // past the last line and its end
                          {false, 0, 50, {0, 3}}};
    for (const Snap& s : snaps) {
      ASSERT_EQ(Call(edit, 0x70, {Bool(s.logical), Long(s.v), Long(s.h)}), S_OK);
      EXPECT_EQ(CaretPos(edit, true), s.logicalAt) << s.v << "," << s.h;
    }
    EXPECT_EQ(Call(edit, 0x70, {Bool(true), Long(-1), Long(0)}), static_cast<HRESULT>(0x800A017C));

    // -1: the caret's line; LineIndex gives the start of its logical line either way.
    ASSERT_EQ(Call(edit, 0x70, {Bool(true), Long(2), Long(1)}), S_OK);
    EXPECT_EQ(LongResult(edit, 0x7E, {Bool(true), Long(-1)}), 2);
    EXPECT_EQ(LongResult(edit, 0x7F, {Bool(true), Long(-1)}), 13);
    EXPECT_EQ(LongResult(edit, 0x7F, {Bool(false), Long(-1)}), 13);

    // Pixels and back; a point on a trail byte hits the character's first column.
    const auto [y, x] = TwoOut(edit, 0x89, 1, 2);
    EXPECT_EQ(TwoOut(edit, 0x88, y + 1, x + 1), std::make_pair(LONG{1}, LONG{2}));
    const auto [y3, x3] = TwoOut(edit, 0x89, 1, 3);
    EXPECT_GT(x3, x);
    EXPECT_EQ(TwoOut(edit, 0x88, y3 + 1, x3 + 1), std::make_pair(LONG{1}, LONG{2}));

    // Line colours: both members answer, in range or not.
    EXPECT_EQ(Call(edit, 0x77, {Long(0), Long(1), Long(0xFF), Long(0xFF00), Bool(true)}), S_OK);
    EXPECT_EQ(Call(edit, 0x79, {Long(0), Long(99)}), S_OK);
    EXPECT_EQ(Call(edit, 0x79, {Long(5), Long(2)}), S_OK);
  }
  edit->Release();
}

TEST_F(ComponentTest, ModifiedFalseIsTheSavePointForUndoAndRedo) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    ASSERT_EQ(Put(edit, -0x205, Text(u"abc")), S_OK);
    ASSERT_EQ(Put(edit, 0x57, Bool(false)), S_OK);
    ASSERT_EQ(Put(edit, 0x73, Text(u"x")), S_OK);
    EXPECT_EQ(Get(edit, 0x57).boolVal, 1);
    ASSERT_EQ(Put(edit, 0x57, Bool(false)), S_OK);  // the host saved "xabc"
    // Undoing the saved edit leaves text that differs from the saved one; redoing it comes back.
    ASSERT_EQ(Call(edit, 0x69, {Long(0xE12B)}), S_OK);
    EXPECT_EQ(std::u16string(BstrView(Get(edit, -0x205).bstrVal)), u"abc");
    EXPECT_EQ(Get(edit, 0x57).boolVal, 1);
    ASSERT_EQ(Call(edit, 0x69, {Long(0xE12C)}), S_OK);
    EXPECT_EQ(std::u16string(BstrView(Get(edit, -0x205).bstrVal)), u"xabc");
    EXPECT_EQ(Get(edit, 0x57).boolVal, 0);
  }
  edit->Release();
}

TEST_F(ComponentTest, GetLineTextKeepsEachLinesOwnEnd) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    ASSERT_EQ(Put(edit, -0x205, Text(u"one\rtwo\nthree\r\nfour")), S_OK);
    struct Case {
      bool logical;
      LONG y;
      bool withEnd;
      const char16_t* text;
    };
    const Case cases[] = {{true, 0, true, u"one\r"},  {true, 1, true, u"two\n"}, {true, 2, true, u"three\r\n"},
                          {true, 3, true, u"four"},   {true, 0, false, u"one"},  {false, 1, true, u"two"},
                          {false, 2, true, u"three"}, {true, 4, true, u""},      {false, -1, true, u""}};
    for (const Case& c : cases) {
      CComVariant result;
      ASSERT_EQ(Call(edit, 0x78, {Bool(c.logical), Long(c.y), Bool(c.withEnd)}, &result), S_OK);
      ASSERT_EQ(result.vt, VT_BSTR);
      EXPECT_EQ(std::u16string(BstrView(result.bstrVal)), c.text) << c.logical << "," << c.y << "," << c.withEnd;
    }
  }
  edit->Release();
}

TEST_F(ComponentTest, DualInterfaceTableReachesTheSameMembersAsTheDispatch) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* dispatch = CreateEdit();
  ASSERT_TRUE(dispatch);
  IEdit* edit = nullptr;
  ASSERT_EQ(dispatch->QueryInterface(WrilaId(0xE7EC5703), reinterpret_cast<void**>(&edit)), S_OK);
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(dispatch);
    BSTR text = SysAllocString(u"one\r\ntwo");
    ASSERT_EQ(edit->put_Text(text), S_OK);
    SysFreeString(text);
    BSTR back = nullptr;
    ASSERT_EQ(edit->get_Text(&back), S_OK);
    EXPECT_EQ(std::u16string(BstrView(back)), u"one\r\ntwo");
    SysFreeString(back);

    // Puts clamp as by dispatch id, and both ways read the same value.
    short tab = 0;
    ASSERT_EQ(edit->put_TabSpace(99), S_OK);
    ASSERT_EQ(edit->get_TabSpace(&tab), S_OK);
    EXPECT_EQ(tab, 16);
    EXPECT_EQ(Get(dispatch, 0x19).iVal, 16);
    VARIANT_BOOL readOnly = 0;
    ASSERT_EQ(edit->put_ReadOnly(VARIANT_TRUE), S_OK);
    ASSERT_EQ(edit->get_ReadOnly(&readOnly), S_OK);
    EXPECT_EQ(readOnly, VARIANT_TRUE);
    ASSERT_EQ(edit->put_ReadOnly(VARIANT_FALSE), S_OK);

    // Methods: in arguments, out arguments and results.
    LONG lines = 0, serial = 0, v = -1, h = -1;
    ASSERT_EQ(edit->GetLines(VARIANT_TRUE, &lines), S_OK);
    EXPECT_EQ(lines, 2);
    ASSERT_EQ(edit->LogicalToSerial(1, 2, &serial), S_OK);
    EXPECT_EQ(serial, 7);
    ASSERT_EQ(edit->SetCaretPos(VARIANT_TRUE, 1, 2), S_OK);
    ASSERT_EQ(edit->GetCaretPos(VARIANT_TRUE, &v, &h), S_OK);
    EXPECT_EQ(std::make_pair(v, h), std::make_pair(LONG{1}, LONG{2}));
    BSTR line = nullptr;
    ASSERT_EQ(edit->GetLineText(VARIANT_TRUE, 0, VARIANT_TRUE, &line), S_OK);
    EXPECT_EQ(std::u16string(BstrView(line)), u"one\r\n");
    SysFreeString(line);
    short status = -1;
    EXPECT_EQ(edit->QueryStatus(0x1234, &status), S_FALSE);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(edit->GetCaretPos(VARIANT_TRUE, nullptr, &h), E_POINTER);
    LONG margin = 0;
    ASSERT_EQ(edit->get_Margin(&margin), S_OK);
    EXPECT_GT(margin, 0);

    // The order of the table as a host compiled against another copy of it sees it: after IDispatch's
    // seven, the stock properties put before get, then by dispatch id, get before put.
    using GetBool = HRESULT (*)(IEdit*, VARIANT_BOOL*);
    void** table = *reinterpret_cast<void***>(edit);
    VARIANT_BOOL kana = 0;
    ASSERT_EQ(edit->put_KanaUrl(VARIANT_TRUE), S_OK);
    ASSERT_EQ(reinterpret_cast<GetBool>(table[7 + 166 - 2])(edit, &kana), S_OK);  // get_KanaUrl
    EXPECT_EQ(kana, VARIANT_TRUE);
    ASSERT_EQ(reinterpret_cast<GetBool>(table[7 + 6])(edit, &readOnly), S_OK);  // get_ReadOnly
    EXPECT_EQ(readOnly, VARIANT_FALSE);
  }
  edit->Release();
  dispatch->Release();
}

TEST_F(ComponentTest, SetScrollPosGoesAsFarAsTheScrollRange) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    std::u16string text;
    for (int i = 0; i < 100; ++i) text += u"line\r\n";
    ASSERT_EQ(Put(edit, -0x205, Text(text.c_str())), S_OK);  // 101 rows, the last one empty
    struct Case {
      LONG v, h;
      std::pair<LONG, LONG> shown;
    };
    // The last row may stand at the top; no column is wider than a window.
    const Case cases[] = {{100, 0, {100, 0}}, {500, 0, {100, 0}}, {3, 40, {3, 0}}};
    for (const Case& c : cases) {
      ASSERT_EQ(Call(edit, 0x72, {Long(c.v), Long(c.h)}), S_OK);
      EXPECT_EQ(TwoOut(edit, 0x71, {}), c.shown) << c.v;
    }
    EXPECT_EQ(Call(edit, 0x72, {Long(-1), Long(0)}), static_cast<HRESULT>(0x800A017C));
  }
  edit->Release();
}

TEST_F(ComponentTest, InputMethodCommitIsOneEditAndReadOnlyDetachesIt) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    wxWindow* window = active.Window();
    ASSERT_TRUE(window->m_imContext);
    const auto commit = [&](const char8_t* text) {
      g_signal_emit_by_name(window->m_imContext, "commit", reinterpret_cast<const char*>(text));
      wxTheApp->ProcessPendingEvents();  // the commit is posted to the control
    };
    const auto text = [&] { return std::u16string(BstrView(Get(edit, -0x205).bstrVal)); };
    ASSERT_EQ(Put(edit, -0x205, Text(u"abcdef")), S_OK);
    ASSERT_EQ(Put(edit, 0x0B, Bool(true)), S_OK);  // overwrite
    ASSERT_EQ(Call(edit, 0x70, {Bool(true), Long(0), Long(1)}), S_OK);
    commit(u8"\u65e5\u672c\u8a9e");  // three characters replace the next three
    EXPECT_EQ(text(), u"a\u65e5\u672c\u8a9eef");
    ASSERT_EQ(Call(edit, 0x69, {Long(0xE12B)}), S_OK);  // one undo takes it all back
    EXPECT_EQ(text(), u"abcdef");
    ASSERT_EQ(Call(edit, 0x70, {Bool(true), Long(0), Long(5)}), S_OK);
    commit(u8"xyz");  // at the line's end only what is there is replaced
    EXPECT_EQ(text(), u"abcdexyz");

    // Read-only: the toolkit hands keys to no input method until writing is allowed again.
    GtkIMContext* context = window->m_imContext;
    ASSERT_EQ(Put(edit, 0x01, Bool(true)), S_OK);
    EXPECT_EQ(window->m_imContext, nullptr);
    ASSERT_EQ(Put(edit, 0x01, Bool(false)), S_OK);
    EXPECT_EQ(window->m_imContext, context);
  }
  edit->Release();
}

namespace {

// A stand-in for the desktop's opener: it writes its arguments, their count first, into a pipe the
// test reads.
class StandInOpener {
 public:
  StandInOpener() : m_dir(kesta_test::MakeTempDir("opener")), m_pipe(m_dir + "/args") {
    EXPECT_EQ(mkfifo(m_pipe.c_str(), 0600), 0);
    const std::string script = m_dir + "/xdg-open";
    std::ofstream(script) << "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > '" << m_pipe
                          << "'\n";
    chmod(script.c_str(), 0700);
    m_scope = std::make_unique<ScopedShellOpener>(script.c_str());
  }
  StandInOpener(const StandInOpener&) = delete;
  StandInOpener& operator=(const StandInOpener&) = delete;

  // What the opener was given, one line each; waits for it to write (a launch that never comes
  // gives up after a generous while).
  std::vector<std::string> Arguments() const {
    const int fd = open(m_pipe.c_str(), O_RDONLY | O_NONBLOCK);
    std::string data;
    pollfd waitFor{fd, POLLIN, 0};
    while (poll(&waitFor, 1, 30000) > 0) {
      char chunk[256];
      const ssize_t n = read(fd, chunk, sizeof chunk);
      if (n <= 0) break;
      data.append(chunk, static_cast<size_t>(n));
    }
    close(fd);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = data.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(data.substr(start, end - start));
    return lines;
  }

 private:
  std::string m_dir;
  std::string m_pipe;
  std::unique_ptr<ScopedShellOpener> m_scope;
};

void Click(wxWindow* window, wxEventType type, LONG x, LONG y) {
  wxMouseEvent event(type);
  event.SetPosition(wxPoint(x, y));
  event.SetEventObject(window);
  window->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

TEST_F(ComponentTest, ClickOnMailAddressOpensItOrTellsTheHost) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    ASSERT_EQ(Put(edit, -0x205, Text(u"write to someone@example.com; it's fine")), S_OK);
    const auto [y, x] = TwoOut(edit, 0x89, 0, 14);  // inside the address

    // Without bit 0x8 the launcher gets "mailto:" and the address as one argument.
    const StandInOpener opener;
    ASSERT_EQ(Call(edit, 0x5A, {Long(0)}), S_OK);
    Click(active.Window(), wxEVT_LEFT_DOWN, x + 1, y + 1);
    Click(active.Window(), wxEVT_LEFT_UP, x + 1, y + 1);
    EXPECT_EQ(opener.Arguments(), (std::vector<std::string>{"1", "mailto:someone@example.com"}));

    // With it the host is told the bare address.
    std::vector<std::u16string> told;
    auto* sink = new EventSink(kEvents, [&](DISPID id, std::span<const VARIANT> args) {
      if (id == 2 && args.size() == 1 && args[0].vt == VT_BSTR) told.emplace_back(BstrView(args[0].bstrVal));
    });
    ASSERT_EQ(sink->Connect(edit), S_OK);
    ASSERT_EQ(Call(edit, 0x5A, {Long(0x8)}), S_OK);
    Click(active.Window(), wxEVT_LEFT_DOWN, x + 1, y + 1);
    Click(active.Window(), wxEVT_LEFT_UP, x + 1, y + 1);
    EXPECT_EQ(told, std::vector<std::u16string>{u"someone@example.com"});
    sink->Disconnect();
    sink->Release();
  }
  edit->Release();
}
