#pragma once
// The maker's web address and support e-mail address, and the two routines
// that hand them to the system shell (the default browser and mail program).

#include <functional>
#include <string>

namespace webinterface {

inline constexpr const wchar_t* WebHostName = L"www.tessaline.example";
inline constexpr const wchar_t* WebAddress = L"http://www.tessaline.example/";
inline constexpr const wchar_t* SupportEMail = L"support@tessaline.example";

// Opens a new mail message to the support address. The shell's answer is
// not examined: without a mail program nothing happens.
void SendEMail();
// Opens the web address in the default browser; the answer is ignored too.
void OpenWebSite();

// The arguments of one shell call that vary, as passed to ShellExecuteA
// (which is given no owner, operation or parameters).
struct ShellCall {
    std::string file;
    std::string directory;
    int showCommand;
};

// Replaces the shell for as long as it lives (tests record the calls).
class ShellOverride {
public:
    explicit ShellOverride(std::function<void(const ShellCall&)> shell);
    ShellOverride(const ShellOverride&) = delete;
    ShellOverride& operator=(const ShellOverride&) = delete;
    ~ShellOverride();

private:
    std::function<void(const ShellCall&)> previous_;
};

}  // namespace webinterface
