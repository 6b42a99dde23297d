// Loading and saving the custom circuit file for its setup window.
#include "laps/CustomFile.h"

namespace velomark {

std::optional<Sentence> customTextProblem(std::string_view text, bool isName) {
    //: Set after a colon into "Custom circuit %1 cannot be saved: %2.".
    if (text.find('"') != std::string_view::npos)
        return Sentence(VM_TEXT("Custom", "a double quote (\") cannot be stored"));
    if (isName && text.find('\n') != std::string_view::npos)
        return Sentence(VM_TEXT("Custom", "a name cannot hold a line break"));
    return std::nullopt;
}

CustomRow splitCaption(std::string_view caption) {
    const size_t lineFeed = caption.find('\n');
    if (lineFeed == std::string_view::npos)
        return {std::string(caption), {}};
    return {std::string(caption.substr(0, lineFeed)), std::string(caption.substr(lineFeed + 1))};
}

CustomRows loadCustomRows(const std::string& path) {
    CustomRows rows;
    Result<CustomCaptions> captions = readCustomCaptions(path);
    if (!captions)
        return rows;
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = splitCaption((*captions)[i]);
    return rows;
}

Status writeCustomFile(const CustomRows& rows, FileOps& ops, const std::string& path) {
    CustomCaptions captions;
    for (size_t i = 0; i < rows.size(); ++i) {
        const CustomRow& row = rows[i];
        std::optional<Sentence> problem = customTextProblem(row.name, true);
        if (!problem)
            problem = customTextProblem(row.country, false);
        if (problem)
            return Error{ErrorKind::Unstorable,
                         Sentence(VM_TEXT("Custom", "Custom circuit %1 cannot be saved: %2."),
                                  {i + 1, *problem})};
        captions[i] = row.name + '\n' + row.country;
    }
    return writeCustomCaptions(captions, ops, path);
}

} // namespace velomark
