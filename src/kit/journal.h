// The run's log: every line on the console at once and, in the log folder, in
// the file <component>-<computer>.log as soon as it is said, so a run that is
// killed keeps what it wrote.
#pragma once

#include <string>
#include <vector>

#include "kit/log_format.h"
#include "kit/platform/kit_platform.h"

namespace kit {

// <component>-<computer><suffix>.log
std::wstring LogFileName(const std::wstring& component, const std::wstring& computer,
                         const std::wstring& suffix);

class Journal {
  public:
    Journal(KitPlatform& platform, std::wstring component);

    // Settles the log folder: LOG_DIR when set and fit for it, else the
    // default, else none; says why one was passed over. Then writes what was
    // said before.
    void Open(const std::wstring& logDir);

    void Info(const std::wstring& text) { Say(LineType::Info, text); }
    void Warning(const std::wstring& text) { Say(LineType::Warning, text); }
    // The line that says why a run failed.
    void Failure(const std::wstring& text) { Say(LineType::Failure, text); }

    // The log folder in use, empty when none.
    const std::wstring& Folder() const { return folder_; }
    // <component>-<computer><SUFFIX>.log, and the same in FOLDER.
    std::wstring FileName(const std::wstring& suffix) const;
    std::wstring FileIn(const std::wstring& folder, const std::wstring& suffix) const {
        return folder + L"\\" + FileName(suffix);
    }

  private:
    void Say(LineType type, const std::wstring& text);
    // Why FOLDER cannot take the log; empty when it can.
    std::wstring UnfitBecause(const std::wstring& folder);
    void CutBack(const std::wstring& file);

    KitPlatform& platform_;
    std::wstring component_;
    std::wstring folder_;
    bool opened_ = false;
    std::vector<std::string> waiting_;
};

}  // namespace kit
