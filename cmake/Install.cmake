# Installing the game like a desktop game: the program with its pictures and sounds in one folder,
# a launcher on PATH, a menu entry, an icon and the package metadata.
