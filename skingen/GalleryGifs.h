// The gallery's animations and still picture, drawn at build time beside its icons.
#pragma once

#include <string>

// Writes into strFolder (ending in a backslash, existing): Smile.gif (a face that smiles and blinks,
// transparent around it), Loading.gif (a ring of dots turning, transparent around it), Lake.gif (a
// 320 x 200 landscape with drifting clouds, for a window smaller than the picture) and Book.png (a
// still word book with alpha). False when a file could not be written.
bool WriteGalleryGifs(const std::wstring& strFolder);
