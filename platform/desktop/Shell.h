#pragma once
// Opening files, folders and URLs with the desktop's handler (xdg-open) and starting programs with
// an argument vector. No command passes through /bin/sh: titles, links and paths come from
// documents and must never be read as shell syntax. Texts are code page 932.
#include <sys/types.h>

#include <optional>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxWindow;

// Results of ShellExecute at or below 32 are errors.
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_NOASSOC 31

// What ShellExecute will do: start argv (argv[0] the program, as a path) in directory, or fail
// with error (a result at or below 32; argv is then empty). program: argv[0] is the file itself,
// started as a program, not the opener handed a document or URL.
struct ShellLaunch {
  INT_PTR error = 0;
  std::vector<CString> argv;
  CString directory;
  bool program = false;
};

// The verb may be null, "" or "open" (the default action) or "explore" (a folder). A URL (a
// scheme of two or more letters and ":") and any file that is not a program are handed to the
// opener (xdg-open, or the one a ScopedShellOpener gives); a program (a file with execute
// permission that starts with "#!" or is an ELF binary) is started with the parameters split as a
// Windows command line. A relative file is taken in directory; a bare name that does not exist
// there is looked for in PATH.
ShellLaunch PlanShellExecute(const char* verb, const char* file, const char* parameters, const char* directory);

// Runs the plan without waiting for the program: a result above 32 on success, else the error.
// The owner and show state are accepted for the callers' sake; the desktop places the window.
INT_PTR ShellExecute(wxWindow* owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int show);

// Opens a link: one path or URL that came from a document, never split into a program and its
// arguments. A URL, a document or a folder goes to the opener; an executable file is started,
// without arguments, only when the user agrees to the question (the owner's or the main window's
// box). Results as ShellExecute's; a start the user declines counts as done (above 32), so that a
// caller neither reports it nor tries anything else.
INT_PTR OpenLinkTarget(wxWindow* owner, const char* target, const char* directory = nullptr);

// While it lives, documents, folders and URLs go to the opener at path (code page 932) instead of
// the xdg-open that PATH finds: "" for none, as on a machine without one, or null for PATH's again.
// Scopes nest: the newest counts. Tests use it so that they expect the same on every machine,
// whatever desktop tools it has, and never start the desktop's own opener.
class ScopedShellOpener {
 public:
  explicit ScopedShellOpener(const char* path);
  ~ScopedShellOpener();
  ScopedShellOpener(const ScopedShellOpener&) = delete;
  ScopedShellOpener& operator=(const ScopedShellOpener&) = delete;

  // The path this scope was given; nothing when it defers to PATH.
  const std::optional<CString>& Path() const { return m_path; }

 private:
  std::optional<CString> m_path;
  ScopedShellOpener* m_previous = nullptr;
};

// Starts argv[0] (a name without "/" is looked for in PATH) with the arguments, in directory when
// it is given. Returns the process id, or -1 with errno set. The caller waits for it.
pid_t StartProgram(const std::vector<CString>& argv, const char* directory = nullptr);
// Waits for a started program; its exit status, or -1 when it did not exit normally.
int WaitProgram(pid_t pid);

// The arguments of a Windows command line: blanks separate, double quotes group ("" inside quotes
// is a quote), backslashes are literal except before a quote (2n of them give n and a quote that
// groups, 2n+1 give n and a literal quote). A double-byte character is never split.
std::vector<CString> SplitCommandLine(const char* parameters);
// The argument as SplitCommandLine reads back exactly that one argument, whatever quotes, blanks
// and backslashes it holds.
CString QuoteCommandLineArgument(const char* argument);
