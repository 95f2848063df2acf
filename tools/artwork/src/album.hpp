// The collection of finished pictures, in contact-sheet order.
#pragma once

#include "surface.hpp"

#include <string>
#include <vector>

namespace art {

struct Picture {
  std::string file_name;
  Surface surface;
  int group; // pictures of one group share contact-sheet rows
};

class Album {
public:
  void start_group() { ++group_; }
  void add(std::string file_name, Surface surface) {
    pictures_.push_back({std::move(file_name), std::move(surface), group_});
  }
  const std::vector<Picture>& pictures() const { return pictures_; }

private:
  std::vector<Picture> pictures_;
  int group_ = 0;
};

} // namespace art
