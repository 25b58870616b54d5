#pragma once
// The collection objects of the control (unbreakable words, highlight rules, key bindings) and
// their items: snapshots that IEdit builds on a get and reads back on a put.
#include "control/component/WrilaInterfaces.h"

// New objects, each with a count of 1 for the caller.
IFaceItem* NewFaceItem();
IFaceList* NewFaceList();
IHiliteItem* NewHiliteItem();
IHiliteList* NewHiliteList();
IAccelItem* NewAccelItem();
IAccelList* NewAccelList();

// Class-factory functions of the six classes.
HRESULT CreateFaceItem(REFIID iid, void** object);
HRESULT CreateFaceList(REFIID iid, void** object);
HRESULT CreateHiliteItem(REFIID iid, void** object);
HRESULT CreateHiliteList(REFIID iid, void** object);
HRESULT CreateAccelItem(REFIID iid, void** object);
HRESULT CreateAccelList(REFIID iid, void** object);
