#include "app/StartProgram.h"

#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

namespace {

// The texts of the start failures, by result.
constexpr const char* kStartErrors[] = {
    "システム メモリが足りない、実行可能ファイルが壊れていた、または再配置が無効です",
    "MS-DOSのInt 21ファンクション コール 4B00hが無効でした",
    "ファイルが見つかりませんでした",
    "パスが見つかりませんでした",
    "オープンしたファイルが多すぎました",
    "タスクへのダイナミック リンクを実行しようとしました。または、共有違反やネットワーク保護エラーが発生しました",
    "各タスクに対してライブラリが別々のデータ セグメントを要求しました",
    "MS-DOSのメモリ ブロックに問題がありました(Windows実行時にはこのエラーは起こりません)",
    "メモリ不足のためアプリケーションを起動できませんでした",
    "MS-DOSのメモリ ブロックに問題がありました(Windows実行時にはこのエラーは起こりません)",
    "Windowsのバージョンが正しくありません",
    "実行可能ファイルが無効でした。Windowsのアプリケーションでないか、.EXEイメージにエラーがあったかのいずれかです",
    "このアプリケーションは、異なるオペレーティング システム用に設計されています",
    "MS-DOS 4.0用に設計されているアプリケーションです。PC-9800シリーズではこの値は返しません。",
    "実行可能ファイルのタイプが不明です",
    "リアル モードのアプリケーション (以前のバージョンのWindows用に開発されたもの) をロードしようとしました",
    "このアプリケーションは複数インスタンスの実行が出来ません",
    "共有できないDDLにリンクするアプリケーションの2番目のインスタンスをロード使用としましたが、DLLはすでに使用中です",
    "プロテクト モード専用としてマークされているアプリケーションをリアル モードでロードしようとしました",
    "圧縮された実行可能ファイルをロードしようとしました。ロードする前にファイルを展開しなければなりません",
    "ダイナミックリンク ライブラリ (DLL) ファイルが無効です。このアプリケーションを実行するために必要なDLLの1つが壊れています",
    "このアプリケーションには、32ビット版のMicrosoftWindowsが必要です",
    "原因不明のエラーです",
};
constexpr int kStartErrorCount = static_cast<int>(sizeof(kStartErrors) / sizeof(kStartErrors[0]));

}  // namespace

void SplitProgramText(const char* text, const char* parameter, CString& program, CString& arguments) {
  program = text;
  // The caller's parameter is one argument (a file to edit), whatever blanks or quotes it holds.
  const CString quoted = parameter && *parameter ? QuoteCommandLineArgument(parameter) : CString();
  arguments = quoted;
  const int split = program.Find("\" ");
  if (program.Find('"') != 0 || split < 0) return;
  CString own = program.Mid(split + 2);
  own.TrimLeft(' ');
  program = program.Left(split + 1);
  program.Remove('"');
  arguments = quoted.IsEmpty() ? own : own.IsEmpty() ? quoted : own + " " + quoted;
}

namespace {

// What a start's result means to the caller, with the message for a failure shown.
int StartResult(INT_PTR result, const char* program) {
  if (result >= 32) return 0;
  if (result < kStartErrorCount) {
    if (CString(program).Find('.') < 0 && result == SE_ERR_FNF) return 1;
    AfxMessageBox(kStartErrors[result]);
    return 3;
  }
  return 1;
}

}  // namespace

int StartProgram(wxWindow* owner, const char* program, const char* parameter) {
  CString file, arguments;
  SplitProgramText(program, parameter, file, arguments);
  // A program text that is one quoted path is the path.
  if (file.GetLength() >= 2 && file[0] == '"' && file[file.GetLength() - 1] == '"')
    file = file.Mid(1, file.GetLength() - 2);
  const INT_PTR result = ShellExecute(
      owner, nullptr, file, arguments.IsEmpty() ? nullptr : static_cast<const char*>(arguments), "", SW_SHOWNORMAL);
  return StartResult(result, program);
}

int OpenLink(wxWindow* owner, const char* target) { return StartResult(OpenLinkTarget(owner, target), target); }
