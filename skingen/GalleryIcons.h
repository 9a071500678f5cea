// The gallery's own pictures: icons of the outlook bar page, drawn with the skins at build time.
#pragma once

#include <string>

// Writes the outlook bar page's image strips into strFolder (ending in a backslash; made when missing):
// Courses32/16, WordBooks32/16, Friends32/16 and Groups16.bmp, square frames side by side, 24-bit,
// the key colour 255,0,255 outside each picture. False when a file could not be written.
bool WriteGalleryIcons(const std::wstring& strFolder);
