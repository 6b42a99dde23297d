// The words the file layer's sources share for what the system calls tell:
// what stands at a path, a failed step as a reason, a file's own name.
#pragma once

#include "files/Result.h"
#include "files/SystemFiles.h"

#include <string>

namespace velomark {

// "a directory", "a named pipe", ...: what stands where a regular file was wanted.
Sentence kindOf(sys::Kind kind);
// The system's words for the last failure, as a sentence's value.
SentenceValue systemReason();
SentenceValue systemReason(int error);
// The name of path without its folder.
std::string baseName(const std::string& path);
// Success, or the system's reason for the last failure as a WriteFailed error.
Status failed(bool ok);

} // namespace velomark
