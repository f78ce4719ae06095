#include "data_library.h"

#include "plat/dynlib.h"

namespace dlgtest {

DataLibrary::DataLibrary(CUndoHistory* history) {
    module_ = plat::LoadLibrary(QEL_DATA_LIBRARY);
    if (module_ == nullptr) {
        error_ = plat::LastLibraryError();
        return;
    }
    auto get = reinterpret_cast<DllGetDataFn>(plat::GetSymbol(module_, "DllGetData"));
    free_ = reinterpret_cast<DllFreeDataFn>(plat::GetSymbol(module_, "DllFreeData"));
    if (get == nullptr || free_ == nullptr) {
        error_ = "entry points missing";
        return;
    }
    data_ = get(history);
}

DataLibrary::~DataLibrary() {
    if (free_ != nullptr) free_();
    if (module_ != nullptr) plat::FreeLibrary(module_);
}

int32_t SaveProtected(CPlanData* data, const std::string& path, const char* password1,
                      const char* password2) {
    if (int32_t status = data->BeginTransaction("Protect"); status != kDataOk) return status;
    data->properties->BeginChange();
    data->properties->passwordFlag = 1;
    data->properties->SetPassword1(password1);
    data->properties->SetPassword2(password2);
    if (int32_t status = data->CommitTransaction(); status != kDataOk) return status;
    return data->Save(path.c_str());
}

}  // namespace dlgtest
