#include "UserSession.h"

#include <windows.h>
#include <sddl.h>

#include <memory>
#include <vector>

namespace platform {

namespace {

std::string toUtf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

} // namespace

std::string UserIdentity()
{
    std::string identity;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<unsigned char> buffer(size);
        LPWSTR sid = nullptr;
        if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
            && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid,
                                      &sid)) {
            identity = toUtf8(sid);
            LocalFree(sid);
        }
        CloseHandle(token);
    }
    if (identity.empty()) {
        wchar_t name[257] = {};
        DWORD length = 257;
        if (GetUserNameW(name, &length))
            identity = toUtf8(name);
    }
    return identity;
}

std::string UserRuntimeFolder()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, path);
    if (n == 0 || n > MAX_PATH)
        return std::string();
    std::wstring dir(path, n);
    while (dir.size() > 3 && (dir.back() == L'\\' || dir.back() == L'/'))
        dir.pop_back();
    return toUtf8(dir);
}

std::string LocalServerName(std::string_view base)
{
    return std::string(base) + "-" + UserIdentity();
}

} // namespace platform
