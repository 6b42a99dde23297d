// The HTML page: one table per reported circuit under each trackset's line,
// with every text taken from the files or typed by the user escaped, so that
// no setup name or title can break the page or put markup into it.
#pragma once

#include "laps/ReportModel.h"

#include <string>
#include <string_view>

namespace velomark {

inline constexpr std::string_view kHtmlFileName = "Laptimes.html";
inline constexpr SourceText kHtmlTitle = VM_TEXT("Reports", "GP2 Lap Times");
inline constexpr SourceText kBadHtmlNameTitle = VM_TEXT("Reports", "Correct the filename");
inline constexpr SourceText kBadHtmlNameText =
    VM_TEXT("Reports", "Invalid filename. Must end in `.html`");
// The page's closing link.
inline constexpr std::string_view kHomePageAddress = "https://velomark.example.org/";

// At least six characters ending in ".html", lower case.
bool isHtmlFileName(std::string_view name);

// & < > " as entities; every other byte as it is.
void appendHtmlEscaped(std::string& out, std::string_view text);

// The bytes of the page for the tracksets in data, with title as its heading;
// a page in another language than English declares it (lang).
std::string htmlPage(const ReportData& data, std::string_view title,
                     const ReportWords& words = englishReportWords());

// Checks the name, then that something is ticked, then reads every input and
// only then writes the page; when an input is missing nothing is written, so
// an existing page is never replaced by half of one.
ExportResult exportHtmlFile(const std::string& target, std::string_view title,
                            const TracksetChoice& ticked, FileOps& ops = realFileOps(),
                            const std::string& folder = {},
                            const ReportWords& words = englishReportWords());

} // namespace velomark
