#include <memory>

#include "qt_device.h"
#include "report_document.h"
#include "report_document_impl.h"

namespace {

doc::ReportDocument* g_document = nullptr;

}  // namespace

CReportDocument* DllGetDocument(int version) {
    if (version != 0) return nullptr;
    if (g_document == nullptr) g_document = new doc::ReportDocument(std::make_unique<doc::QtDevice>());
    return g_document;
}

void DllFreeDocument(void) {
    delete g_document;
    g_document = nullptr;
}
