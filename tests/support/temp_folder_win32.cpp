#include "support/temp_folder.h"
#include "winapi.h"

namespace varnetto::testing {
namespace {

std::string withBackslashes(std::string path) {
    for (char& ch : path) {
        if (ch == '/') ch = '\\';  // '/' is never part of a double-byte character
    }
    return path;
}

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

char separator() { return '\\'; }

TempFolder::TempFolder() {
    char base[MAX_PATH];
    if (GetTempPathA(MAX_PATH, base) == 0) return;
    for (unsigned attempt = GetTickCount() ^ GetCurrentProcessId(); path_.empty(); ++attempt) {
        std::string candidate = std::string(base) + "varnetto-test-" + std::to_string(attempt);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
        } else if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) removeTree(path_);
}

std::string TempFolder::pathOf(const std::string& relative) const {
    return path_ + "\\" + withBackslashes(relative);
}

bool TempFolder::makeFolder(const std::string& relative) const {
    return CreateDirectoryA(pathOf(relative).c_str(), nullptr) != 0;
}

bool TempFolder::makeFile(const std::string& relative, const std::string& content) const {
    HANDLE file = CreateFileA(pathOf(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

bool TempFolder::exists(const std::string& relative) const {
    return GetFileAttributesA(pathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempFolder::read(const std::string& relative) const {
    HANDLE file = CreateFileA(pathOf(relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        content.append(chunk, got);
    CloseHandle(file);
    return content;
}

}  // namespace varnetto::testing
