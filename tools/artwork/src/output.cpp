#include "output.hpp"

#include <cstdlib>
#include <stdexcept>

namespace art {

namespace {

void write_jpeg(const Surface& surface, const std::filesystem::path& file) {
  const std::filesystem::path temp = file.string() + ".tmp.png";
  write_png(surface, temp);
  const std::string command =
      "/usr/bin/convert '" + temp.string() + "' -strip -quality 90 '" + file.string() + "'";
  const int status = std::system(command.c_str());
  std::filesystem::remove(temp);
  if (status != 0)
    throw std::runtime_error("ImageMagick could not write " + file.string());
}

} // namespace

void write_picture(const Picture& picture, const std::filesystem::path& dir) {
  const std::filesystem::path file = dir / picture.file_name;
  if (file.extension() == ".jpg")
    write_jpeg(picture.surface, file);
  else
    write_png(picture.surface, file);
}

} // namespace art
