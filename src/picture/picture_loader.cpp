#include "picture/picture_loader.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "core/text.h"
#include "picture/image_reader_loader.h"
#include "picture/picture_result.h"
#include "picture/png_loader.h"

namespace vk2 {
namespace {

// Why the path cannot hold a picture at all, checked before any decoder sees it.
std::optional<std::string> FileProblem(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return "no such file";
    if (error) return "cannot read the file: " + error.message();
    if (fs::is_directory(status)) return "is a directory";
    if (!fs::is_regular_file(status)) return "not a regular file";
    if (fs::file_size(path, error) == 0 && !error) return "file is empty";
    return std::nullopt;
}

// ".png" and ".PNG" go to our own PNG decoder; a mixed-case ending does not.
bool NamesPng(const std::string& path) {
    const std::string ending = Right(path, 2);
    return ending == "ng" || ending == "NG";
}

} // namespace

LoadedPicture LoadPicture(const std::string& path) {
    if (const auto problem = FileProblem(path)) return FailedPicture(*problem);
    return NamesPng(path) ? LoadPng(path) : LoadWithImageReader(path);
}

} // namespace vk2
