#include "convert/OutlineSaves.h"

#include "convert/CTextExporter.h"
#include "model/CTextOutputOptions.h"
#include "convert/WzOutline.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"

int SaveAsTextFile(ATREE& tree, const char* path) {
  if (AfxGetProfileInt("System", "bTextFile", 0) != 0 &&
      AfxMessageBox("テキストファイルです。テキストファイルにそのまま保存するとテキストファイルの形式が変更されます。"
                    "保存を続行しますか？",
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
    return 0;
  }
  if (tree.GetCheckFilter() != 0) {
    CString message = tree.GetCheckFilter() == 1 ? "「チェックツリーのみ表示」" : "「チェックツリー以外表示」";
    message += "になっています。解除しないと保存できません。\n[表示]-[チェックツリーの表示]-[全て表示]を行ってください";
    AfxMessageBox(message);
    return 0;
  }
  // Expanding changes what the rows show: it is done on a copy, never on the document.
  ATREE copy(tree);
  if (copy.GetDirDataCount() > 0) copy.ExpandAll(0);
  CTextOutputOptions options;
  options.Load();
  CTextExporter exporter(copy, options);
  return exporter.OutputTextFile(0, copy.GetDirDataCount(), path) ? 1 : 0;
}

int SaveWzFile(ATREE& tree, const char* path) {
  CString base(path);
  base = base.Mid(base.ReverseFind('/') + 1);
  const int dot = base.ReverseFind('.');
  if (dot >= 0) base = base.Left(dot);
  const bool topIsFile = tree.GetDirDataCount() > 0 && tree.GetName(0) == base;
  return ExportWzFile(tree, path, topIsFile ? 1 : 0);
}
