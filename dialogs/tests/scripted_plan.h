#pragma once

// A document whose file operations answer from a script and record how
// they were called, for the file and password logic.

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "plan_data.h"

namespace dlgtest {

class ScriptedProperties : public CPlanProperties {
public:
    bool IsWriteProtected() override { return writeProtected; }
    int32_t BeginChange() override { return 0; }
    bool writeProtected = false;
};

class ScriptedPlan : public CPlanData {
public:
    struct OpenCall {
        std::string path;
        bool readOnly;
        std::string password;
        bool havePassword;
    };

    ScriptedPlan() { properties = &props; }
    ~ScriptedPlan() override = default;

    int32_t Open(const char* path, bool readOnly, const char* password, bool havePassword) override {
        opens.push_back({path, readOnly, password ? password : "", havePassword});
        const int32_t status = Next(openStatuses);
        if (status == kDataOk || status == kDataReadOnly) {
            fileName = path;
            modified = false;
            readOnlyOpen = status == kDataReadOnly;
        }
        return status;
    }
    int32_t Save(const char* path) override {
        saves.emplace_back(path ? path : "");
        const int32_t status = Next(saveStatuses);
        if (status == kDataOk) {
            if (path && *path) fileName = path;
            modified = false;
        }
        return status;
    }
    int32_t Reload(const char* password, bool havePassword) override {
        reloads.push_back({fileName, false, password ? password : "", havePassword});
        return Next(reloadStatuses);
    }
    void Close() override {
        ++closes;
        fileName.clear();
        modified = false;
    }
    std::string GetFileName() override { return fileName; }
    bool IsReadOnly() override { return readOnlyOpen; }
    bool IsModified() override { return modified; }
    int32_t BeginTransaction(const char*) override { return 0; }
    int32_t CancelTransaction() override { return 0; }
    int32_t CommitTransaction() override { return 0; }
    bool AddListener(DataListener listener) override {
        listeners.push_back(listener);
        return true;
    }
    int32_t Control(int32_t code, void* out) override {
        if (code == kControlOlderFormat) {
            *static_cast<uint8_t*>(out) = olderFormat ? 1 : 0;
            return kDataOk;
        }
        if (code == kControlTextsShortened) {
            *static_cast<uint8_t*>(out) = textsShortened ? 1 : 0;
            return kDataOk;
        }
        if (code == kControlPasswordDigests) {
            std::memcpy(out, digests, sizeof digests);
            return kDataOk;
        }
        return kDataUnknownControl;
    }
    void Write(CMemArchive*) override {}
    int32_t Read(CMemArchive*) override { return 0; }

    ScriptedProperties props;
    std::deque<int32_t> openStatuses;
    std::deque<int32_t> saveStatuses;
    std::deque<int32_t> reloadStatuses;
    std::vector<OpenCall> opens;
    std::vector<OpenCall> reloads;
    std::vector<std::string> saves;
    std::vector<DataListener> listeners;
    int closes = 0;
    std::string fileName;
    bool modified = false;
    bool readOnlyOpen = false;
    bool olderFormat = false;
    bool textsShortened = false;   // as for an older file whose texts were cut
    uint8_t digests[32] = {};   // of the file examined last

private:
    static int32_t Next(std::deque<int32_t>& script) {
        if (script.empty()) return kDataOk;
        const int32_t status = script.front();
        script.pop_front();
        return status;
    }
};

}  // namespace dlgtest
