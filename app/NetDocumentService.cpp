#include "app/NetDocumentService.h"

namespace {
INetDocumentService* g_service = nullptr;
}

void InstallNetDocumentService(INetDocumentService* service) { g_service = service; }

INetDocumentService* GetNetDocumentService() { return g_service; }
