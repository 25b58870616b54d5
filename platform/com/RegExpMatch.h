#pragma once
// The result objects of RegExp.Execute.
#include <string_view>
#include <vector>

#include "platform/com/ComTypes.h"
#include "platform/com/RegExpEngine.h"
#include "platform/com/RegExpObject.h"

// A collection of the matches found in the subject; it copies what it needs from the subject.
VBScript_RegExp_55::IMatchCollection* CreateMatchCollection(std::u16string_view subject,
                                                            const std::vector<RegExpFound>& found);
