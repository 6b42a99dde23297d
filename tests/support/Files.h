// Helpers for the tests of the core and the tools, which build without Qt
// and run on Linux and, under Wine, on Windows: files in a fresh temporary
// working folder, the fixtures, lap record lines, what stands at a path, and
// programs run as built. Paths are UTF-8, as the store takes them.
#pragma once

#include "files/Sentence.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace velomark::test {

// The sentences in English, as the tools print them.
inline std::vector<std::string> englishOf(const std::vector<Sentence>& sentences) {
    std::vector<std::string> lines;
    for (const Sentence& s : sentences)
        lines.push_back(s.english());
    return lines;
}

// The bytes of a file, or "<missing PATH>" when it cannot be read.
std::string readBytes(const std::string& path);
// False when the file cannot be written; check it.
bool writeBytes(const std::string& path, const std::string& bytes);
std::string fixture(const char* name);

// A line of the blank lap record file, without its CR LF.
inline const std::string kBlankRecord =
    R"("","","","","","","","","","","","","","","","","","","","")";

// A lap record file: line n (from 1) as the last pair for n gives it, the
// others as `other`; each ends in CR LF unless it ends in a line feed already.
std::string lapRecords(std::initializer_list<std::pair<int, std::string>> lines,
                       const std::string& other = kBlankRecord);

// The text with every line break in it (CR LF, CR or LF) written as end, as
// an editor that saves other line ends leaves a file.
std::string withLineBreaks(const std::string& text, const std::string& end);

// A fresh temporary folder, the working folder while the object lives;
// removed afterwards.
class WorkDir {
  public:
    WorkDir();
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;
    // The absolute path of name in the folder.
    std::string path(const std::string& name = {}) const;

  private:
    std::string m_dir, m_old;
};

// What stands at a path; a link is not followed.
enum class Entry { None, File, Folder, Link, Pipe, Other };
Entry entryAt(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> entries(const std::string& dir);

bool makeFolder(const std::string& path);
// A link at path that leads to target; false where none can be made: Wine
// says it made one, but none is there (nor can an account without the right).
bool makeLink(const std::string& target, const std::string& path);
// A named pipe; false where a folder cannot hold one (Windows).
bool makePipe(const std::string& path);
// Marks a file read-only, or private (Linux: no bits for others; Windows:
// hidden); the marks a save must keep or honour.
bool makeReadOnly(const std::string& path, bool readOnly = true);
bool makePrivate(const std::string& path);
// The permission bits, or on Windows the attributes, of a file.
int marksOf(const std::string& path);
// Lets the owner run a file (Linux; Windows runs by name).
bool makeRunnable(const std::string& path);

// What a program run to its end said: its exit status (-1 when it could not
// be run), its standard output and its standard error.
struct Ran {
    int status = -1;
    std::string out, err;
};
// Runs program (a path) with args in the working folder, under no shell, as
// velobat starts programs.
Ran runProgram(const std::string& program, const std::vector<std::string>& args);

// The system's words for a missing file, as the store's messages hold them.
std::string missingFileReason();

} // namespace velomark::test
