#pragma once

#include <span>

namespace content {

// One interface picture of the content package: its item number and the file name it is
// written under in the graphics folder.
struct GraphicsEntry
{
    int item;
    const char *fileName;
};

// Every picture of the package in item order (1-37, 41-92; 38-40 are unused).
std::span<const GraphicsEntry> graphicsList();

// The file name of picture item `item`, or nullptr when the number is not a picture.
const char *graphicsFileName(int item);

// The item number of the picture written under `fileName` (case ignored), or 0.
int graphicsItem(const char *fileName);

} // namespace content
