// The window tests save and delete record files in the real records folder of the user they run
// as. Whatever that folder held is moved aside before the first test and put back after the last,
// so no record a person saved is ever touched, even when a test fails half-way.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring records_base() {
    wchar_t base[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    return std::wstring(base) + L"\\TalvoMedSuite";
}

// SHFileOperation takes a list ending in two terminators.
void remove_tree(const std::wstring& folder) {
    std::wstring list = folder + L'\0';
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

class RecordsGuard : public testing::Environment {
public:
    void SetUp() override { moved_ = MoveFileW(folder().c_str(), aside().c_str()) != FALSE; }
    void TearDown() override {
        remove_tree(folder());
        if (moved_) MoveFileW(aside().c_str(), folder().c_str());
    }

private:
    static std::wstring folder() { return records_base() + L"\\records"; }
    static std::wstring aside() { return records_base() + L"\\records.kept-during-tests"; }
    bool moved_ = false;
};

testing::Environment* const kGuard = testing::AddGlobalTestEnvironment(new RecordsGuard);

}  // namespace
