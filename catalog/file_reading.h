#pragma once
// Reading a catalog file whole. Only regular files are read: a FIFO, device
// or socket would block start-up or never end, so it counts as a file that
// cannot be opened.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/column.h"

namespace catalog {

// Far above any real catalog (the whole OPS classification over 40 years is
// under 200 MB); a larger file is refused before it is read.
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

// How far a file is read: every byte (a file to be written back, a PDF), or
// up to its first NUL byte, where a catalog file's text ends: memory then
// follows the text, not the file's size. The NUL stays in the text; the
// file's size is noted (FileText::fileSize).
enum class ReadUpTo { End, FirstNul };

// Reads the first of paths that exists. Errors name the file by displayName:
// "kann nicht geöffnet werden" (missing, not a regular file, no permission),
// "kann nicht gelesen werden" (a read error), or the size limit.
// progress is called between chunks of a large file.
FileText readWholeFile(std::string_view displayName, const std::vector<std::string>& paths,
                       const std::function<void()>& progress = {}, ReadUpTo upTo = ReadUpTo::End);

// Whether the file readWholeFile would read can be opened and read, without
// reading it: fails with readWholeFile's errors of opening, the size limit
// and a first read.
void ensureReadable(std::string_view displayName, const std::vector<std::string>& paths);

// The assignment file's bytes as they are now; none when it cannot be read
// (a rebuild then writes it anew).
FileText textOfAssignmentFile();

}  // namespace catalog
