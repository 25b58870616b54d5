#include "views/PreviewArticles.h"

namespace {
IPreviewArticles* g_articles = nullptr;
}

void InstallPreviewArticles(IPreviewArticles* articles) { g_articles = articles; }

IPreviewArticles* GetPreviewArticles() { return g_articles; }
