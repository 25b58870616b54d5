// Starting what a grep hit points to: link files, programs and the text editor.
#include <strings.h>
#include <sys/stat.h>

#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "views/CGrepView.h"

int CGrepView::ShellOpen(wxWindow* owner, const char* command, const char* parameters) {
  CString program(command);
  CString arguments(parameters);
  // "\"prog\" args": the program up to the last quote, the rest its parameters.
  if (program.GetLength() > 1 && program[0] == '"' && program[program.GetLength() - 1] != '"') {
    const int quote = program.ReverseFind('"');
    arguments = program.Mid(quote + 2);
    arguments.TrimLeft();
    program = program.Left(quote + 1);
  }
  // The plan takes the program as a path; the quotes only grouped it.
  CString file = program;
  if (file.GetLength() >= 2 && file[0] == '"' && file[file.GetLength() - 1] == '"')
    file = file.Mid(1, file.GetLength() - 2);
  const INT_PTR result = ShellExecute(owner, nullptr, file, arguments, "", SW_SHOWNORMAL);
  if (result > 31) return 0;
  if (result >= 23) return 1;
  if (CString(command).Find('.') < 0 && result == SE_ERR_FNF) return 1;
  ShowShellError(static_cast<int>(result));
  return 3;
}

void CGrepView::ShowShellError(int code) {
  static const char* const messages[] = {
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
  if (code >= 0 && code < static_cast<int>(sizeof messages / sizeof messages[0])) AfxMessageBox(messages[code]);
}

CString CGrepView::LargeTextQuestion(const char* path) {
  const CString file(path);
  if (file.GetLength() < 4 || strcasecmp(file.Right(4), ".txt") != 0) return CString();
  struct stat st {};
  if (stat(CP932ToUTF8(file.str()).c_str(), &st) != 0 || st.st_size <= 500000) return CString();
  CString question;
  question.Format("大きなサイズのテキストファイルです(%dKB)。ケスタボンで開くと時間がかかります。テキストエディタで起動しますか？",
                  static_cast<int>(st.st_size / 1024));
  return question;
}
