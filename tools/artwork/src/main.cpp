// frothwick-artwork <assets-dir> <sounds-dir> <docs-dir>: draws every picture and sound the game ships.
#include "contact_sheet.hpp"
#include "generators.hpp"
#include "output.hpp"
#include "sounds.hpp"

#include <exception>
#include <filesystem>
#include <initializer_list>
#include <iostream>

namespace {

art::Album draw_everything() {
  art::Album album;
  for (auto add : {art::add_background, art::add_app_icon, art::add_hand_cursor, art::add_window_icons,
                   art::add_buttons, art::add_mugs, art::add_about_texts, art::add_banners, art::add_raid,
                   art::add_beers, art::add_glyphs}) {
    album.start_group();
    add(album);
  }
  return album;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: frothwick-artwork <assets-dir> <sounds-dir> <docs-dir>\n";
    return 2;
  }
  try {
    const std::filesystem::path assets = argv[1], sounds = argv[2], docs = argv[3];
    for (const auto& folder : {assets, sounds, docs})
      std::filesystem::create_directories(folder);
    const art::Album album = draw_everything();
    for (const auto& picture : album.pictures())
      art::write_picture(picture, assets);
    art::write_sounds(sounds);
    art::write_png(art::contact_sheet(album), docs / "artwork.png");
  } catch (const std::exception& e) {
    std::cerr << "frothwick-artwork: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
