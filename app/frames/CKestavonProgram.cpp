#include "app/frames/CKestavonProgram.h"

#include "app/CKestavonDoc.h"
#include "app/frames/CKestaFrame.h"
#include "app/frames/CMainFrame.h"
#include "convert/CFolderImportDlg.h"
#include "convert/ConverterReaders.h"
#include "platform/CDocTemplate.h"
#include "platform/FullPath.h"
#include "platform/MessageBox.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"

wxBEGIN_EVENT_TABLE(CKestavonProgram, CKestavonApp)
  EVT_MENU(ID_FILE_IMPORT_FOLDER, CKestavonProgram::OnImportFolder)
wxEND_EVENT_TABLE()

CKestavonProgram::CKestavonProgram() { InstallConverterReaders(); }

std::unique_ptr<CDocTemplate> CKestavonProgram::MakeOutlineTemplate() {
  return std::make_unique<CMultiDocTemplate>(
      3, "\nKestav\nKestavon ﾄﾞｷｭﾒﾝﾄ\nKestavon ﾌｧｲﾙ (*.kvn)\n.kvn\nKestavFileType\nKestavon ﾌｧｲﾙ ﾀｲﾌﾟ",
      RuntimeClass<CKestavonDoc>(), RuntimeClass<CKestaFrame>(), RuntimeClass<CIEditView>());
}

CMDIFrameWnd* CKestavonProgram::MakeMainFrame() { return new CMainFrame; }

void CKestavonProgram::OnImportFolder(wxCommandEvent&) {
  CFolderImportDlg dialog(AfxGetMainFrameWindow());
  if (dialog.DoModal() != IDOK || !m_pKestavonTemplate) return;
  m_pKestavonTemplate->OpenDocumentWith(AfxFullPath(dialog.m_strDir), [](CDocument& doc, const char* path) {
    return static_cast<CKestavonDoc&>(doc).OpenDocument(path, 2);
  });
}
