// Loading and saving the custom circuit file for its setup window.
#include "laps/CustomFile.h"

namespace velomark {

std::optional<std::string> customTextProblem(std::string_view text, bool isName) {
    if (text.find('"') != std::string_view::npos)
        return std::string("a double quote (\") cannot be stored");
    if (isName && text.find('\n') != std::string_view::npos)
        return std::string("a name cannot hold a line break");
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
        std::optional<std::string> problem = customTextProblem(row.name, true);
        if (!problem)
            problem = customTextProblem(row.country, false);
        if (problem)
            return Error{ErrorKind::Unstorable, "Custom circuit " + std::to_string(i + 1) +
                                                    " cannot be saved: " + *problem + "."};
        captions[i] = row.name + '\n' + row.country;
    }
    return writeCustomCaptions(captions, ops, path);
}

} // namespace velomark
