#pragma once
// Copying a font into the game's font folder without ever leaving a damaged
// or half-written font behind. Failures are run-time errors numbered from
// the file system's error (53 missing source, 76 missing folder, 70 access
// refused or file in use, ...).

#include <functional>
#include <optional>
#include <string>

// Raises 53 (file not found) when source is missing, also when its folder
// or its drive has gone: a vanished source is never a missing destination.
void requireSourceFile(const std::wstring& source);

// Creates folder when it does not exist; only its last level is created, so
// a missing parent fails with error 76.
void ensureFolder(const std::wstring& folder);

// Copies source to target, replacing an existing target in one step: the
// bytes go to a temporary file "~kw<process id>_<n>.tmp" in the target's
// folder first. On any failure the existing target is left as it was and
// no temporary file remains; temporary files of processes that no longer
// run are removed first. The copy is an ordinary file, whatever read-only,
// hidden or system attribute the source has. A read-only target is refused
// with error 70; a source that is the target itself is left intact.
//
// keepAside, when given, runs once the new bytes are ready beside an
// existing target and before they replace it: it may move the target
// away (to keep it) and say where to. Should the replace then fail, the
// target is moved back.
using KeepAside = std::function<std::optional<std::wstring>(const std::wstring& target)>;
void copyFileSafely(const std::wstring& source, const std::wstring& target, const KeepAside& keepAside = {});
