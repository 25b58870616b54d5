#pragma once
// Settings files for the export dialog tests: one with a section of every kind, and the file's
// bytes with one section left out, to show that a dialog touched nothing else.
#include <string>

namespace export_dialog_test {

// Writes a settings file with sections "System", "Mark" and "Text" (non-default values).
void WriteSettings(const std::string& path, const std::string& textSection);
// The file's bytes without the lines of one section (its header included).
std::string WithoutSection(const std::string& bytes, const std::string& section);

}  // namespace export_dialog_test
