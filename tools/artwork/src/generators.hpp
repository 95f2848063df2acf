// Every group of pictures the game ships, each drawn by its own file.
#pragma once

#include "album.hpp"

namespace art {

void add_background(Album& album);
void add_app_icon(Album& album);
void add_hand_cursor(Album& album);
void add_banners(Album& album);
void add_window_icons(Album& album);
void add_buttons(Album& album);
void add_mugs(Album& album);
void add_about_texts(Album& album);
void add_raid(Album& album);
void add_beers(Album& album);
void add_glyphs(Album& album);

} // namespace art
