#pragma once
// File-type filters of the file dialogs. The program writes them in the Windows form
// "text|pattern|text|pattern||", patterns separated by ";" and matched without regard to case;
// GTK matches its patterns case-sensitively, so each pattern with letters also gets a form that
// spells every letter in both cases ("*.KVN" adds "*.[kK][vV][nN]").
#include "platform/base/CString.h"

// The pattern with every ASCII letter as a class of both cases; "[" and "]" stand for themselves.
// Double-byte characters pass unchanged.
CString CaseInsensitivePattern(const char* pattern);

// The filter in the wx form: pairs of text and patterns, the trailing empty parts dropped; "*.*"
// becomes "*" (it matches names without a dot as well).
CString FileFilterToWx(const char* filter);
